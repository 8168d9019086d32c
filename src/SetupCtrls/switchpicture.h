#pragma once
// The picture of the base-address DIP switch, composed lying horizontally at
// W x H pixels: a black body with N slots and their levers, the ON side at
// the top, over a green band that labels each switch with its address line.
#include <QFont>
#include <QString>
#include <cstdint>
#include <vector>

#include "platform/canvas.h"
#include "platform/tcolor.h"

// The slots begin below the "ON" text whatever the size.
constexpr int kSlotTop = 13;

struct TSwitchLayout {
  int P = 0;           // top of the label band
  int B = 0;           // bottom of the slots
  int h = 0;           // half the slot height
  int L = 0;           // lever length
  int SW = 0;          // width of one switch
  int g = 0;           // gap between switches
  std::vector<int> x;  // left edge of each switch
};
// F is the label font's pixel height; n is between 1 and 10.
TSwitchLayout SwitchLayout(int W, int H, int n, int F);

// The label font: 8 points at the given resolution.
QFont SwitchLabelFont(int dpi);

struct TSwitchLook {
  TColor SwitchColor = clWhite;
  bool OnIsOne = false;
  bool LeftToRight = false;
  int NumSwitches = 7;
  std::int32_t Address = 0;
  QFont Font;  // the label font
  int F = 0;   // its pixel height
  int wA = 0;  // the width of "A" in it
};
// The look's font numbers filled in from the font itself.
void MeasureLabelFont(TSwitchLook& look);

// Whether switch i shows its lever on the ON side.
bool SwitchIsOn(const TSwitchLook& look, int i);

void DrawSwitch(TCanvas& canvas, int W, int H, const TSwitchLook& look);
