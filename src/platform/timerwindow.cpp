#include "timerwindow.h"

#include <QTimerEvent>

TTimerWindow::TTimerWindow(QObject* owner) : QObject(owner) {}

TTimerWindow::~TTimerWindow() {
  KillTimer();
}

bool TTimerWindow::SetTimer(int intervalMs) {
  KillTimer();
  timerId_ = startTimer(intervalMs, Qt::PreciseTimer);
  return timerId_ != 0;
}

void TTimerWindow::KillTimer() {
  if (timerId_ != 0) killTimer(timerId_);
  timerId_ = 0;
}

void TTimerWindow::timerEvent(QTimerEvent* event) {
  if (event->timerId() != timerId_) return;
  if (OnTimer) OnTimer(this);
}
