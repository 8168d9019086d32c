#pragma once
// A hidden object that owns one system timer and raises OnTimer at each of
// its ticks.
#include <QObject>

#include "events.h"

class TTimerWindow : public QObject {
  Q_OBJECT
 public:
  explicit TTimerWindow(QObject* owner = nullptr);
  ~TTimerWindow() override;

  // Starts (or restarts) the timer with the given period. Returns false when
  // the system refused a timer; none is running then.
  bool SetTimer(int intervalMs);
  void KillTimer();
  bool Active() const { return timerId_ != 0; }

  TNotifyEvent OnTimer;

 protected:
  void timerEvent(QTimerEvent* event) override;

 private:
  int timerId_ = 0;
};
