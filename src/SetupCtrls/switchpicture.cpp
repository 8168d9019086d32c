#include "switchpicture.h"

#include <QFontInfo>
#include <QFontMetrics>

#include "SetupCtrls/addresstext.h"
#include "platform/fonts.h"
#include "platform/rounding.h"

namespace {

const char* const kLabelFace = "MS Sans Serif";
constexpr int kLabelPoints = 8;
constexpr int kPointsPerInch = 72;
constexpr TColor kBodyColor = clBlack;
constexpr TColor kBandColor = clGreen;  // 32768
constexpr TColor kSlotColor = clGray;   // 8421504
constexpr TColor kLabelColor = clWhite;
// Space left above and below the slots inside the body.
constexpr int kSlotMargins = 16;
constexpr int kSlotBottomGap = 3;
constexpr int kLeverPercent = 85;
constexpr int kFrameWidth = 3;

QString OnText() {
  return QStringLiteral("ON");
}
QString LineLetter() {
  return QStringLiteral("A");
}

}  // namespace

TSwitchLayout SwitchLayout(int W, int H, int n, int F) {
  TSwitchLayout l;
  l.P = H - (2 * F + 1);
  l.B = l.P - kSlotBottomGap;
  l.h = (l.P - kSlotMargins) / 2;
  l.L = (kLeverPercent * l.h) / 100;
  l.SW = (W - kFrameWidth) / (n + 1);
  l.g = (W - kFrameWidth - n * l.SW) / n;
  for (int i = 0; i < n; ++i) l.x.push_back(l.g + 1 + i * (l.SW + l.g));
  return l;
}

QFont SwitchLabelFont(int dpi) {
  InstallFontSubstitutes();
  const int pixels = int(RoundHalfEven(double(kLabelPoints) * dpi / kPointsPerInch));
  return MakeFont(QString::fromLatin1(kLabelFace), -pixels);
}

void MeasureLabelFont(TSwitchLook& look) {
  // The character height the font was made for; a face with fixed sizes
  // reports the cell height of its nearest size instead.
  look.F = look.Font.pixelSize() > 0 ? look.Font.pixelSize() : QFontInfo(look.Font).pixelSize();
  look.wA = QFontMetrics(look.Font).horizontalAdvance(LineLetter());
}

bool SwitchIsOn(const TSwitchLook& look, int i) {
  const bool bit = (look.Address >> SwitchBit(i, look.NumSwitches, look.LeftToRight)) & 1;
  return bit == look.OnIsOne;
}

void DrawSwitch(TCanvas& canvas, int W, int H, const TSwitchLook& look) {
  const int n = look.NumSwitches;
  const TSwitchLayout l = SwitchLayout(W, H, n, look.F);
  canvas.BrushStyle = TBrushStyle::Solid;
  canvas.PenStyle = TPenStyle::Solid;
  canvas.BrushColor = kBodyColor;
  canvas.PenColor = kBodyColor;
  canvas.Rectangle(0, 0, W, l.P);
  canvas.BrushColor = kBandColor;
  canvas.FillRect({0, l.P, W, H});

  canvas.Font = look.Font;
  canvas.FontColor = kLabelColor;
  canvas.BrushStyle = TBrushStyle::Clear;
  canvas.TextOut(0, 0, OnText());

  canvas.BrushStyle = TBrushStyle::Solid;
  canvas.PenColor = clBlack;
  canvas.BrushColor = kSlotColor;
  for (int i = 0; i < n; ++i) canvas.Rectangle(l.x[i], kSlotTop, l.x[i] + l.SW, l.B);

  for (int i = 0; i < n; ++i) {
    const int x = l.x[i];
    const int labelX = x + l.SW / 2 - look.wA / 2;
    canvas.BrushStyle = TBrushStyle::Clear;
    canvas.TextOut(labelX, l.P, LineLetter());
    canvas.TextOut(labelX, l.P + look.F - 1, QString::number(SwitchBit(i, n, look.LeftToRight)));
    canvas.BrushStyle = TBrushStyle::Solid;
    canvas.BrushColor = look.SwitchColor;
    if (SwitchIsOn(look, i))
      canvas.Rectangle(x, kSlotTop, x + l.SW, kSlotTop + l.L);
    else
      canvas.Rectangle(x, l.B - l.L, x + l.SW, l.B);
  }
}
