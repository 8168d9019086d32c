#include "radiopanel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include "SetupCtrls/componentnames.h"
#include "platform/classname.h"

namespace {

// One bevel ring of the given width, lit from the top left.
void Frame3D(QPainter& p, QRect& r, TColor topLeft, TColor bottomRight, int width) {
  for (int i = 0; i < width && r.width() > 0 && r.height() > 0; ++i) {
    const QColor tl = ToQColor(topLeft), br = ToQColor(bottomRight);
    p.fillRect(QRect(r.left(), r.top(), r.width(), 1), tl);
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), tl);
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), br);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), br);
    r.adjust(1, 1, -1, -1);
  }
}

void Bevel(QPainter& p, QRect& r, TBevelCut cut, int width) {
  if (cut == bvNone) return;
  const bool lowered = cut == bvLowered;
  Frame3D(p, r, lowered ? clBtnShadow : clBtnHighlight, lowered ? clBtnHighlight : clBtnShadow, width);
}

}  // namespace

TRadioPanel::TRadioPanel(QWidget* owner) : QFrame(owner) {
  resize(kDefaultWidth, kDefaultHeight);
  setFocusPolicy(Qt::NoFocus);
  setAutoFillBackground(false);
  setVisible(false);
  connect(qApp, &QApplication::focusChanged, this, &TRadioPanel::FocusMoved);
}

TRadioPanel::~TRadioPanel() = default;

void TRadioPanel::setRadioEnabled(bool v) {
  radioEnabled_ = v;
}

void TRadioPanel::setLines(const QStringList& v) {
  lines_ = v;
}

void TRadioPanel::setMemoHeight(int v) {
  memoHeight_ = v;
}

void TRadioPanel::setFinalAnchors(TAnchors v) {
  finalAnchors_ = v;
  if (inPopup_) SetAnchors(this, v);
}

void TRadioPanel::setColor(TColor v) {
  if (color_ == v) return;
  color_ = v;
  update();
  // Jumpers on the panel take its colour as their background.
  for (QObject* child : children())
    if (child->isWidgetType()) static_cast<QWidget*>(child)->update();
}

void TRadioPanel::setBevelOuter(TBevelCut v) {
  if (bevelOuter_ == v) return;
  bevelOuter_ = v;
  update();
}

void TRadioPanel::setBevelInner(TBevelCut v) {
  if (bevelInner_ == v) return;
  bevelInner_ = v;
  update();
}

void TRadioPanel::setBevelWidth(int v) {
  if (bevelWidth_ == v || v < 1) return;
  bevelWidth_ = v;
  update();
}

void TRadioPanel::setBorderWidth(int v) {
  if (borderWidth_ == v || v < 0) return;
  borderWidth_ = v;
  update();
}

void TRadioPanel::setBorderStyle(TBorderStyle v) {
  if (borderStyle_ == v) return;
  borderStyle_ = v;
  update();
}

void TRadioPanel::setFullRepaint(bool v) {
  if (fullRepaint_ == v) return;
  fullRepaint_ = v;
  setAttribute(Qt::WA_StaticContents, !v);
}

void TRadioPanel::setTabStop(bool v) {
  if (tabStop_ == v) return;
  tabStop_ = v;
  setFocusPolicy(v ? Qt::TabFocus : Qt::NoFocus);
}

void TRadioPanel::setInPopup(bool v) {
  inPopup_ = v;
}

void TRadioPanel::SelectJumper(QObject* control) {
  bool changed = false;
  for (QObject* child : children()) {
    if (!child->isWidgetType() || !IsClassName(child, kTwoJumperClass)) continue;
    const bool wanted = child == control;
    if (child->property(kClosedProperty).toBool() != wanted) changed = true;
    child->setProperty(kClosedProperty, wanted);
  }
  if (changed && OnRadioChange) OnRadioChange(control);
}

bool TRadioPanel::Contains(const QWidget* w) const {
  return w && (w == this || isAncestorOf(w));
}

void TRadioPanel::FocusMoved(QWidget*, QWidget* now) {
  // Each window keeps its own focused control: focus going to another
  // window (or to none) neither enters nor leaves the panel.
  if (!now || now->window() != window()) return;
  const bool inside = Contains(now);
  if (inside == focusInside_) return;
  focusInside_ = inside;
  if (inside && OnEnter) OnEnter(this);
  if (!inside && OnExit) OnExit(this);
}

void TRadioPanel::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QRect r = rect();
  if (borderStyle_ == bsSingle) Frame3D(p, r, clWindowFrame, clWindowFrame, 1);
  Bevel(p, r, bevelOuter_, bevelWidth_);
  Frame3D(p, r, color_, color_, borderWidth_);
  Bevel(p, r, bevelInner_, bevelWidth_);
  p.fillRect(r, ToQColor(color_));
}

void TRadioPanel::mouseReleaseEvent(QMouseEvent* event) {
  QFrame::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && OnClick)
    OnClick(this);
}

void TRadioPanel::mouseDoubleClickEvent(QMouseEvent* event) {
  QFrame::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton && OnDblClick) OnDblClick(this);
}

void TRadioPanel::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  if (OnResize) OnResize(this);
}
