#include "orienteddrawing.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cstdint>

namespace {

void Reshape(QImage& image, int w, int h) {
  if (image.width() != w || image.height() != h || image.format() != QImage::Format_RGB32)
    image = QImage(w, h, QImage::Format_RGB32);
}

}  // namespace

QSize PictureSize(TOrientationType o, QSize control) {
  return IsSideways(o) ? control.transposed() : control;
}

QPoint TurnedPixel(TOrientationType o, int x, int y, QSize picture) {
  const int Wp = picture.width(), Hp = picture.height();
  switch (o) {
    case otDown:
      return {Wp - 1 - x, Hp - 1 - y};
    case otLeft:
      return {y, Wp - 1 - x};
    case otRight:
      return {Hp - 1 - y, x};
    case otUp:
      break;
  }
  return {x, y};
}

void TurnImage(const QImage& picture, TOrientationType o, QImage& turned) {
  const int Wp = picture.width(), Hp = picture.height();
  if (IsSideways(o))
    Reshape(turned, Hp, Wp);
  else
    Reshape(turned, Wp, Hp);
  if (Wp == 0 || Hp == 0) return;
  if (o == otUp) {
    for (int y = 0; y < Hp; ++y)
      std::copy_n(reinterpret_cast<const std::uint32_t*>(picture.constScanLine(y)), Wp,
                  reinterpret_cast<std::uint32_t*>(turned.scanLine(y)));
    return;
  }
  // Row by row through the picture: each row becomes a row of the turned
  // image read backwards (otDown) or one of its columns (otLeft, otRight),
  // as TurnedPixel maps it.
  auto* out = reinterpret_cast<std::uint32_t*>(turned.bits());
  const qsizetype stride = turned.bytesPerLine() / qsizetype(sizeof(std::uint32_t));
  for (int y = 0; y < Hp; ++y) {
    const auto* in = reinterpret_cast<const std::uint32_t*>(picture.constScanLine(y));
    const QPoint first = TurnedPixel(o, 0, y, picture.size());
    std::uint32_t* p = out + first.y() * stride + first.x();
    // The step in the turned image from pixel x to pixel x + 1.
    const qsizetype step = o == otDown ? -1 : o == otLeft ? -stride : stride;
    for (int x = 0; x < Wp; ++x, p += step) *p = in[x];
  }
}

bool TOrientedDrawing::SetOrientation(TOrientationType v) {
  if (orientation_ == v) return false;
  // Crossing back before the next paint cancels the swap: the size already
  // fits the orientation again.
  if (CrossesGroup(orientation_, v)) sizeSwapPending_ = !sizeSwapPending_;
  orientation_ = v;
  return true;
}

void TOrientedDrawing::Render(QSize control, const TCompose& compose) {
  const QSize picture = PictureSize(orientation_, control);
  Reshape(drawingImage_, picture.width(), picture.height());
  if (!picture.isEmpty()) {
    // A fresh canvas each time: every paint starts from the same pen and brush.
    TCanvas canvas(drawingImage_);
    compose(canvas, picture.width(), picture.height());
  }
  TurnImage(drawingImage_, orientation_, controlImage_);
}

void TOrientedDrawing::Paint(QWidget& control, QPainter& surface, const TCompose& compose) {
  Render(control.size(), compose);
  if (sizeSwapPending_) {
    sizeSwapPending_ = false;
    if (paintedOnce_) {
      // The control is laid out again and painted anew at its new size.
      control.resize(control.height(), control.width());
      control.update();
    }
  }
  surface.drawImage(QPoint(0, 0), controlImage_, QRect(0, 0, control.width(), control.height()));
  paintedOnce_ = true;
}
