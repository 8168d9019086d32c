#pragma once
// The setup supporter: the non-visual component that gives a card-setup
// program its frame around the board picture (the title line, the
// instructions, technical-support and installed-cards windows, built at the
// first idle moment) and runs the calibration reading loop, a 100 ms timer
// that asks the application for one reading per channel and lists them in
// every registered calibration panel.
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>

#include "calibpanels.h"
#include "platform/events.h"

class QLabel;
class QWidget;
class TButton;
class TListBox;
class TMenuItem;
class TTimerWindow;
class THelpForm;
class TTechForm;
class TPCIForm;

// One channel's reading: the text to list for `Channel`. A handler whose
// reading succeeded sets ItsAllBad to false; the flag is shared by the
// whole sweep.
using TCalibEvent = TEvent<QString(QObject* Sender, std::uint8_t Channel, bool& ItsAllBad)>;
// One installed card's one-line description; an empty text leaves it out.
using TPCIEvent = TEvent<QString(QObject* Sender, std::int32_t CardIndex)>;

// The system could not give the supporter its timer.
class EOutOfResources : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TSetupSupporter : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString CompanyName READ CompanyName WRITE setCompanyName)
  Q_PROPERTY(QString CardNameA READ CardNameA WRITE setCardNameA)
  Q_PROPERTY(QString CardNameB READ CardNameB WRITE setCardNameB)
  Q_PROPERTY(bool UseCardNameB READ UseCardNameB WRITE setUseCardNameB)
  Q_PROPERTY(QString CallHow READ CallHow WRITE setCallHow)
  Q_PROPERTY(bool MultiPort READ MultiPort WRITE setMultiPort)
  Q_PROPERTY(quint8 Channels READ Channels WRITE setChannels)
  Q_PROPERTY(bool ChangeButtons READ ChangeButtons WRITE setChangeButtons)
  Q_PROPERTY(bool bSeries READ bSeries WRITE setbSeries)
  Q_PROPERTY(TNotifyEvent OnBeginCalib READ OnBeginCalib WRITE setOnBeginCalib)
  Q_PROPERTY(TPCIEvent OnGetCardString MEMBER OnGetCardString)
  Q_PROPERTY(TCalibEvent OnGetCalibString MEMBER OnGetCalibString)
  Q_PROPERTY(TNotifyEvent OnStopButtonClick MEMBER OnStopButtonClick)
  Q_PROPERTY(TNotifyEvent OnStartButtonClick MEMBER OnStartButtonClick)

 public:
  // The owner is the main window whose frame the supporter builds.
  explicit TSetupSupporter(QObject* owner = nullptr);
  ~TSetupSupporter() override;

  QString CompanyName() const { return companyName_; }
  void setCompanyName(const QString& v) { companyName_ = v; }
  QString CardNameA() const { return cardNameA_; }
  void setCardNameA(const QString& v) { cardNameA_ = v; }
  QString CardNameB() const { return cardNameB_; }
  void setCardNameB(const QString& v) { cardNameB_ = v; }
  bool UseCardNameB() const { return useCardNameB_; }
  void setUseCardNameB(bool v) { useCardNameB_ = v; }
  QString CallHow() const { return callHow_; }
  void setCallHow(const QString& v) { callHow_ = v; }
  bool MultiPort() const { return multiPort_; }
  void setMultiPort(bool v) { multiPort_ = v; }
  quint8 Channels() const { return channels_; }
  void setChannels(quint8 v) { channels_ = v; }
  bool ChangeButtons() const { return changeButtons_; }
  void setChangeButtons(bool v) { changeButtons_ = v; }
  bool bSeries() const { return bSeries_; }
  void setbSeries(bool v) { bSeries_ = v; }

  // Raised at the start of every calibration tick. Assigning another
  // handler restarts the timer's period.
  TNotifyEvent OnBeginCalib() const { return onBeginCalib_; }
  void setOnBeginCalib(const TNotifyEvent& handler);

  // When assigned, the installed-cards window, its File-menu item and the
  // help sentence about them are built.
  TPCIEvent OnGetCardString;
  TCalibEvent OnGetCalibString;
  // The click handlers given to the registered buttons while the loop runs
  // (Stop) and while it is stopped (Start).
  TNotifyEvent OnStopButtonClick;
  TNotifyEvent OnStartButtonClick;

  bool HelpPending() const { return helpPending_; }
  bool Running() const { return running_; }

  // The hidden object that owns the timer.
  std::unique_ptr<TTimerWindow> TimerWindow;

  // Built by BuildWindows, owned by the main window.
  QPointer<QLabel> HeaderLabel;
  QPointer<TPCIForm> PCIForm;
  QPointer<THelpForm> HelpForm;
  QPointer<TTechForm> TechForm;

  const std::vector<TCalibPanel>& Panels() const { return panels_.Records(); }

  // The application's idle handler at start-up: removes itself, then builds
  // the windows.
  void FirstIdle(QObject* Sender);
  // Builds the title line and the windows, once.
  void BuildWindows();
  // Shows the installed-cards window.
  void ShowCardList(QObject* Sender);
  // Hides the window that holds the clicked button.
  void CloseParentClick(QObject* Sender);

  // Calibration loop.
  void RegisterCalibPanel(std::uint8_t PanelId, TListBox* ListBox, TButton* Button, QWidget* ErrorLabel);
  void StartCalib(QObject* Sender);
  void StopCalib(QObject* Sender);
  void ShowErrorLabels();

  // The loop's state changes and its tick; the timer drives the tick, which
  // may also be called directly.
  void SetRunning(bool value);
  void RearmTimer();
  // The timer's handler: runs the tick and hands any error escaping it to
  // the application's standard error report.
  void TimerWndProc(QObject* Sender);
  void CalibTick();

  // The screen size the instructions window is scaled for; the primary
  // screen's unless a source is given.
  std::function<QSize()> ScreenSizeSource;

  static constexpr int kTimerIntervalMs = 100;
  static constexpr int kTabStopDialogUnits = 50;
  static constexpr quint8 kDefaultChannels = 8;
  static const QString kNoTimerText;
  static const QString kUnassignedText;
  static const QString kUnassignedCaption;
  static const QString kTotalFailureText;
  static const QString kTotalFailureCaption;
  static const QString kNoCardText;
  static const QString kStopCaption;

 private:
  QWidget* MainWindow() const;
  QString CardName() const { return useCardNameB_ ? cardNameB_ : cardNameA_; }
  QSize ScreenSize() const;
  void BuildHeaderLabel(QWidget* main);
  bool BuildCardList(QWidget* main, const QString& cardName);
  void PutChannelLine(int channel, const QString& text);

  QString companyName_;
  QString cardNameA_;
  QString cardNameB_;
  bool useCardNameB_ = false;
  QString callHow_;
  bool multiPort_ = false;
  quint8 channels_ = kDefaultChannels;
  bool changeButtons_ = true;
  bool bSeries_ = true;
  TNotifyEvent onBeginCalib_;
  bool helpPending_ = false;
  bool running_ = false;
  bool built_ = false;
  TCalibPanels panels_;
};
