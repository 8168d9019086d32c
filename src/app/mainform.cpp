#include "mainform.h"

#include <QEvent>
#include <QLayout>

#include "SetupCtrls/helpform.h"
#include "SetupCtrls/setupsupporter.h"
#include "SetupCtrls/techform.h"
#include "platform/application.h"
#include "platform/fonts.h"
#include "platform/menu.h"
#include "platform/messagebox.h"
#include "platform/tcolor.h"
#include "portio/portio.h"

namespace {

constexpr int kDesignClientWidth = 823;
constexpr int kDesignClientHeight = 580;
constexpr std::uint32_t kProbePort = 0x61;
constexpr TColor kFormColor = clWhite;
constexpr int kFontHeight = -11;

const QString kCompanyName = QStringLiteral("ORVANE");
const QString kCardName = QStringLiteral("PX-407");
const QString kCallHow =
    QStringLiteral("Monday through Friday from 8:00 a.m. to 5:00 p.m. Pacific Time at (949) 555-0147");

TMenuItem* MakeItem(QObject* owner, const char* name, const QString& caption) {
  auto* item = new TMenuItem(owner);
  item->setObjectName(QString::fromLatin1(name));
  item->SetCaption(caption);
  return item;
}

}  // namespace

const QString TMainForm::kDriverWarningText = QStringLiteral(
    "DIVEDAVA.VUD not detected. Please copy DIVEDAVA.VUD into [NT]/system32/drivers and re-run this setup "
    "program.");
const QString TMainForm::kDriverWarningCaption = QStringLiteral("Warning");

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("MainForm"));
  setWindowTitle(QStringLiteral("Setup"));
  setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                 Qt::WindowCloseButtonHint);
  setFont(MakeFont(QStringLiteral("MS Sans Serif"), kFontHeight));

  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("ClientArea"));
  client_->setAutoFillBackground(true);
  QPalette pal = client_->palette();
  pal.setColor(QPalette::Window, ToQColor(kFormColor));
  client_->setPalette(pal);
  setCentralWidget(client_);

  BuildMenu();
  BuildSupporter();
  resize(kDesignClientWidth, kDesignClientHeight + menuBar()->sizeHint().height());
  layout()->activate();  // the client area has its design size from the start

  OnActivate = TNotifyEvent::Bind(this, &TMainForm::FormActivate);
  FormCreate(this);
}

void TMainForm::BuildMenu() {
  MainMenu1 = new TMainMenu(this);
  MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
  setMenuBar(MainMenu1);

  File1 = MakeItem(this, "File1", QStringLiteral("&File"));
  Exit2 = MakeItem(this, "Exit2", QStringLiteral("&Exit"));
  Exit2->OnClick = TNotifyEvent::Bind(this, &TMainForm::Exit2Click);
  MainMenu1->Add(File1);
  File1->Add(Exit2);

  Help1 = MakeItem(this, "Help1", QStringLiteral("&Help"));
  Howtousethisprogram1 = MakeItem(this, "Howtousethisprogram1", QStringLiteral("H&ow to use this program"));
  Howtousethisprogram1->OnClick = TNotifyEvent::Bind(this, &TMainForm::Howtousethisprogram1Click);
  TechnicalSupport1 = MakeItem(this, "TechnicalSupport1", QStringLiteral("&Technical Support"));
  TechnicalSupport1->OnClick = TNotifyEvent::Bind(this, &TMainForm::TechnicalSupport1Click);
  MainMenu1->Add(Help1);
  Help1->Add(Howtousethisprogram1);
  Help1->Add(TechnicalSupport1);
}

void TMainForm::BuildSupporter() {
  SetSup = new TSetupSupporter(this);
  SetSup->setObjectName(QStringLiteral("SetSup"));
  SetSup->setCompanyName(kCompanyName);
  SetSup->setCardNameA(kCardName);
  SetSup->setCardNameB(kCardName);
  SetSup->setCallHow(kCallHow);
  SetSup->setChangeButtons(true);
}

void TMainForm::FormCreate(QObject*) {
  // The port-I/O layer answers 0xAA55 for every read when it has no access
  // to the ports; a real byte read has its upper byte 0 and never matches.
  if ((InPortB(kProbePort) & 0xFFFFu) == kDriverNotLoaded)
    MessageBox(nullptr, kDriverWarningText, kDriverWarningCaption, mb::MB_OKCANCEL);
}

void TMainForm::FormActivate(QObject*) {
  OnActivate = nullptr;
  // The supporter builds its windows at the first idle moment, and its
  // own Start and Stop run the calibration buttons.
  if (TApplication* app = TApplication::Instance())
    app->OnIdle = TNotifyEvent::Bind(SetSup, &TSetupSupporter::FirstIdle);
  SetSup->OnStartButtonClick = TNotifyEvent::Bind(SetSup, &TSetupSupporter::StartCalib);
  SetSup->OnStopButtonClick = TNotifyEvent::Bind(SetSup, &TSetupSupporter::StopCalib);
}

void TMainForm::Exit2Click(QObject*) {
  close();
}

// The supporter's windows exist from the first idle moment on; until then
// these do nothing. A window already open stays open.
void TMainForm::Howtousethisprogram1Click(QObject*) {
  if (SetSup->HelpForm) SetSup->HelpForm->show();
}

void TMainForm::TechnicalSupport1Click(QObject*) {
  if (SetSup->TechForm) SetSup->TechForm->show();
}

bool TMainForm::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate && OnActivate) {
    const TNotifyEvent handler = OnActivate;
    handler(this);
  }
  return QMainWindow::event(event);
}
