// One paint (compose, turn, block copy) of each kind of drawing at its board
// size, and the 21 drawings of the board's panels painted together.
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "SetupCtrls/baseaddress.h"
#include "SetupCtrls/threejumper.h"
#include "SetupCtrls/twojumper.h"
#include "platform/fonts.h"

namespace {

constexpr int kBatches = 15;
constexpr int kRunsPerBatch = 200;
constexpr double kGoalMicroseconds = 1000.0;  // the 21 drawings together

// The drawings as the board's panels hold them.
constexpr QSize kDioJumper(TTwoJumper::kDefaultWidth, TTwoJumper::kDefaultHeight);  // otUp
constexpr QSize kSidewaysTwoPin(TTwoJumper::kDefaultHeight, TTwoJumper::kDefaultWidth);
constexpr QSize kSidewaysThreePin(TThreeJumper::kDefaultHeight, TThreeJumper::kDefaultWidth);
constexpr QSize kSwitch(TBaseAddress::kDefaultWidth, TBaseAddress::kDefaultHeight);
constexpr int kDescriptionTwoPins = 2;
constexpr int kDescriptionThreePins = 4;
constexpr int kDioJumpers = 8;
constexpr int kIrqJumpers = 6;

// The median over batches of the mean time of one run, in microseconds.
double Measure(const std::function<void()>& run) {
  for (int i = 0; i < kRunsPerBatch; ++i) run();
  std::vector<double> batches;
  for (int b = 0; b < kBatches; ++b) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kRunsPerBatch; ++i) run();
    const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
    batches.push_back(took.count() / kRunsPerBatch);
  }
  std::sort(batches.begin(), batches.end());
  return batches[batches.size() / 2];
}

// A control placed as the board's panels place it: size, then orientation.
template <typename Control>
Control* Place(QWidget* parent, QSize size, TOrientationType o) {
  auto* c = new Control(parent);
  c->resize(size);
  c->setOrientation(o);
  return c;
}

// Paints one control onto a surface of its size, as the screen would.
struct Painted {
  QWidget* control;
  QImage surface;
  explicit Painted(QWidget* c) : control(c), surface(c->size(), QImage::Format_RGB32) { Paint(); }
  void Paint() { control->render(&surface); }
};

void Print(const char* name, double value, const char* unit) {
  std::printf("%s: %.2f %s\n", name, value, unit);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  InstallFontSubstitutes();
  QWidget board;

  // Each kind at its board size.
  Painted dio(Place<TTwoJumper>(&board, kDioJumper, otUp));
  Painted irq(Place<TTwoJumper>(&board, kSidewaysTwoPin, otRight));
  auto* trigger = Place<TThreeJumper>(&board, kSidewaysThreePin, otRight);
  trigger->setJumperState(jsLeft);
  Painted three(trigger);
  auto* address = Place<TBaseAddress>(&board, kSwitch, otUp);
  address->setBaseAddressStr(QStringLiteral("200"));
  Painted swtch(address);

  Print("paint_two_pin_34x18_otUp", Measure([&] { dio.Paint(); }), "us");
  Print("paint_two_pin_18x34_otRight", Measure([&] { irq.Paint(); }), "us");
  Print("paint_three_pin_18x43_otRight", Measure([&] { three.Paint(); }), "us");
  Print("paint_switch_102x61_otUp", Measure([&] { swtch.Paint(); }), "us");

  // The board's 21: the description's two two-pin and four three-pin
  // jumpers, the switch, eight digital I/O and six IRQ jumpers.
  std::vector<std::unique_ptr<Painted>> all;
  for (int i = 0; i < kDescriptionTwoPins; ++i)
    all.push_back(std::make_unique<Painted>(Place<TTwoJumper>(&board, kSidewaysTwoPin, otRight)));
  for (int i = 0; i < kDescriptionThreePins; ++i)
    all.push_back(std::make_unique<Painted>(Place<TThreeJumper>(&board, kSidewaysThreePin, otRight)));
  auto* boardSwitch = Place<TBaseAddress>(&board, kSwitch, otUp);
  boardSwitch->setBaseAddressStr(QStringLiteral("200"));
  all.push_back(std::make_unique<Painted>(boardSwitch));
  for (int i = 0; i < kDioJumpers; ++i)
    all.push_back(std::make_unique<Painted>(Place<TTwoJumper>(&board, kDioJumper, otUp)));
  for (int i = 0; i < kIrqJumpers; ++i)
    all.push_back(std::make_unique<Painted>(Place<TTwoJumper>(&board, kSidewaysTwoPin, otRight)));
  const double together = Measure([&] {
    for (auto& p : all) p->Paint();
  });
  std::printf("board_drawings: %zu count\n", all.size());
  Print("paint_board_drawings_together", together, "us");
  Print("paint_board_drawings_goal", kGoalMicroseconds, "us");
  Print("paint_board_drawings_ratio_to_goal", together / kGoalMicroseconds, "x");

  // The turn alone, for the largest picture.
  QImage picture(kSwitch, QImage::Format_RGB32), turned;
  picture.fill(Qt::black);
  const double turn = Measure([&] { TurnImage(picture, otRight, turned); });
  Print("turn_switch_102x61_otRight", turn, "us");
  Print("turn_share_of_switch_paint", turn / Measure([&] { swtch.Paint(); }), "x");
  return 0;
}
