#include "threejumper.h"

#include <QMouseEvent>
#include <QPainter>

TThreeJumper::TThreeJumper(QWidget* owner) : QWidget(owner) {
  resize(kDefaultWidth, kDefaultHeight);
}

TThreeJumper::~TThreeJumper() = default;

void TThreeJumper::setJumperState(TJumperState v) {
  if (state_ == v || (v == jsOpen && !allowOpen_)) return;
  state_ = v;
  update();
}

void TThreeJumper::setBaseColor(TColor v) {
  if (look_.BaseColor == v) return;
  look_.BaseColor = v;
  update();
}

void TThreeJumper::setPinColor(TColor v) {
  if (look_.PinColor == v) return;
  look_.PinColor = v;
  update();
}

void TThreeJumper::setJumperColor(TColor v) {
  if (look_.JumperColor == v) return;
  look_.JumperColor = v;
  update();
}

void TThreeJumper::setOrientation(TOrientationType v) {
  if (drawing_.SetOrientation(v)) update();
}

void TThreeJumper::setBorderStyle(TBorderStyle v) {
  if (look_.BorderStyle == v) return;
  look_.BorderStyle = v;
  update();
}

void TThreeJumper::setAllowOpen(bool v) {
  if (allowOpen_ == v) return;
  if (!v && state_ == jsOpen) setJumperState(jsLeft);
  allowOpen_ = v;
  update();
}

TJumperState TThreeJumper::NextState(TJumperState state, bool allowOpen) {
  switch (state) {
    case jsOpen:
      return jsLeft;
    case jsLeft:
      return jsRight;
    case jsRight:
      break;
  }
  return allowOpen ? jsOpen : jsLeft;
}

void TThreeJumper::Click() {
  setJumperState(NextState(state_, allowOpen_));
  if (OnClick) OnClick(this);
}

void TThreeJumper::Compose(TCanvas& canvas, int W, int H) const {
  TJumperLook look = look_;
  look.Background = JumperBackground(this);
  DrawThreePin(canvas, W, H, look, state_);
}

void TThreeJumper::paintEvent(QPaintEvent*) {
  QPainter surface(this);
  drawing_.Paint(*this, surface, [this](TCanvas& c, int W, int H) { Compose(c, W, H); });
}

void TThreeJumper::mouseReleaseEvent(QMouseEvent* event) {
  QWidget::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Click();
}
