#include "setupsupporter.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QScreen>

#include "formfit.h"
#include "helpdocument.h"
#include "helpform.h"
#include "pciform.h"
#include "platform/anchors.h"
#include "platform/application.h"
#include "platform/button.h"
#include "platform/fonts.h"
#include "platform/listbox.h"
#include "platform/menu.h"
#include "platform/messagebox.h"
#include "platform/timerwindow.h"
#include "platform/windowgeometry.h"
#include "portio/driverlibrary.h"
#include "techform.h"

namespace {

constexpr int kHeaderPoints = 18;
const QString kFileMenuCaption = QStringLiteral("&File");

}  // namespace

const QString TSetupSupporter::kNoTimerText = QStringLiteral("Not enough timers available");
const QString TSetupSupporter::kUnassignedText =
    QStringLiteral("Error: calibration begun, but OnGetCalibString isn't assigned.");
const QString TSetupSupporter::kUnassignedCaption = QStringLiteral("OnGetCalibString Not Assigned");
const QString TSetupSupporter::kTotalFailureText = QStringLiteral(
    "Total A/D failure. The card may not be installed, or it may be installed at a different base address.");
const QString TSetupSupporter::kTotalFailureCaption = QStringLiteral("Total A/D failure");
const QString TSetupSupporter::kNoCardText = QStringLiteral("No Card Found");
const QString TSetupSupporter::kStopCaption = QStringLiteral("Stop");

TSetupSupporter::TSetupSupporter(QObject* owner) : QObject(owner), TimerWindow(new TTimerWindow) {
  TimerWindow->setObjectName(QStringLiteral("TimerWindow"));
  TimerWindow->OnTimer = TNotifyEvent::Bind(this, &TSetupSupporter::TimerWndProc);
}

TSetupSupporter::~TSetupSupporter() {
  // The loop ends with the component; destroying the hidden object ends any
  // timer on it.
  running_ = false;
  TimerWindow.reset();
  // An idle hook still waiting would call a component that is gone.
  if (TApplication* app = TApplication::Instance())
    if (app->OnIdle == TNotifyEvent::Bind(this, &TSetupSupporter::FirstIdle)) app->OnIdle = nullptr;
}

void TSetupSupporter::setOnBeginCalib(const TNotifyEvent& handler) {
  if (handler == onBeginCalib_) return;
  onBeginCalib_ = handler;
  RearmTimer();
}

QWidget* TSetupSupporter::MainWindow() const {
  auto* owner = qobject_cast<QWidget*>(parent());
  return owner ? owner->window() : nullptr;
}

QSize TSetupSupporter::ScreenSize() const {
  if (ScreenSizeSource) return ScreenSizeSource();
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen ? screen->size() : QSize();
}

// ---------------------------------------------------------------------------
// The frame: title line and windows

void TSetupSupporter::FirstIdle(QObject*) {
  if (TApplication* app = TApplication::Instance()) app->OnIdle = nullptr;
  BuildWindows();
}

void TSetupSupporter::BuildWindows() {
  QWidget* main = MainWindow();
  if (built_ || !main) return;
  built_ = true;
  const QString cardName = CardName();

  BuildHeaderLabel(main);

  THelpDocumentOptions help;
  help.CompanyName = companyName_;
  help.CardName = cardName;
  help.Series = bSeries_;
  help.MultiPort = multiPort_;
  help.ListsCards = bool(OnGetCardString);
  HelpForm = new THelpForm(main, HelpDocument(help), ScreenSize());

  TechForm = new TTechForm(main, SupportText(companyName_, callHow_));
  TechForm->CloseButton->OnClick = TNotifyEvent::Bind(this, &TSetupSupporter::CloseParentClick);

  const bool found = OnGetCardString ? BuildCardList(main, cardName) : true;
  if (!found) PCIForm->PCIMemo->setPlainText(kNoCardText);
  HeaderLabel->setText(HeaderCaption(cardName, bSeries_, found));

  helpPending_ = true;
  RearmTimer();
}

void TSetupSupporter::BuildHeaderLabel(QWidget* main) {
  QWidget* client = ClientArea(main);
  HeaderLabel = new QLabel(client);
  HeaderLabel->setObjectName(QStringLiteral("HeaderLabel"));
  HeaderLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  HeaderLabel->setFont(MakeFont(kTahomaFace, PointsToHeight(kHeaderPoints), true));
  QPalette pal = HeaderLabel->palette();
  pal.setColor(QPalette::WindowText, Qt::black);
  HeaderLabel->setPalette(pal);
  HeaderLabel->setGeometry(0, 0, client->width(), HeaderLabel->fontMetrics().height());
  SetAnchors(HeaderLabel, akLeft | akTop | akRight);
  HeaderLabel->show();
}

bool TSetupSupporter::BuildCardList(QWidget* main, const QString& cardName) {
  TMainMenu* menu = nullptr;
  if (auto* window = qobject_cast<QMainWindow*>(main)) menu = qobject_cast<TMainMenu*>(window->menuWidget());
  TMenuItem* file = nullptr;
  for (int i = 0; menu && i < menu->Count() && !file; ++i)
    if (menu->Items(i)->Caption() == kFileMenuCaption) file = menu->Items(i);
  if (file) {
    auto* item = new TMenuItem(file);
    item->setObjectName(QStringLiteral("DisplayPCI"));
    item->SetCaption(CardListMenuCaption(cardName));
    item->OnClick = TNotifyEvent::Bind(this, &TSetupSupporter::ShowCardList);
    file->Insert(0, item);
  }

  PCIForm = new TPCIForm(main, cardName);
  PCIForm->CloseButton->OnClick = TNotifyEvent::Bind(this, &TSetupSupporter::CloseParentClick);

  LoadDriverLibrary();
  const std::int32_t count = DriverLibraryLoaded() ? DriverCardCount() : 0;
  bool found = false;
  if (count > 0) {
    PCIForm->PCIMemo->clear();
    for (std::int32_t card = 0; card < count; ++card) {
      const QString text = OnGetCardString(this, card);
      if (text.isEmpty()) continue;
      PCIForm->PCIMemo->appendPlainText(text);
      found = true;
    }
  }
  return found;
}

void TSetupSupporter::ShowCardList(QObject*) {
  if (!PCIForm) return;
  PCIForm->show();
  PCIForm->raise();
  PCIForm->activateWindow();
}

void TSetupSupporter::CloseParentClick(QObject* Sender) {
  auto* button = qobject_cast<QWidget*>(Sender);
  if (button && button->parentWidget()) button->parentWidget()->hide();
}

// ---------------------------------------------------------------------------
// The calibration loop

void TSetupSupporter::RegisterCalibPanel(std::uint8_t PanelId, TListBox* ListBox, TButton* Button,
                                         QWidget* ErrorLabel) {
  const TCalibPanel& panel = panels_.Register(PanelId, ListBox, Button, ErrorLabel);
  // One line fewer than channels: the last channel's line is appended by
  // the first sweep.
  if (panel.ListBox) {
    panel.ListBox->SetText(QString(std::max(0, int(channels_) - 1), QLatin1Char('\r')));
    panel.ListBox->setTabWidth(kTabStopDialogUnits);
  }
  if (changeButtons_ && panel.Button) {
    panel.Button->OnClick = OnStartButtonClick;
    panel.Button->setCaption(kStartCaption);
  }
}

void TSetupSupporter::StartCalib(QObject*) {
  if (changeButtons_) panels_.SetButtons(OnStopButtonClick, kStopCaption);
  SetRunning(true);
}

void TSetupSupporter::StopCalib(QObject*) {
  if (changeButtons_) panels_.SetButtons(OnStartButtonClick, kStartCaption);
  SetRunning(false);
}

void TSetupSupporter::ShowErrorLabels() {
  panels_.ShowErrorLabels();
}

void TSetupSupporter::SetRunning(bool value) {
  if (value == running_) return;
  running_ = value;
  RearmTimer();
}

void TSetupSupporter::RearmTimer() {
  TimerWindow->KillTimer();
  if (!running_ && !helpPending_) return;
  if (!TimerWindow->SetTimer(kTimerIntervalMs)) throw EOutOfResources(kNoTimerText.toStdString());
}

void TSetupSupporter::TimerWndProc(QObject*) {
  try {
    CalibTick();
  } catch (const std::exception& error) {
    ShowStandardErrorReport(error);
  }
}

void TSetupSupporter::CalibTick() {
  if (helpPending_) {
    if (HelpForm) HelpForm->show();
    helpPending_ = false;
    RearmTimer();
    return;
  }
  if (onBeginCalib_) onBeginCalib_(this);
  if (!OnGetCalibString) {
    SetRunning(false);
    MessageBox(nullptr, kUnassignedText, kUnassignedCaption,
               mb::MB_OK | mb::MB_ICONEXCLAMATION | mb::MB_SETFOREGROUND | mb::MB_TOPMOST);
    StopCalib(this);
    return;
  }
  panels_.HideErrorLabels();
  bool itsAllBad = true;
  for (int channel = 0; channel < channels_; ++channel)
    PutChannelLine(channel, OnGetCalibString(this, std::uint8_t(channel), itsAllBad));
  // A sweep without channels has nothing to fail.
  if (!itsAllBad || channels_ == 0) return;

  SetRunning(false);
  const int answer = MessageBox(nullptr, kTotalFailureText, kTotalFailureCaption,
                                mb::MB_RETRYCANCEL | mb::MB_ICONEXCLAMATION | mb::MB_DEFBUTTON2 |
                                    mb::MB_SETFOREGROUND | mb::MB_TOPMOST);
  if (answer == mb::IDRETRY)
    SetRunning(true);
  else
    StopCalib(this);
}

void TSetupSupporter::PutChannelLine(int channel, const QString& text) {
  panels_.PutChannelLine(channel, text);
}
