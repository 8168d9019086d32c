#include "button.h"

#include <QShortcut>
#include <exception>

#include "application.h"

namespace {

QShortcut* WindowKey(TButton* button, Qt::Key key) {
  auto* shortcut = new QShortcut(QKeySequence(key), button);
  shortcut->setContext(Qt::WindowShortcut);
  QObject::connect(shortcut, &QShortcut::activated, button, [button] {
    if (button->isVisible() && button->isEnabled()) button->Click();
  });
  return shortcut;
}

}  // namespace

TButton::TButton(QWidget* parent) : QPushButton(parent) {
  setAutoDefault(false);
  connect(this, &QPushButton::clicked, this, [this] { Click(); });
}

void TButton::setCaption(const QString& caption) {
  if (caption == text()) return;
  setText(caption);
}

void TButton::setDefault(bool value) {
  if (value == isDefault()) return;
  QPushButton::setDefault(value);
  delete defaultEnter_;
  delete defaultReturn_;
  defaultEnter_ = value ? WindowKey(this, Qt::Key_Enter) : nullptr;
  defaultReturn_ = value ? WindowKey(this, Qt::Key_Return) : nullptr;
}

void TButton::setCancel(bool value) {
  if (value == Cancel()) return;
  delete cancel_;
  cancel_ = value ? WindowKey(this, Qt::Key_Escape) : nullptr;
}

void TButton::Click() {
  if (!OnClick) return;
  // A copy: the handler may give the button another one while it runs.
  const TNotifyEvent handler = OnClick;
  try {
    handler(this);
  } catch (const std::exception& error) {
    ShowStandardErrorReport(error);
  }
}
