#include "messagebox.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <vector>

namespace {

TMessageBoxResponder& Responder() {
  static TMessageBoxResponder responder;
  return responder;
}

struct ButtonSpec {
  QMessageBox::StandardButton button;
  int id;
};

std::vector<ButtonSpec> ButtonsFor(unsigned flags) {
  using Q = QMessageBox;
  switch (flags & 0xFu) {
    case mb::MB_OKCANCEL:
      return {{Q::Ok, mb::IDOK}, {Q::Cancel, mb::IDCANCEL}};
    case mb::MB_ABORTRETRYIGNORE:
      return {{Q::Abort, mb::IDABORT}, {Q::Retry, mb::IDRETRY}, {Q::Ignore, mb::IDIGNORE}};
    case mb::MB_YESNOCANCEL:
      return {{Q::Yes, mb::IDYES}, {Q::No, mb::IDNO}, {Q::Cancel, mb::IDCANCEL}};
    case mb::MB_YESNO:
      return {{Q::Yes, mb::IDYES}, {Q::No, mb::IDNO}};
    case mb::MB_RETRYCANCEL:
      return {{Q::Retry, mb::IDRETRY}, {Q::Cancel, mb::IDCANCEL}};
    default:
      return {{Q::Ok, mb::IDOK}};
  }
}

QMessageBox::Icon IconFor(unsigned flags) {
  switch (flags & 0xF0u) {
    case mb::MB_ICONHAND:
      return QMessageBox::Critical;
    case mb::MB_ICONQUESTION:
      return QMessageBox::Question;
    case mb::MB_ICONEXCLAMATION:
      return QMessageBox::Warning;
    case mb::MB_ICONASTERISK:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

}  // namespace

int MessageBox(QWidget* owner, const QString& text, const QString& caption, unsigned flags) {
  if (Responder()) return Responder()({owner, text, caption, flags});

  QMessageBox box(IconFor(flags), caption, text, QMessageBox::NoButton, owner);
  if (flags & (mb::MB_TOPMOST | mb::MB_SYSTEMMODAL)) box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
  const std::vector<ButtonSpec> specs = ButtonsFor(flags);
  for (const ButtonSpec& s : specs) box.addButton(s.button);

  const std::size_t defaultIndex = std::min<std::size_t>((flags >> 8) & 0xFu, specs.size() - 1);
  box.setDefaultButton(specs[defaultIndex].button);
  // Escape answers Cancel where there is one, and the only button of an OK box.
  for (const ButtonSpec& s : specs)
    if (s.id == mb::IDCANCEL) box.setEscapeButton(s.button);
  if (specs.size() == 1) box.setEscapeButton(specs.front().button);

  if (flags & mb::MB_SETFOREGROUND) {
    box.show();
    box.raise();
    box.activateWindow();
  }
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  for (const ButtonSpec& s : specs)
    if (clicked && box.standardButton(clicked) == s.button) return s.id;
  // Closed without a button (window manager close): as Escape would answer.
  for (const ButtonSpec& s : specs)
    if (s.id == mb::IDCANCEL) return s.id;
  return specs.front().id;
}

TMessageBoxResponderScope::TMessageBoxResponderScope(TMessageBoxResponder responder)
    : previous_(std::move(Responder())) {
  Responder() = std::move(responder);
}

TMessageBoxResponderScope::~TMessageBoxResponderScope() {
  Responder() = std::move(previous_);
}
