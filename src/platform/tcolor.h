#pragma once
// Colours as the components store them: 0x00BBGGRR, or, with the top bit set,
// the index of a system colour that is looked up in the current palette.
#include <QColor>
#include <cstdint>

using TColor = std::uint32_t;

constexpr TColor clSystemColor = 0x80000000u;

constexpr TColor clScrollBar = 0x80000000u;
constexpr TColor clBackground = 0x80000001u;
constexpr TColor clActiveCaption = 0x80000002u;
constexpr TColor clInactiveCaption = 0x80000003u;
constexpr TColor clMenu = 0x80000004u;
constexpr TColor clWindow = 0x80000005u;
constexpr TColor clWindowFrame = 0x80000006u;
constexpr TColor clMenuText = 0x80000007u;
constexpr TColor clWindowText = 0x80000008u;
constexpr TColor clCaptionText = 0x80000009u;
constexpr TColor clHighlight = 0x8000000Du;
constexpr TColor clHighlightText = 0x8000000Eu;
constexpr TColor clBtnFace = 0x8000000Fu;
constexpr TColor clBtnShadow = 0x80000010u;
constexpr TColor clGrayText = 0x80000011u;
constexpr TColor clBtnText = 0x80000012u;
constexpr TColor clBtnHighlight = 0x80000014u;
constexpr TColor cl3DDkShadow = 0x80000015u;
constexpr TColor cl3DLight = 0x80000016u;
constexpr TColor clInfoText = 0x80000017u;
constexpr TColor clInfoBk = 0x80000018u;

constexpr TColor clBlack = 0x000000u;
constexpr TColor clMaroon = 0x000080u;
constexpr TColor clGreen = 0x008000u;
constexpr TColor clOlive = 0x008080u;
constexpr TColor clNavy = 0x800000u;
constexpr TColor clPurple = 0x800080u;
constexpr TColor clTeal = 0x808000u;
constexpr TColor clGray = 0x808080u;
constexpr TColor clSilver = 0xC0C0C0u;
constexpr TColor clRed = 0x0000FFu;
constexpr TColor clLime = 0x00FF00u;
constexpr TColor clYellow = 0x00FFFFu;
constexpr TColor clBlue = 0xFF0000u;
constexpr TColor clFuchsia = 0xFF00FFu;
constexpr TColor clAqua = 0xFFFF00u;
constexpr TColor clWhite = 0xFFFFFFu;

constexpr bool IsSystemColor(TColor c) {
  return (c & clSystemColor) != 0;
}
constexpr int RedOf(TColor c) {
  return int(c & 0xFF);
}
constexpr int GreenOf(TColor c) {
  return int((c >> 8) & 0xFF);
}
constexpr int BlueOf(TColor c) {
  return int((c >> 16) & 0xFF);
}
constexpr TColor MakeColor(int r, int g, int b) {
  return TColor(r & 0xFF) | (TColor(g & 0xFF) << 8) | (TColor(b & 0xFF) << 16);
}

// A system colour resolved through the application palette; a plain colour as
// it is (its fourth byte cleared).
TColor ColorToRGB(TColor c);
QColor ToQColor(TColor c);
TColor FromQColor(const QColor& c);

// Pixels of a Format_RGB32 image (0xFFRRGGBB in memory order B,G,R,4th).
constexpr TColor FromPixel(std::uint32_t argb) {
  return MakeColor(int((argb >> 16) & 0xFF), int((argb >> 8) & 0xFF), int(argb & 0xFF));
}
constexpr std::uint32_t ToPixel(TColor c) {
  return 0xFF000000u | (std::uint32_t(RedOf(c)) << 16) | (std::uint32_t(GreenOf(c)) << 8) |
         std::uint32_t(BlueOf(c));
}
