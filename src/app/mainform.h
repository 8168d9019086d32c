#pragma once
// The main window of the PX-407 setup program.
#include <QMainWindow>

#include "platform/events.h"

class TMainMenu;
class TMenuItem;
class TSetupSupporter;

class TMainForm : public QMainWindow {
  Q_OBJECT
 public:
  explicit TMainForm(QWidget* parent = nullptr);

  // The window's client area, which holds every element of the board.
  QWidget* Client() const { return client_; }

  TMainMenu* MainMenu1 = nullptr;
  TMenuItem* File1 = nullptr;
  TMenuItem* Exit2 = nullptr;
  TMenuItem* Help1 = nullptr;
  TMenuItem* Howtousethisprogram1 = nullptr;
  TMenuItem* TechnicalSupport1 = nullptr;
  // The setup supporter: title line, instructions and support windows and
  // the calibration reading loop.
  TSetupSupporter* SetSup = nullptr;

  // The window's activation event; FormActivate clears it at its first run.
  TNotifyEvent OnActivate;

  void FormCreate(QObject* Sender);
  void FormActivate(QObject* Sender);
  void Exit2Click(QObject* Sender);
  void Howtousethisprogram1Click(QObject* Sender);
  void TechnicalSupport1Click(QObject* Sender);

  static const QString kDriverWarningText;
  static const QString kDriverWarningCaption;

 protected:
  bool event(QEvent* event) override;

 private:
  void BuildMenu();
  void BuildSupporter();
  QWidget* client_ = nullptr;
};
