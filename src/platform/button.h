#pragma once
// A push button with an assignable click event and the two dialog roles:
// the default button is pressed by Enter, the cancel button by Escape,
// anywhere in its window.
#include <QPushButton>

#include "events.h"

class QShortcut;

class TButton : public QPushButton {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
  Q_PROPERTY(bool Default READ Default WRITE setDefault)
  Q_PROPERTY(bool Cancel READ Cancel WRITE setCancel)
 public:
  explicit TButton(QWidget* parent = nullptr);

  QString Caption() const { return text(); }
  void setCaption(const QString& caption);
  bool Default() const { return isDefault(); }
  void setDefault(bool value);
  bool Cancel() const { return cancel_ != nullptr; }
  void setCancel(bool value);

  // Raised by a press of the button, of its key, or by Click(). An error
  // escaping the handler goes to the application's standard error report.
  TNotifyEvent OnClick;
  void Click();

 private:
  QShortcut* defaultEnter_ = nullptr;
  QShortcut* defaultReturn_ = nullptr;
  QShortcut* cancel_ = nullptr;
};
