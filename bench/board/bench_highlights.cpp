// What the highlight circles cost: rendering the three looks of the board's
// 13 circles at the first paint, and repainting a lit circle afterwards.
// Prints one line per figure.
#include <QApplication>
#include <QImage>
#include <QMainWindow>
#include <QPainter>
#include <chrono>
#include <cstdio>
#include <vector>

#include "SetupCtrls/boardhighlight.h"
#include "SetupCtrls/boardimage.h"
#include "platform/picture.h"

namespace {

using TClock = std::chrono::steady_clock;

// The circles of the PX-407 board: place and size in picture pixels.
const QRect kCircles[] = {
    {101, 238, 14, 24}, {322, 202, 67, 33},  {517, 91, 13, 29}, {378, 14, 14, 31},  {240, 264, 57, 21},
    {501, 184, 20, 37}, {292, 210, 12, 26},  {517, 68, 12, 21}, {501, 144, 20, 35}, {408, 0, 58, 81},
    {391, 0, 20, 81},   {567, 112, 33, 193}, {381, 64, 13, 30},
};

template <typename F>
double MicrosecondsPer(int runs, F&& f) {
  const auto start = TClock::now();
  for (int i = 0; i < runs; ++i) f();
  const std::chrono::duration<double, std::micro> spent = TClock::now() - start;
  return spent.count() / runs;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);

  QMainWindow window;
  auto* client = new QWidget(&window);
  window.setCentralWidget(client);
  window.resize(823, 580);
  auto* board = new TBoardImage(client);
  board->setAutoSize(false);
  board->setGeometry(118, 114, 600, 343);
  board->setStretch(true);
  QImage photo(600, 343, QImage::Format_RGB32);
  for (int y = 0; y < photo.height(); ++y)
    for (int x = 0; x < photo.width(); ++x)
      photo.setPixelColor(x, y, QColor(x % 256, y % 256, (x + y) % 256));
  board->Picture()->SetImage(photo);

  std::vector<TBoardHighlight*> circles;
  for (const QRect& r : kCircles) {
    auto* h = new TBoardHighlight(board);
    h->setGeometry(r);
    circles.push_back(h);
  }

  const double renderAll = MicrosecondsPer(200, [&] {
    for (TBoardHighlight* h : circles) h->Render();
  });
  std::printf("render_13_highlights: %.3f ms\n", renderAll / 1000.0);
  // The blend alone, over the same sizes.
  std::vector<QImage> plain;
  for (const QRect& r : kCircles) {
    plain.emplace_back(r.size(), QImage::Format_RGB32);
    plain.back().fill(Qt::gray);
  }
  const THighlightKindLook look = KindLook(htSettings);
  const double blendAll = MicrosecondsPer(200, [&] {
    for (const QImage& image : plain) (void)BlendLooks(image, look);
  });
  std::printf("blend_13x3_looks: %.3f ms\n", blendAll / 1000.0);

  window.show();
  QApplication::processEvents();
  TBoardHighlight* lit = circles[1];
  lit->MouseEnter(0);
  lit->Popup()->close();
  lit->setCreatePopup(false);
  lit->MouseEnter(0);
  QApplication::processEvents();

  // The paint itself: one copy of the chosen look.
  QImage target(lit->size(), QImage::Format_RGB32);
  const double copy = MicrosecondsPer(20000, [&] {
    QPainter p(&target);
    p.drawImage(0, 0, lit->CurrentImage());
  });
  std::printf("lit_look_copy: %.3f us\n", copy);
  // A repaint through the toolkit, into the window's backing store.
  const double repaint = MicrosecondsPer(5000, [&] { lit->repaint(); });
  std::printf("lit_highlight_repaint: %.3f us\n", repaint);
  std::printf("render_13_vs_repaint_ratio: %.1f\n", renderAll / repaint);
  return 0;
}
