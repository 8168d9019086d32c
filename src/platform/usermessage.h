#pragma once
// Program-defined window messages, delivered synchronously to a control as
// custom events whose type is the message number.
#include <QEvent>
#include <QtGlobal>

constexpr int WM_USER = 0x0400;
constexpr int WM_OPENFIRSTPOPUP = WM_USER + 0xA2;
static_assert(WM_OPENFIRSTPOPUP >= QEvent::User && WM_OPENFIRSTPOPUP <= QEvent::MaxUser);

class TMessageEvent : public QEvent {
 public:
  TMessageEvent(int message, qintptr wParam, qintptr lParam)
      : QEvent(QEvent::Type(message)), WParam(wParam), LParam(lParam) {}
  int Message() const { return int(type()); }
  qintptr WParam;
  qintptr LParam;
  qintptr Result = 0;
};

// Delivers the message at once and returns the receiver's result.
qintptr SendMessage(QObject* receiver, int message, qintptr wParam = 0, qintptr lParam = 0);
