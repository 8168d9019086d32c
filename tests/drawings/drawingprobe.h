#pragma once
// Small helpers for reading what a drawing control put on the screen.
#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QRect>
#include <QWidget>

#include "platform/tcolor.h"

// The control's surface after one paint.
inline QImage Shot(QWidget& control) {
  return control.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline TColor At(const QImage& image, int x, int y) {
  return FromPixel(image.pixel(x, y));
}

// The smallest rectangle (x2, y2 exclusive) holding every pixel of colour c
// inside `area`.
inline QRect Extent(const QImage& image, TColor c, QRect area = {}) {
  if (area.isNull()) area = image.rect();
  int x1 = area.right() + 1, y1 = area.bottom() + 1, x2 = area.left() - 1, y2 = area.top() - 1;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (At(image, x, y) == c) {
        x1 = std::min(x1, x);
        y1 = std::min(y1, y);
        x2 = std::max(x2, x);
        y2 = std::max(y2, y);
      }
  if (x2 < x1) return {};
  return QRect(QPoint(x1, y1), QPoint(x2, y2));
}

inline int Count(const QImage& image, TColor c) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) n += At(image, x, y) == c;
  return n;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* w) { w->installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};
