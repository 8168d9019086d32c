#include "application.h"

#include <QAbstractEventDispatcher>
#include <QThread>
#include <stdexcept>

#include "fonts.h"
#include "messagebox.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  InstallFontSubstitutes();
  QObject::connect(QAbstractEventDispatcher::instance(thread()), &QAbstractEventDispatcher::aboutToBlock,
                   this, &TApplication::RaiseIdle);
}

TApplication* TApplication::Instance() {
  return qobject_cast<TApplication*>(QCoreApplication::instance());
}

namespace {

QString ReportText(const std::exception& error) {
  QString text = QString::fromUtf8(error.what());
  if (!text.isEmpty() && !text.endsWith(QLatin1Char('.'))) text += QLatin1Char('.');
  return text;
}

}  // namespace

void TApplication::ShowException(const std::exception& error) {
  MessageBox(activeWindow(), ReportText(error), applicationName(), mb::MB_OK | mb::MB_ICONSTOP);
}

void ShowStandardErrorReport(const std::exception& error) {
  if (TApplication* app = TApplication::Instance()) {
    app->ShowException(error);
    return;
  }
  MessageBox(nullptr, ReportText(error), QCoreApplication::applicationName(), mb::MB_OK | mb::MB_ICONSTOP);
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    ShowException(error);
  } catch (...) {
    ShowException(std::runtime_error("Unknown error"));
  }
  return false;
}

void TApplication::RaiseIdle() {
  if (!OnIdle) return;
  try {
    // A copy, so that a handler may clear or replace the event while it runs.
    const TNotifyEvent handler = OnIdle;
    handler(this);
  } catch (const std::exception& error) {
    ShowException(error);
  }
}
