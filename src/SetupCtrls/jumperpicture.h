#pragma once
// The pictures of the two- and three-pin jumper blocks, composed lying
// horizontally (pins in a row) at W x H pixels, and the numbers they are
// laid out by.
#include <array>

#include "SetupCtrls/setupctrls.h"
#include "platform/canvas.h"
#include "platform/tcolor.h"

class QWidget;

struct TJumperLook {
  TColor Background = clBtnFace;
  TColor BaseColor = clGray;
  TColor PinColor = clYellow;
  TColor JumperColor = clMaroon;
  TBorderStyle BorderStyle = bsSingle;
};

struct TTwoPinLayout {
  int a = 0, cx = 0, d = 0, cy = 0;
  int Corner = 0;  // width and height of the rounded body's corner ellipse
  TRect Body;      // the open block; a closed one is covered whole by its shunt
  std::array<TRect, 2> Pins;
};
TTwoPinLayout TwoPinLayout(int W, int H);

struct TThreePinLayout {
  int a = 0, xl = 0, xm = 0, xr = 0, d = 0, cy = 0, s = 0;
  int Corner = 0;
  TRect Body;
  TRect LeftShunt, RightShunt;  // jsLeft and jsRight
  std::array<TRect, 3> Pins;
};
TThreePinLayout ThreePinLayout(int W, int H);

void DrawTwoPin(TCanvas& canvas, int W, int H, const TJumperLook& look, bool closed);
void DrawThreePin(TCanvas& canvas, int W, int H, const TJumperLook& look, TJumperState state);

// A jumper on a radio panel (by class name) shows the panel's colour around
// its block; anywhere else the button face.
TColor JumperBackground(const QWidget* jumper);
