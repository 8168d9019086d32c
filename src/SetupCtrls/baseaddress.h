#pragma once
// The card's base-address DIP switch: one slide switch per address line,
// its lever at the ON side or the other, labelled with the line. It is
// handed the address as hexadecimal text and keeps only what its switches
// can show; BaseAddressStr reads back the canonical text of that.
#include <QWidget>
#include <cstdint>

#include "SetupCtrls/orienteddrawing.h"
#include "SetupCtrls/switchpicture.h"

class TBaseAddress : public QWidget {
  Q_OBJECT
  Q_PROPERTY(TColor SwitchColor READ SwitchColor WRITE setSwitchColor)
  Q_PROPERTY(bool OnIsOne READ OnIsOne WRITE setOnIsOne)
  Q_PROPERTY(bool LeftToRight READ LeftToRight WRITE setLeftToRight)
  Q_PROPERTY(TOrientationType Orientation READ Orientation WRITE setOrientation)
  Q_PROPERTY(std::uint8_t NumSwitches READ NumSwitches WRITE setNumSwitches)
  Q_PROPERTY(QString BaseAddressStr READ BaseAddressStr WRITE setBaseAddressStr)

 public:
  static constexpr int kDefaultWidth = 102;
  static constexpr int kDefaultHeight = 61;
  static constexpr std::uint8_t kDefaultSwitches = 7;

  explicit TBaseAddress(QWidget* owner = nullptr);
  ~TBaseAddress() override;

  TColor SwitchColor() const { return switchColor_; }
  void setSwitchColor(TColor v);
  bool OnIsOne() const { return onIsOne_; }
  void setOnIsOne(bool v);
  bool LeftToRight() const { return leftToRight_; }
  void setLeftToRight(bool v);
  TOrientationType Orientation() const { return drawing_.Orientation(); }
  void setOrientation(TOrientationType v);
  std::uint8_t NumSwitches() const { return numSwitches_; }
  // Counts outside 1 to 10 are refused; the address is not reduced again.
  void setNumSwitches(std::uint8_t v);
  QString BaseAddressStr() const { return baseAddressStr_; }
  // Keeps the hexadecimal digits of the text and the bits the switches
  // select. A text without digits changes nothing; one of more than eight
  // significant digits throws EConvertError and changes nothing.
  void setBaseAddressStr(const QString& v);

  std::int32_t AddressValue() const { return addressValue_; }
  const QImage& ControlImage() const { return drawing_.ControlImage(); }
  const QImage& DrawingImage() const { return drawing_.DrawingImage(); }
  bool SizeSwapPending() const { return drawing_.SizeSwapPending(); }
  bool PaintedOnce() const { return drawing_.PaintedOnce(); }

  // The look the next paint draws, label font measured at the control's
  // resolution.
  TSwitchLook Look() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::uint8_t numSwitches_ = kDefaultSwitches;
  std::int32_t addressValue_ = 0;
  QString baseAddressStr_;
  TColor switchColor_ = clWhite;
  bool onIsOne_ = false;
  bool leftToRight_ = false;
  TOrientedDrawing drawing_;
};
