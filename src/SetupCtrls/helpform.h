#pragma once
// The instructions window: a rich-text introduction and a Start button that
// opens the first highlight's popup on the main window's board image.
#include <QSize>
#include <QWidget>

class QLabel;
class TButton;
class TRichEdit;

class THelpForm : public QWidget {
  Q_OBJECT
 public:
  // Builds the window hidden, owned by `owner` (the main window), with the
  // rich-text `document`, scaled for a screen of `screen` pixels.
  THelpForm(QWidget* owner, const QString& document, QSize screen);

  TRichEdit* HelpRich = nullptr;
  QLabel* HelpLabel = nullptr;
  TButton* StartButton = nullptr;

  // Hides the window and sends the first board image on the main window
  // the message to open its first highlight's popup.
  void StartButtonClick(QObject* Sender);

  // The client size before scaling for the screen.
  static constexpr QSize kDesignClientSize{305, 138};

  void setVisible(bool visible) override;

 private:
  bool placed_ = false;
};
