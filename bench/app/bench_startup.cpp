// Time from entering main to the main window's first complete paint, and the
// main window against a bare main window of the same size, in the same run.
#include <QMainWindow>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/mainform.h"
#include "platform/application.h"
#include "platform/messagebox.h"

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point t) {
  return std::chrono::duration<double, std::milli>(Clock::now() - t).count();
}

// Runs the event loop until the window has been painted once, completely:
// the first paint event is followed by the rest of its update before the
// zero-time timer fires.
void WaitForFirstPaint(QWidget& window) {
  struct TPaintWatch : QObject {
    QEventLoop loop;
    bool seen = false;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Paint && !seen) {
        seen = true;
        QTimer::singleShot(0, &loop, &QEventLoop::quit);
      }
      return false;
    }
  } watch;
  window.installEventFilter(&watch);
  if (!watch.seen) watch.loop.exec();
  window.removeEventFilter(&watch);
}

template <typename Make>
double ShowToPaint(Make make) {
  const Clock::time_point start = Clock::now();
  auto window = make();
  window->show();
  WaitForFirstPaint(*window);
  return MsSince(start);
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  const Clock::time_point entered = Clock::now();
  // Without port access the start-up warning would wait for the user.
  TMessageBoxResponderScope answer([](const TMessageBoxRequest&) { return mb::IDOK; });
  TApplication app(argc, argv);

  {
    TMainForm form;
    form.showMaximized();
    WaitForFirstPaint(form);
    std::printf("startup_main_to_first_paint: %.2f ms\n", MsSince(entered));
  }

  constexpr int kRounds = 15;
  std::vector<double> form, bare;
  QSize size;
  for (int i = 0; i < kRounds; ++i) {
    form.push_back(ShowToPaint([&] {
      auto w = std::make_unique<TMainForm>();
      w->setWindowState(Qt::WindowMaximized);
      size = w->size();
      return w;
    }));
    bare.push_back(ShowToPaint([&] {
      auto w = std::make_unique<QMainWindow>();
      w->resize(size);
      w->setWindowState(Qt::WindowMaximized);
      return w;
    }));
  }
  const double f = Median(form), b = Median(bare);
  std::printf("mainform_create_to_first_paint: %.3f ms\n", f);
  std::printf("bare_mainwindow_create_to_first_paint: %.3f ms\n", b);
  std::printf("mainform_vs_bare_ratio: %.2f\n", f / b);
  return 0;
}
