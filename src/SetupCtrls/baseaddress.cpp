#include "baseaddress.h"

#include <QPainter>

#include "SetupCtrls/addresstext.h"

TBaseAddress::TBaseAddress(QWidget* owner) : QWidget(owner), baseAddressStr_(AddressText(0)) {
  resize(kDefaultWidth, kDefaultHeight);
}

TBaseAddress::~TBaseAddress() = default;

void TBaseAddress::setSwitchColor(TColor v) {
  if (switchColor_ == v) return;
  switchColor_ = v;
  update();
}

void TBaseAddress::setOnIsOne(bool v) {
  if (onIsOne_ == v) return;
  onIsOne_ = v;
  update();
}

void TBaseAddress::setLeftToRight(bool v) {
  if (leftToRight_ == v) return;
  leftToRight_ = v;
  update();
}

void TBaseAddress::setOrientation(TOrientationType v) {
  if (drawing_.SetOrientation(v)) update();
}

void TBaseAddress::setNumSwitches(std::uint8_t v) {
  if (numSwitches_ == v || !IsSwitchCount(v)) return;
  numSwitches_ = v;
  update();
}

void TBaseAddress::setBaseAddressStr(const QString& v) {
  const std::optional<std::int32_t> parsed = ParseHexAddress(v);
  if (!parsed) return;
  const std::int32_t value = *parsed & SwitchMask(numSwitches_);
  if (value == addressValue_) return;
  addressValue_ = value;
  baseAddressStr_ = AddressText(value);
  update();
}

TSwitchLook TBaseAddress::Look() const {
  TSwitchLook look;
  look.SwitchColor = switchColor_;
  look.OnIsOne = onIsOne_;
  look.LeftToRight = leftToRight_;
  look.NumSwitches = numSwitches_;
  look.Address = addressValue_;
  look.Font = SwitchLabelFont(logicalDpiY());
  MeasureLabelFont(look);
  return look;
}

void TBaseAddress::paintEvent(QPaintEvent*) {
  QPainter surface(this);
  const TSwitchLook look = Look();
  drawing_.Paint(*this, surface, [&look](TCanvas& c, int W, int H) { DrawSwitch(c, W, H, look); });
}
