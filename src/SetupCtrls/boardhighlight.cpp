#include "boardhighlight.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>

#include "SetupCtrls/boardimage.h"
#include "SetupCtrls/componentnames.h"
#include "SetupCtrls/highlightmenus.h"
#include "platform/classname.h"

namespace {

TBoardHighlight* AsHighlight(QObject* o) {
  return IsClassName(o, kBoardHighlightClass) ? qobject_cast<TBoardHighlight*>(o) : nullptr;
}

TBoardImage* AsBoardImage(QObject* o) {
  return IsClassName(o, kBoardImageClass) ? qobject_cast<TBoardImage*>(o) : nullptr;
}

}  // namespace

TBoardHighlight::TBoardHighlight(QWidget* parent) : QWidget(parent) {
  resize(kDefaultSize, kDefaultSize);
  // Every paint covers the whole control with one of the looks.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setHighlightType(htSettings);
}

TBoardHighlight::~TBoardHighlight() {
  // The group's menu entry calls the highlight that made it: it passes to a
  // member that stays, or calls no one.
  const TNotifyEvent mine = TNotifyEvent::Bind(this, &TBoardHighlight::MenuEntryClick);
  if (TMenuItem* entry = FindMenuEntry(boardMenu_, highlightType_, title_); entry && entry->OnClick == mine) {
    entry->OnClick = nullptr;
    if (OnBoardImage())
      for (TBoardHighlight* member : LinkedGroup())
        if (member != this) {
          entry->OnClick = TNotifyEvent::Bind(member, &TBoardHighlight::MenuEntryClick);
          break;
        }
  }
  // The popup goes first, while this highlight is still whole.
  delete popup_;
  popup_ = nullptr;
}

void TBoardHighlight::setTitle(const QString& v) {
  if (title_ == v) return;
  title_ = v;
  popupCaption_ = PopupCaptionOf(v);
  menuName_ = IdentifierForm(v);
}

void TBoardHighlight::setHighlightType(THighlightType v) {
  if (highlightType_ == v) return;
  highlightType_ = v;
  look_ = KindLook(v);
  update();
}

void TBoardHighlight::setRadioPanel(TRadioPanel* v) {
  if (radioPanel_ == v) return;
  if (v && parentWidget()) {
    for (QObject* child : parentWidget()->children()) {
      const TBoardHighlight* other = AsHighlight(child);
      if (!other || other == this || other->RadioPanel() != v) continue;
      if (!InGroupOf(other)) return;
    }
  }
  radioPanel_ = v;
}

void TBoardHighlight::setCreatePopup(bool v) {
  createPopup_ = v;
}

const QImage& TBoardHighlight::CurrentImage() const {
  if (popupActive_ && lit_) return hotImage_;
  if (popupActive_ || lit_) return litImage_;
  return normalImage_;
}

bool TBoardHighlight::OnBoardImage() const {
  return AsBoardImage(parentWidget()) != nullptr;
}

bool TBoardHighlight::InGroupOf(const TBoardHighlight* h) const {
  return h->title_ == title_ && h->highlightType_ == highlightType_;
}

QList<TBoardHighlight*> TBoardHighlight::LinkedGroup() const {
  QList<TBoardHighlight*> group;
  if (!parentWidget()) {
    group.append(const_cast<TBoardHighlight*>(this));
    return group;
  }
  for (QObject* child : parentWidget()->children())
    if (TBoardHighlight* h = AsHighlight(child); h && InGroupOf(h)) group.append(h);
  return group;
}

QImage TBoardHighlight::Beneath() const {
  QImage image(size(), QImage::Format_RGB32);
  image.fill(Qt::black);
  QWidget* parent = parentWidget();
  if (!parent) return image;
  const QRect area = geometry();
  {
    QPainter painter(&image);
    painter.translate(-area.topLeft());
    if (const TBoardImage* board = AsBoardImage(parent))
      board->DrawContent(painter, area);
    else
      parent->render(&painter, area.topLeft(), QRegion(area), QWidget::DrawWindowBackground);
  }
  // Earlier highlights lie beneath this one, each in its present look.
  for (QObject* child : parent->children()) {
    if (child == this) break;
    TBoardHighlight* below = AsHighlight(child);
    if (!below || below->isHidden() || !below->geometry().intersects(area)) continue;
    below->EnsurePainted();
    QPainter painter(&image);
    painter.drawImage(below->pos() - area.topLeft(), below->CurrentImage());
  }
  return image;
}

void TBoardHighlight::Render() {
  THighlightLooks looks = BlendLooks(Beneath(), look_);
  normalImage_ = std::move(looks.Normal);
  litImage_ = std::move(looks.Lit);
  hotImage_ = std::move(looks.Hot);
}

void TBoardHighlight::EnsurePainted() {
  if (paintedOnce_) return;
  paintedOnce_ = true;
  Render();
  const TBoardImage* board = AsBoardImage(parentWidget());
  boardMenu_ = board ? board->Menu() : nullptr;
  if (boardMenu_) BuildMenuEntries();
}

void TBoardHighlight::paintEvent(QPaintEvent*) {
  EnsurePainted();
  QPainter painter(this);
  painter.drawImage(0, 0, CurrentImage());
}

void TBoardHighlight::enterEvent(QEnterEvent*) {
  MouseEnter(0);
}

void TBoardHighlight::leaveEvent(QEvent*) {
  MouseLeave(0);
}

void TBoardHighlight::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
}

void TBoardHighlight::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const bool click = pressed_ && rect().contains(event->position().toPoint());
  pressed_ = false;
  if (click) Click();
}

void TBoardHighlight::MouseEnter(int p) {
  if (lit_) return;
  lit_ = true;
  update();
  if (createPopup_) ShowPopup();
  if (p == 1) return;
  if (OnBoardImage())
    for (TBoardHighlight* member : LinkedGroup()) member->MouseEnter(1);
}

void TBoardHighlight::MouseLeave(int p) {
  if (!lit_) return;
  if (popup_ && !pinned_) {
    if (popup_->frameGeometry().contains(QCursor::pos())) {
      popup_->CloseOnLeave = true;
      Pin();
    } else {
      popup_->close();
    }
  }
  if (p == 1) return;
  if (OnBoardImage())
    for (TBoardHighlight* member : LinkedGroup()) member->MouseLeave(1);
}

void TBoardHighlight::Click() {
  if (OnClick) OnClick(this);
  Pin();
}

void TBoardHighlight::Pin() {
  if (popup_) {
    pinned_ = true;
    CheckMenuEntry(true);
  }
  if (!OnBoardImage()) return;
  for (TBoardHighlight* member : LinkedGroup()) {
    if (!member->popup_) continue;
    member->pinned_ = true;
    member->CheckMenuEntry(true);
    // A popup closed from the keyboard while the pointer stayed on the
    // circle is not brought back by the focus.
    if (member->popup_->isVisible()) member->popup_->activateWindow();
  }
}

void TBoardHighlight::Unlight() {
  lit_ = false;
  update();
}

void TBoardHighlight::SetActive(bool active, bool propagate) {
  popupActive_ = active;
  raise();
  update();
  QWidget* parent = parentWidget();
  if (!propagate || !OnBoardImage()) return;
  // Bringing a member to the front moves it to the end of the child list:
  // the walk stays at its place and has one child fewer to visit.
  qsizetype i = 0, count = parent->children().size();
  while (i < count) {
    TBoardHighlight* h = AsHighlight(parent->children().at(i));
    if (h && h != this && InGroupOf(h)) {
      h->SetActive(active, false);
      --count;
    } else {
      ++i;
    }
  }
}

void TBoardHighlight::ShowPopup() {
  if (popup_) {
    if (popup_->isHidden()) pinned_ = false;
    popup_->ShowActive();
    return;
  }
  // Another member of the group owns the popup and shows it when the group
  // notification reaches it.
  for (const TBoardHighlight* member : LinkedGroup())
    if (member != this && member->popup_) return;
  popup_ = new TPopupForm(this);
  pinned_ = false;
  popup_->Build(radioPanel_, popupCaption_, int(highlightType_));
  popup_->OnClose = TNotifyEvent::Bind(this, &TBoardHighlight::PopupClose);
  popup_->ShowFirst();
}

void TBoardHighlight::PopupClose(QObject*) {
  CheckMenuEntry(false);
  if (popup_) popup_->CloseOnLeave = false;
  Unlight();
  if (OnBoardImage())
    for (TBoardHighlight* member : LinkedGroup()) member->Unlight();
}

void TBoardHighlight::BuildMenuEntries() {
  BuildMenuEntry(boardMenu_, highlightType_, title_, menuName_,
                 TNotifyEvent::Bind(this, &TBoardHighlight::MenuEntryClick));
}

void TBoardHighlight::CheckMenuEntry(bool value) {
  if (TMenuItem* entry = FindMenuEntry(boardMenu_, highlightType_, title_)) entry->SetChecked(value);
}

void TBoardHighlight::MenuEntryClick(QObject* Sender) {
  const auto* item = IsClassName(Sender, kMenuItemClass) ? qobject_cast<TMenuItem*>(Sender) : nullptr;
  if (item && item->Checked()) {
    if (popup_) {
      popup_->close();
    } else if (OnBoardImage()) {
      for (TBoardHighlight* member : LinkedGroup())
        if (member->popup_) member->MenuEntryClick(Sender);
    }
    return;
  }
  MouseEnter(0);
  Pin();
  MouseLeave(0);
}

void TBoardHighlight::Step(int direction) {
  TMenuItem* target = TourTarget(boardMenu_, highlightType_, title_, direction);
  if (!target || !target->OnClick) return;
  if (popup_) popup_->close();
  target->OnClick(this);
}

void TBoardHighlight::PreviousClick(QObject*) {
  Step(-1);
}

void TBoardHighlight::NextClick(QObject*) {
  Step(+1);
}

void TBoardHighlight::DoneClick(QObject*) {
  if (popup_) popup_->close();
}
