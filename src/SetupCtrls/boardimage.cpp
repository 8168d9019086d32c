#include "boardimage.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <cmath>

#include "platform/tcolor.h"
#include "platform/usermessage.h"
#include "platform/windowgeometry.h"

namespace {

// Where the picture leaves the control uncovered, the panel colour shows.
constexpr TColor kPanelColor = clBtnFace;

// Restores a flag to its previous value when the scope ends, also by an
// exception.
class TFlagScope {
 public:
  TFlagScope(bool& flag, bool value) : flag_(flag), saved_(flag) { flag_ = value; }
  ~TFlagScope() { flag_ = saved_; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  bool& flag_;
  bool saved_;
};

}  // namespace

QRect PictureRectFor(const QSize& control, const QSize& picture, bool stretch, bool center) {
  if (stretch) return QRect(QPoint(0, 0), control);
  if (center)
    return QRect((control.width() - picture.width()) / 2, (control.height() - picture.height()) / 2,
                 picture.width(), picture.height());
  return QRect(QPoint(0, 0), picture);
}

TBoardImage::TBoardImage(QWidget* parent) : QWidget(parent) {
  picture_ = new TPicture(this);
  picture_->OnChange = TNotifyEvent::Bind(this, &TBoardImage::PictureChanged);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, ToQColor(kPanelColor));
  setPalette(pal);
  setAutoFillBackground(true);
  resize(kDefaultWidth, kDefaultHeight);
  Watch();
}

TBoardImage::~TBoardImage() {
  // The picture goes first, so that its last notification finds no one.
  picture_->OnChange = nullptr;
  delete picture_;
}

void TBoardImage::setPicture(TPicture* v) {
  picture_->Assign(v);
}

void TBoardImage::setStretch(bool v) {
  if (stretch_ == v) return;
  stretch_ = v;
  PictureChanged(this);
}

void TBoardImage::setCenter(bool v) {
  if (center_ == v) return;
  center_ = v;
  PictureChanged(this);
}

void TBoardImage::setTransparent(bool v) {
  if (transparent_ == v) return;
  transparent_ = v;
  PictureChanged(this);
}

void TBoardImage::setScale(bool v) {
  if (scale_ == v) return;
  scale_ = v;
  PictureChanged(this);
}

void TBoardImage::setAutoSize(bool v) {
  if (autoSize_ == v) return;
  autoSize_ = v;
  if (autoSize_) resize(AutoSizeFor(size()));
}

void TBoardImage::setCenterOnForm(bool v) {
  if (centerOnForm_ == v) return;
  centerOnForm_ = v;
  update();
}

void TBoardImage::setFirst(TBoardHighlight* v) {
  first_ = v;
}

void TBoardImage::setMenu(TMainMenu* v) {
  menu_ = v;
}

bool TBoardImage::Covering() const {
  return testAttribute(Qt::WA_OpaquePaintEvent);
}

QRect TBoardImage::PictureRect() const {
  return PictureRectFor(size(), QSize(picture_->Width(), picture_->Height()), stretch_, center_);
}

QSize TBoardImage::AutoSizeFor(const QSize&) const {
  // No alignment to a parent edge: both sides follow the picture.
  return QSize(picture_->Width(), picture_->Height());
}

void TBoardImage::DrawContent(QPainter& painter, const QRect& area) const {
  if (!Covering()) painter.fillRect(area, palette().color(QPalette::Window));
  picture_->Draw(painter, PictureRect());
}

void TBoardImage::PictureChanged(QObject*) {
  const int pw = picture_->Width(), ph = picture_->Height();
  if (pw > 0 && ph > 0) {
    const double ratio = double(ph) / double(pw);
    aspectRatio_ = std::isfinite(ratio) ? ratio : 1.0;
  }
  if (autoSize_ && pw > 0 && ph > 0) setGeometry(x(), y(), pw, ph);
  bool covering = false;
  if (picture_->HasGraphic()) {
    picture_->SetTransparent(transparent_);
    covering = !picture_->Transparent() && (stretch_ || (pw >= width() && ph >= height()));
  }
  // A covering picture needs no background erased beneath it.
  setAttribute(Qt::WA_OpaquePaintEvent, covering);
  setAutoFillBackground(!covering);
  if (!drawing_) update();
}

bool TBoardImage::Place() {
  if (!positionSaved_) {
    designedLeft_ = x();
    designedTop_ = y();
    positionSaved_ = true;
  }
  QWidget* parent = parentWidget();
  if (!centerOnForm_ || !parent) return false;
  const QSize outer = OuterSize(parent);
  const QPoint centred(CentredOffset(outer.width(), width()), CentredOffset(outer.height(), height()));
  if (centred == pos()) return false;
  move(centred);
  return true;
}

void TBoardImage::paintEvent(QPaintEvent* event) {
  if (Place()) {
    // This paint and its children's still go to the old place; the parent
    // paints over them once the paint is done.
    QWidget* parent = parentWidget();
    QTimer::singleShot(0, parent, [parent] { parent->update(); });
  }
  const TFlagScope drawing(drawing_, true);
  QPainter painter(this);
  DrawContent(painter, event->rect());
}

void TBoardImage::Watch() {
  for (QObject* watched : watched_)
    if (watched) watched->removeEventFilter(this);
  watched_.clear();
  if (QWidget* parent = parentWidget()) {
    watched_ = {parent, parent->window()};
    for (QObject* watched : watched_) watched->installEventFilter(this);
  }
}

// The place a paint would give the image is taken already when the window
// is shown or changes its size or frame, so that the first paint and the
// paints after a resize rarely have to move the image they paint.
bool TBoardImage::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type t = event->type();
  if ((t == QEvent::Resize || t == QEvent::Move || t == QEvent::Show) && isVisible()) Place();
  return QWidget::eventFilter(watched, event);
}

bool TBoardImage::event(QEvent* event) {
  if (event->type() == QEvent::ParentChange) Watch();
  if (event->type() == QEvent::Show) Place();
  if (event->type() == QEvent::Type(WM_OPENFIRSTPOPUP)) {
    auto* message = dynamic_cast<TMessageEvent*>(event);
    if (first_) {
      const int p = message ? int(message->WParam) : 0;
      first_->MouseEnter(p);
      first_->Click();
      first_->MouseLeave(p);
    }
    if (message) message->Result = 0;
    return true;
  }
  return QWidget::event(event);
}

void TBoardImage::mouseReleaseEvent(QMouseEvent* event) {
  QWidget::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick)
    OnClick(this);
}

void TBoardImage::mouseDoubleClickEvent(QMouseEvent* event) {
  QWidget::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton && OnDblClick) OnDblClick(this);
}
