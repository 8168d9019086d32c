// The supporter's own work in one calibration sweep: 8 channels into three
// registered lists, with a reading handler that answers at once. The goal
// is well under the 100 ms tick, so that the tick is spent on the card.
#include <QLabel>
#include <chrono>
#include <cstdio>

#include "SetupCtrls/setupsupporter.h"
#include "platform/application.h"
#include "platform/button.h"
#include "platform/listbox.h"

namespace {

constexpr int kSweeps = 20000;
constexpr double kGoalMicroseconds = 100.0;

struct TPanel {
  TListBox list;
  TButton button;
  QLabel label;
};

// Microseconds per sweep over `sweeps` ticks.
template <typename F>
double PerSweep(int sweeps, F&& tick) {
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < sweeps; ++i) tick();
  const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
  return spent.count() / sweeps;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  TApplication app(argc, argv);
  TSetupSupporter sup;
  sup.OnStartButtonClick = TNotifyEvent::Bind(&sup, &TSetupSupporter::StartCalib);
  sup.OnStopButtonClick = TNotifyEvent::Bind(&sup, &TSetupSupporter::StopCalib);
  const QString reading = QStringLiteral("1.250");
  sup.OnGetCalibString = [&reading](QObject*, std::uint8_t, bool& itsAllBad) {
    itsAllBad = false;
    return reading;
  };
  TPanel panels[3];
  for (int i = 0; i < 3; ++i)
    sup.RegisterCalibPanel(std::uint8_t(i), &panels[i].list, &panels[i].button, &panels[i].label);
  sup.StartCalib(nullptr);
  sup.CalibTick();  // the first sweep appends the last line

  const double hidden = PerSweep(kSweeps, [&] { sup.CalibTick(); });

  // The same with the lists on screen, their repaints included.
  for (TPanel& p : panels) p.list.show();
  QCoreApplication::processEvents();
  const double shown = PerSweep(kSweeps / 10, [&] {
    sup.CalibTick();
    QCoreApplication::processEvents();
  });

  std::printf("supporter_sweep_8ch_3lists: %.2f us\n", hidden);
  std::printf("supporter_sweep_goal: %.2f us\n", kGoalMicroseconds);
  std::printf("supporter_sweep_vs_goal: %.4f ratio\n", hidden / kGoalMicroseconds);
  std::printf("supporter_sweep_8ch_3lists_painted: %.2f us\n", shown);
  std::printf("supporter_sweep_painted_vs_unpainted: %.2f ratio\n", shown / hidden);
  return 0;
}
