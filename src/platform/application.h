#pragma once
// The application object: the standard error report for exceptions escaping
// any handler, and the idle event raised whenever the event queue has become
// empty.
#include <QApplication>

#include <exception>

#include "events.h"

class TApplication : public QApplication {
  Q_OBJECT
 public:
  TApplication(int& argc, char** argv);

  // The running application object, or null before one exists.
  static TApplication* Instance();

  // Raised each time the event loop is about to wait for new events.
  TNotifyEvent OnIdle;

  // The standard error report: a message box with the error's text, titled
  // with the application's name. The program goes on afterwards.
  void ShowException(const std::exception& error);

  bool notify(QObject* receiver, QEvent* event) override;

 private:
  void RaiseIdle();
};

// The standard error report from anywhere: the application's report when a
// TApplication runs, otherwise the same message box owned by no window.
void ShowStandardErrorReport(const std::exception& error);
