#include "usermessage.h"

#include <QCoreApplication>

qintptr SendMessage(QObject* receiver, int message, qintptr wParam, qintptr lParam) {
  if (!receiver) return 0;
  TMessageEvent event(message, wParam, lParam);
  QCoreApplication::sendEvent(receiver, &event);
  return event.Result;
}
