#include <QtTest>

#include "platform/canvas.h"

// Drawing on a small white image and reading back pixels.
class TestCanvas : public QObject {
  Q_OBJECT

  static QImage White(int w = 12, int h = 10) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
  }
  static int CountOf(const TCanvas& c, const QImage& image, TColor color) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) n += c.Pixel(x, y) == color;
    return n;
  }

 private slots:
  void fillRectCoversUpToButNotIncludingTheFarCorner() {
    QImage image = White();
    TCanvas c(image);
    c.BrushColor = clRed;
    c.FillRect({2, 3, 5, 7});
    QCOMPARE(CountOf(c, image, clRed), 3 * 4);
    QCOMPARE(c.Pixel(2, 3), clRed);
    QCOMPARE(c.Pixel(4, 6), clRed);
    QCOMPARE(c.Pixel(5, 6), clWhite);
    QCOMPARE(c.Pixel(4, 7), clWhite);
  }

  void pixelsAreStoredBlueGreenRed() {
    QImage image = White();
    TCanvas c(image);
    c.SetPixel(1, 1, MakeColor(0x11, 0x22, 0x33));
    const uchar* px = image.constScanLine(1) + 4;
    QCOMPARE(int(px[0]), 0x33);
    QCOMPARE(int(px[1]), 0x22);
    QCOMPARE(int(px[2]), 0x11);
    QCOMPARE(c.Pixel(1, 1), MakeColor(0x11, 0x22, 0x33));
  }

  void rectangleOutlinesWithPenAndFillsWithBrush() {
    QImage image = White();
    TCanvas c(image);
    c.PenColor = clBlack;
    c.BrushColor = clYellow;
    c.Rectangle(1, 1, 6, 5);  // covers 1..5 x 1..4
    QCOMPARE(CountOf(c, image, clBlack), 5 * 2 + 2 * 2);
    QCOMPARE(CountOf(c, image, clYellow), 3 * 2);
    QCOMPARE(c.Pixel(5, 4), clBlack);
    QCOMPARE(c.Pixel(6, 4), clWhite);

    c.BrushStyle = TBrushStyle::Clear;
    c.PenColor = clBlue;
    c.Rectangle(1, 1, 6, 5);
    QCOMPARE(CountOf(c, image, clYellow), 3 * 2);  // inside untouched
  }

  void frameRectUsesBrushColour() {
    QImage image = White();
    TCanvas c(image);
    c.BrushColor = clGreen;
    c.FrameRect({0, 0, 4, 3});
    QCOMPARE(CountOf(c, image, clGreen), 4 * 3 - 2);
    QCOMPARE(c.Pixel(1, 1), clWhite);
  }

  void ellipseStaysInsideItsRectangle() {
    QImage image = White(20, 20);
    TCanvas c(image);
    c.PenColor = clBlack;
    c.BrushColor = clRed;
    c.Ellipse(2, 4, 12, 14);
    int minX = 99, maxX = -1, minY = 99, maxY = -1;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 20; ++x)
        if (c.Pixel(x, y) != clWhite) {
          minX = std::min(minX, x), maxX = std::max(maxX, x);
          minY = std::min(minY, y), maxY = std::max(maxY, y);
        }
    QCOMPARE(minX, 2);
    QCOMPARE(maxX, 11);
    QCOMPARE(minY, 4);
    QCOMPARE(maxY, 13);
    QCOMPARE(c.Pixel(7, 9), clRed);
  }

  void lineLeavesOutItsEndPoint() {
    QImage image = White();
    TCanvas c(image);
    c.PenColor = clBlack;
    c.MoveTo(1, 2);
    c.LineTo(6, 2);
    QCOMPARE(CountOf(c, image, clBlack), 5);
    QCOMPARE(c.Pixel(6, 2), clWhite);
    c.LineTo(6, 6);
    QCOMPARE(c.Pixel(6, 2), clBlack);
    QCOMPARE(c.Pixel(6, 6), clWhite);
  }

  void copyRectMovesABlock() {
    QImage source = White(4, 4);
    TCanvas s(source);
    s.BrushColor = clRed;
    s.FillRect({1, 1, 3, 3});
    QImage image = White();
    TCanvas c(image);
    c.CopyRect({5, 5, 8, 8}, source, {0, 0, 3, 3});
    QCOMPARE(c.Pixel(5, 5), clWhite);
    QCOMPARE(c.Pixel(6, 6), clRed);
    QCOMPARE(c.Pixel(7, 7), clRed);
    QCOMPARE(CountOf(c, image, clRed), 4);
  }

  void drawingOutsideTheImageIsIgnored() {
    QImage image = White(4, 4);
    TCanvas c(image);
    c.BrushColor = clRed;
    c.FillRect({-5, -5, 2, 2});
    c.SetPixel(-1, 0, clBlue);
    c.SetPixel(4, 4, clBlue);
    c.CopyRect({2, 2, 10, 10}, image, {-3, -3, 5, 5});
    c.MoveTo(-10, 1);
    c.LineTo(10, 1);
    QCOMPARE(c.Pixel(1, 0), clRed);
    QCOMPARE(c.Pixel(3, 1), clBlack);
    QCOMPARE(c.Pixel(100, 100), clBlack);
  }

  void systemColoursResolveThroughThePalette() {
    QImage image = White();
    TCanvas c(image);
    c.BrushColor = clBtnFace;
    c.FillRect({0, 0, 1, 1});
    QCOMPARE(c.Pixel(0, 0), ColorToRGB(clBtnFace));
    QCOMPARE(ColorToRGB(clBtnFace), FromQColor(QApplication::palette().color(QPalette::Button)));
  }
};

QTEST_MAIN(TestCanvas)
#include "test_canvas.moc"
