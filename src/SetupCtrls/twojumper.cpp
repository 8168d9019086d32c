#include "twojumper.h"

#include <QMouseEvent>
#include <QPainter>

#include "SetupCtrls/componentnames.h"
#include "platform/classname.h"

TTwoJumper::TTwoJumper(QWidget* owner) : QWidget(owner) {
  resize(kDefaultWidth, kDefaultHeight);
}

TTwoJumper::~TTwoJumper() = default;

void TTwoJumper::setClosed(bool v) {
  if (closed_ == v) return;
  closed_ = v;
  update();
}

void TTwoJumper::setBaseColor(TColor v) {
  if (look_.BaseColor == v) return;
  look_.BaseColor = v;
  update();
}

void TTwoJumper::setPinColor(TColor v) {
  if (look_.PinColor == v) return;
  look_.PinColor = v;
  update();
}

void TTwoJumper::setJumperColor(TColor v) {
  if (look_.JumperColor == v) return;
  look_.JumperColor = v;
  update();
}

void TTwoJumper::setOrientation(TOrientationType v) {
  if (drawing_.SetOrientation(v)) update();
}

void TTwoJumper::setBorderStyle(TBorderStyle v) {
  if (look_.BorderStyle == v) return;
  look_.BorderStyle = v;
  update();
}

void TTwoJumper::Click() {
  closed_ = !closed_;
  update();
  QWidget* panel = parentWidget();
  if (panel && IsClassName(panel, kRadioPanelClass) && panel->property(kRadioEnabledProperty).toBool())
    QMetaObject::invokeMethod(panel, kSelectJumperMethod, Qt::DirectConnection, Q_ARG(QObject*, this));
  if (OnClick) OnClick(this);
}

void TTwoJumper::Compose(TCanvas& canvas, int W, int H) const {
  TJumperLook look = look_;
  look.Background = JumperBackground(this);
  DrawTwoPin(canvas, W, H, look, closed_);
}

void TTwoJumper::paintEvent(QPaintEvent*) {
  QPainter surface(this);
  drawing_.Paint(*this, surface, [this](TCanvas& c, int W, int H) { Compose(c, W, H); });
}

void TTwoJumper::mouseReleaseEvent(QMouseEvent* event) {
  QWidget::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) Click();
}
