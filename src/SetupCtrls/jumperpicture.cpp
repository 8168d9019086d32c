#include "jumperpicture.h"

#include <QVariant>
#include <QWidget>
#include <algorithm>

#include "SetupCtrls/componentnames.h"
#include "platform/classname.h"
#include "platform/rounding.h"

namespace {

// The outer pins stand a = W / 3.5 (two pins) or (W - 2) / 4.5 (three pins)
// in from the left end; a pin's radius is a third of that, at most a quarter
// of the block's height.
constexpr double kTwoPinPitch = 3.5;
constexpr double kThreePinPitch = 4.5;
constexpr int kPinRadiusDivisor = 3;
constexpr double kPinHeightDivisor = 4.0;

TRect PinBox(int x, int y, int d) {
  return {x - d, y - d, x + d, y + d};
}

void Background(TCanvas& canvas, int W, int H, TColor colour) {
  canvas.BrushStyle = TBrushStyle::Solid;
  canvas.PenStyle = TPenStyle::Solid;
  canvas.BrushColor = colour;
  canvas.PenColor = colour;
  canvas.Rectangle(0, 0, W, H);
}

// Pins are filled circles without an outline of another colour.
void Pins(TCanvas& canvas, const TRect* pins, int count, TColor colour) {
  canvas.BrushColor = colour;
  canvas.PenColor = colour;
  for (int i = 0; i < count; ++i) canvas.Ellipse(pins[i].Left, pins[i].Top, pins[i].Right, pins[i].Bottom);
}

}  // namespace

TTwoPinLayout TwoPinLayout(int W, int H) {
  TTwoPinLayout l;
  l.a = int(RoundHalfEven(W / kTwoPinPitch));
  l.cx = l.a + 1;
  l.d = std::min(l.a / kPinRadiusDivisor, int(RoundHalfEven(H / kPinHeightDivisor)));
  l.cy = H / 2;
  l.Corner = H / 2;
  l.Body = {1, 1, W - 1, H - 1};
  l.Pins = {PinBox(l.cx, l.cy, l.d), PinBox(W - l.cx, l.cy, l.d)};
  return l;
}

TThreePinLayout ThreePinLayout(int W, int H) {
  TThreePinLayout l;
  l.a = int(RoundHalfEven((W - 2) / kThreePinPitch));
  l.xl = l.a + 1;
  l.d = std::min(l.a / kPinRadiusDivisor, int(RoundHalfEven((H - 2) / kPinHeightDivisor)));
  l.cy = H / 2;
  l.xm = W / 2;
  l.xr = W - l.xl;
  l.s = (l.xm - l.xl + 2) / 2;
  l.Corner = H / 2;
  l.Body = {1, 1, W - 1, H - 1};
  l.LeftShunt = {0, 0, l.xm + l.s, H};
  l.RightShunt = {l.xm - l.s, 0, W, H};
  l.Pins = {PinBox(l.xl, l.cy, l.d), PinBox(l.xm, l.cy, l.d), PinBox(l.xr, l.cy, l.d)};
  return l;
}

void DrawTwoPin(TCanvas& canvas, int W, int H, const TJumperLook& look, bool closed) {
  const TTwoPinLayout l = TwoPinLayout(W, H);
  Background(canvas, W, H, look.Background);
  const TColor body = closed ? look.JumperColor : look.BaseColor;
  canvas.BrushColor = body;
  canvas.PenColor = look.BorderStyle == bsSingle ? clBlack : body;
  if (closed)
    canvas.Rectangle(0, 0, W, H);
  else
    canvas.RoundRect(l.Body.Left, l.Body.Top, l.Body.Right, l.Body.Bottom, l.Corner, l.Corner);
  Pins(canvas, l.Pins.data(), int(l.Pins.size()), look.PinColor);
}

void DrawThreePin(TCanvas& canvas, int W, int H, const TJumperLook& look, TJumperState state) {
  const TThreePinLayout l = ThreePinLayout(W, H);
  Background(canvas, W, H, look.Background);
  canvas.BrushColor = look.BaseColor;
  canvas.PenColor = look.BorderStyle == bsSingle ? clBlack : look.BaseColor;
  canvas.RoundRect(l.Body.Left, l.Body.Top, l.Body.Right, l.Body.Bottom, l.Corner, l.Corner);
  if (state != jsOpen) {
    // The shunt is outlined in black whatever the border style.
    const TRect& shunt = state == jsLeft ? l.LeftShunt : l.RightShunt;
    canvas.BrushColor = look.JumperColor;
    canvas.PenColor = clBlack;
    canvas.Rectangle(shunt.Left, shunt.Top, shunt.Right, shunt.Bottom);
  }
  Pins(canvas, l.Pins.data(), int(l.Pins.size()), look.PinColor);
}

TColor JumperBackground(const QWidget* jumper) {
  const QWidget* parent = jumper ? jumper->parentWidget() : nullptr;
  if (parent && IsClassName(parent, kRadioPanelClass))
    return ColorToRGB(parent->property(kColorProperty).value<TColor>());
  return ColorToRGB(clBtnFace);
}
