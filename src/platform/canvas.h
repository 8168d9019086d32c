#pragma once
// A drawing surface over a 32-bit image. Rectangles are given as corners
// (x1, y1)-(x2, y2) and cover the pixels x1..x2-1 and y1..y2-1. Shapes are
// drawn without antialiasing; pixels outside the image are ignored.
#include <QFont>
#include <QImage>
#include <QString>

#include "tcolor.h"

struct TRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  bool operator==(const TRect&) const = default;
};

enum class TBrushStyle { Solid, Clear };
enum class TPenStyle { Solid, Dash, Clear };

class TCanvas {
 public:
  explicit TCanvas(QImage& image);

  QImage& Image() { return image_; }

  TColor BrushColor = clWhite;
  TBrushStyle BrushStyle = TBrushStyle::Solid;
  TColor PenColor = clBlack;
  TPenStyle PenStyle = TPenStyle::Solid;
  QFont Font;
  TColor FontColor = clBlack;

  // Brush-coloured fill of x1..x2-1, y1..y2-1.
  void FillRect(const TRect& r);
  // A one-pixel frame in the brush colour around x1..x2-1, y1..y2-1.
  void FrameRect(const TRect& r);
  // Pen outline on the border pixels of x1..x2-1, y1..y2-1, brush inside.
  void Rectangle(int x1, int y1, int x2, int y2);
  // Rounded corners with the given ellipse width and height.
  void RoundRect(int x1, int y1, int x2, int y2, int w, int h);
  // Ellipse inscribed in x1..x2-1, y1..y2-1: pen outline, brush inside.
  void Ellipse(int x1, int y1, int x2, int y2);
  // A line from the pen position to (x, y), the end point itself not drawn.
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  // Text with its cell's top-left corner at (x, y); with a solid brush the
  // cell is filled first.
  void TextOut(int x, int y, const QString& text);
  int TextWidth(const QString& text) const;
  int TextHeight(const QString& text) const;

  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor c);
  // Copies source's rectangle src onto this canvas at dest (same size).
  void CopyRect(const TRect& dest, const QImage& source, const TRect& src);

 private:
  QImage& image_;
  int penX_ = 0, penY_ = 0;
};
