#include "canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

namespace {

TRect Clip(const TRect& r, const QImage& image) {
  return {std::max(r.Left, 0), std::max(r.Top, 0), std::min(r.Right, image.width()),
          std::min(r.Bottom, image.height())};
}

void Fill(QImage& image, const TRect& r, TColor c) {
  const TRect k = Clip(r, image);
  if (k.Left >= k.Right || k.Top >= k.Bottom) return;
  const std::uint32_t px = ToPixel(ColorToRGB(c));
  for (int y = k.Top; y < k.Bottom; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(image.scanLine(y));
    std::fill(row + k.Left, row + k.Right, px);
  }
}

QPen MakePen(TColor c, TPenStyle style) {
  if (style == TPenStyle::Clear) return QPen(Qt::NoPen);
  QPen pen(ToQColor(c));
  pen.setWidth(0);
  if (style == TPenStyle::Dash) pen.setStyle(Qt::DashLine);
  return pen;
}

}  // namespace

TCanvas::TCanvas(QImage& image) : image_(image) {}

void TCanvas::FillRect(const TRect& r) {
  Fill(image_, r, BrushColor);
}

void TCanvas::FrameRect(const TRect& r) {
  if (r.Right <= r.Left || r.Bottom <= r.Top) return;
  Fill(image_, {r.Left, r.Top, r.Right, r.Top + 1}, BrushColor);
  Fill(image_, {r.Left, r.Bottom - 1, r.Right, r.Bottom}, BrushColor);
  Fill(image_, {r.Left, r.Top, r.Left + 1, r.Bottom}, BrushColor);
  Fill(image_, {r.Right - 1, r.Top, r.Right, r.Bottom}, BrushColor);
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  if (BrushStyle == TBrushStyle::Solid) Fill(image_, {x1 + 1, y1 + 1, x2 - 1, y2 - 1}, BrushColor);
  if (PenStyle == TPenStyle::Solid) {
    const TColor saved = BrushColor;
    BrushColor = PenColor;
    FrameRect({x1, y1, x2, y2});
    BrushColor = saved;
  } else if (PenStyle == TPenStyle::Dash) {
    QPainter p(&image_);
    p.setPen(MakePen(PenColor, PenStyle));
    p.setBrush(Qt::NoBrush);
    p.drawRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
  } else if (BrushStyle == TBrushStyle::Solid) {
    Fill(image_, {x1, y1, x2, y2}, BrushColor);
  }
}

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int w, int h) {
  if (x2 <= x1 || y2 <= y1) return;
  QPainter p(&image_);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(MakePen(PenColor, PenStyle));
  p.setBrush(BrushStyle == TBrushStyle::Solid ? QBrush(ToQColor(BrushColor)) : QBrush(Qt::NoBrush));
  p.drawRoundedRect(QRectF(x1, y1, x2 - x1 - 1, y2 - y1 - 1), w / 2.0, h / 2.0);
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  if (x2 <= x1 || y2 <= y1) return;
  QPainter p(&image_);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(MakePen(PenColor, PenStyle));
  p.setBrush(BrushStyle == TBrushStyle::Solid ? QBrush(ToQColor(BrushColor)) : QBrush(Qt::NoBrush));
  p.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void TCanvas::MoveTo(int x, int y) {
  penX_ = x;
  penY_ = y;
}

void TCanvas::LineTo(int x, int y) {
  // Bresenham from the pen position, leaving out the end point.
  int cx = penX_, cy = penY_;
  const int dx = std::abs(x - cx), dy = -std::abs(y - cy);
  const int sx = cx < x ? 1 : -1, sy = cy < y ? 1 : -1;
  int err = dx + dy;
  if (PenStyle != TPenStyle::Clear) {
    while (cx != x || cy != y) {
      SetPixel(cx, cy, PenColor);
      const int e2 = 2 * err;
      if (e2 >= dy) {
        err += dy;
        cx += sx;
      }
      if (e2 <= dx) {
        err += dx;
        cy += sy;
      }
    }
  }
  MoveTo(x, y);
}

void TCanvas::TextOut(int x, int y, const QString& text) {
  const QFontMetrics fm(Font);
  if (BrushStyle == TBrushStyle::Solid)
    Fill(image_, {x, y, x + fm.horizontalAdvance(text), y + fm.height()}, BrushColor);
  QPainter p(&image_);
  p.setFont(Font);
  p.setPen(ToQColor(FontColor));
  p.drawText(x, y + fm.ascent(), text);
}

int TCanvas::TextWidth(const QString& text) const {
  return QFontMetrics(Font).horizontalAdvance(text);
}

int TCanvas::TextHeight(const QString&) const {
  return QFontMetrics(Font).height();
}

TColor TCanvas::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return clBlack;
  return FromPixel(reinterpret_cast<const std::uint32_t*>(image_.constScanLine(y))[x]);
}

void TCanvas::SetPixel(int x, int y, TColor c) {
  if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return;
  reinterpret_cast<std::uint32_t*>(image_.scanLine(y))[x] = ToPixel(ColorToRGB(c));
}

void TCanvas::CopyRect(const TRect& dest, const QImage& source, const TRect& src) {
  const int w = std::min(dest.Width(), src.Width());
  const int h = std::min(dest.Height(), src.Height());
  for (int row = 0; row < h; ++row) {
    const int sy = src.Top + row, dy = dest.Top + row;
    if (sy < 0 || sy >= source.height() || dy < 0 || dy >= image_.height()) continue;
    const auto* in = reinterpret_cast<const std::uint32_t*>(source.constScanLine(sy));
    auto* out = reinterpret_cast<std::uint32_t*>(image_.scanLine(dy));
    for (int col = 0; col < w; ++col) {
      const int sx = src.Left + col, dx = dest.Left + col;
      if (sx < 0 || sx >= source.width() || dx < 0 || dx >= image_.width()) continue;
      out[dx] = in[sx];
    }
  }
}
