#pragma once
// The technical-support window: the support text and a Close button.
#include <QRect>
#include <QWidget>

class QPlainTextEdit;
class TButton;

class TTechForm : public QWidget {
  Q_OBJECT
 public:
  // Builds the window hidden, owned by `owner` (the main window).
  TTechForm(QWidget* owner, const QString& supportText);

  QPlainTextEdit* TechMemo = nullptr;
  TButton* CloseButton = nullptr;
};

// Where the support and installed-cards windows put their text box and
// their Close button before fitting.
constexpr QRect kMemoGeometry{8, 8, 305, 89};
constexpr int kCloseButtonTop = 105;
constexpr QSize kCloseButtonSize{73, 25};

// A read-only multi-line text box with a vertical scroll bar only, as the
// supporter's windows use.
QPlainTextEdit* MakeMemo(QWidget* parent, const QString& name, const QRect& geometry);
// Their Close button: Escape presses it.
TButton* MakeCloseButton(QWidget* parent, const QRect& geometry);
