#pragma once
// The installed-cards window: one line per installed card and a Close
// button.
#include <QWidget>

class QPlainTextEdit;
class TButton;

class TPCIForm : public QWidget {
  Q_OBJECT
 public:
  // Builds the window owned by `owner` (the main window), captioned for the
  // card, and shows it.
  TPCIForm(QWidget* owner, const QString& cardName);

  QPlainTextEdit* PCIMemo = nullptr;
  TButton* CloseButton = nullptr;
};
