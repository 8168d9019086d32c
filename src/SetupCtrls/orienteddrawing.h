#pragma once
// The way the jumper and switch drawings reach the screen: the picture is
// composed lying horizontally in DrawingImage, turned pixel by pixel into
// ControlImage for the chosen orientation and copied to the control in one
// block. A turn between the upright and the sideways group exchanges the
// control's width and height at its next paint, but only once the control
// has been painted: the size a new control is given stands.
#include <QImage>
#include <QPoint>
#include <QSize>
#include <functional>

#include "SetupCtrls/setupctrls.h"
#include "platform/canvas.h"

class QPainter;
class QWidget;

constexpr bool IsSideways(TOrientationType o) {
  return o == otLeft || o == otRight;
}
constexpr bool CrossesGroup(TOrientationType from, TOrientationType to) {
  return IsSideways(from) != IsSideways(to);
}

// The picture's size (Wp x Hp) for a control of the given size.
QSize PictureSize(TOrientationType o, QSize control);
// Where the picture's pixel (x, y) lands in the turned image.
QPoint TurnedPixel(TOrientationType o, int x, int y, QSize picture);
// Turns `picture` into `turned` (resized as needed), pixel by pixel.
void TurnImage(const QImage& picture, TOrientationType o, QImage& turned);

class TOrientedDrawing {
 public:
  // Draws the picture of W x H pixels lying horizontally.
  using TCompose = std::function<void(TCanvas& canvas, int W, int H)>;

  TOrientationType Orientation() const { return orientation_; }
  // False when nothing changed; a change between the groups marks the
  // size swap, a change back before the next paint takes the mark away.
  bool SetOrientation(TOrientationType v);

  bool SizeSwapPending() const { return sizeSwapPending_; }
  bool PaintedOnce() const { return paintedOnce_; }
  const QImage& DrawingImage() const { return drawingImage_; }
  const QImage& ControlImage() const { return controlImage_; }

  // Composes and turns the picture for a control of the given size.
  void Render(QSize control, const TCompose& compose);
  // The whole paint of `control`: render, the pending size swap, the block
  // copy onto `surface`.
  void Paint(QWidget& control, QPainter& surface, const TCompose& compose);

 private:
  TOrientationType orientation_ = otUp;
  QImage controlImage_;
  QImage drawingImage_;
  bool sizeSwapPending_ = false;
  bool paintedOnce_ = false;
};
