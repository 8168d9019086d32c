#pragma once
// Modal message boxes described by Windows-style flag values, returning the
// identifier of the button pressed. A test installs a responder that answers
// in place of the user; no dialog is shown then.
#include <QString>
#include <functional>

class QWidget;

namespace mb {
// Buttons (low four bits).
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_ABORTRETRYIGNORE = 0x2;
constexpr unsigned MB_YESNOCANCEL = 0x3;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_RETRYCANCEL = 0x5;
// Icons.
constexpr unsigned MB_ICONHAND = 0x10;
constexpr unsigned MB_ICONSTOP = MB_ICONHAND;
constexpr unsigned MB_ICONERROR = MB_ICONHAND;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_ICONWARNING = MB_ICONEXCLAMATION;
constexpr unsigned MB_ICONASTERISK = 0x40;
constexpr unsigned MB_ICONINFORMATION = MB_ICONASTERISK;
// Default button.
constexpr unsigned MB_DEFBUTTON1 = 0x000;
constexpr unsigned MB_DEFBUTTON2 = 0x100;
constexpr unsigned MB_DEFBUTTON3 = 0x200;
// Modality and placement.
constexpr unsigned MB_APPLMODAL = 0x0000;
constexpr unsigned MB_SYSTEMMODAL = 0x1000;
constexpr unsigned MB_TASKMODAL = 0x2000;
constexpr unsigned MB_SETFOREGROUND = 0x10000;
constexpr unsigned MB_TOPMOST = 0x40000;

// Answers.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDABORT = 3;
constexpr int IDRETRY = 4;
constexpr int IDIGNORE = 5;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
}  // namespace mb

struct TMessageBoxRequest {
  QWidget* owner = nullptr;
  QString text;
  QString caption;
  unsigned flags = 0;
};

using TMessageBoxResponder = std::function<int(const TMessageBoxRequest&)>;

// Shows the box (or asks the responder) and returns the button's identifier.
// owner may be null: the box then belongs to the application.
int MessageBox(QWidget* owner, const QString& text, const QString& caption, unsigned flags);

// Installs a responder for the lifetime of the object, restoring the previous
// one afterwards.
class TMessageBoxResponderScope {
 public:
  explicit TMessageBoxResponderScope(TMessageBoxResponder responder);
  ~TMessageBoxResponderScope();
  TMessageBoxResponderScope(const TMessageBoxResponderScope&) = delete;
  TMessageBoxResponderScope& operator=(const TMessageBoxResponderScope&) = delete;

 private:
  TMessageBoxResponder previous_;
};
