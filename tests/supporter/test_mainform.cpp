// The main window's side of the supporter: SetSup with this card's
// settings, the hand-over of its hooks at the first activation, and the
// Help menu showing its windows.
#include <QAbstractEventDispatcher>
#include <QLabel>
#include <QPlainTextEdit>

#include "SetupCtrls/helpform.h"
#include "SetupCtrls/setupsupporter.h"
#include "SetupCtrls/techform.h"
#include "app/mainform.h"
#include "platform/button.h"
#include "platform/menu.h"
#include "platform/usermessage.h"
#include "portio/portbackendscope.h"
#include "portio/recordingbackend.h"
#include "testmain.h"

namespace fixture {

// Stands in for the board image on the main window.
class TBoardImage : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;
  int Opened = 0;

 protected:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::Type(WM_OPENFIRSTPOPUP)) {
      ++Opened;
      return true;
    }
    return QWidget::event(e);
  }
};

}  // namespace fixture

namespace {

void Activate(TMainForm& form) {
  QEvent activate(QEvent::WindowActivate);
  QCoreApplication::sendEvent(&form, &activate);
}

void FallIdle() {
  emit QAbstractEventDispatcher::instance()->aboutToBlock();
}

}  // namespace

class TestMainForm : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void supporterSettings();
  void firstActivationHandsOverHooks();
  void secondActivationChangesNothing();
  void helpItemsShowWindows();
  void instructionsStartOpensFirstPopup();

 private:
  std::unique_ptr<TPortBackendScope<TRecordingBackend>> ports_;
};

void TestMainForm::init() {
  // A card that answers the driver probe: no warning at creation.
  ports_ = std::make_unique<TPortBackendScope<TRecordingBackend>>();
  (*ports_)->setDefaultValue(0x20);
  TApplication::Instance()->OnIdle = nullptr;
}

void TestMainForm::cleanup() {
  TApplication::Instance()->OnIdle = nullptr;
  ports_.reset();
}

void TestMainForm::supporterSettings() {
  TMainForm form;
  TSetupSupporter* sup = form.findChild<TSetupSupporter*>("SetSup");
  QVERIFY(sup);
  QCOMPARE(sup, form.SetSup);
  QCOMPARE(sup->parent(), &form);
  QCOMPARE(sup->CompanyName(), QString("ORVANE"));
  QCOMPARE(sup->CardNameA(), QString("PX-407"));
  QCOMPARE(sup->CardNameB(), QString("PX-407"));
  QVERIFY(sup->ChangeButtons());
  QVERIFY(!sup->CallHow().isEmpty());
  QVERIFY(!sup->OnGetCardString);
  QVERIFY(!sup->OnStartButtonClick && !sup->OnStopButtonClick);
  // Nothing is built before the first idle moment.
  QVERIFY(!sup->HelpForm && !sup->TechForm && !sup->HeaderLabel);
}

void TestMainForm::firstActivationHandsOverHooks() {
  TMainForm form;
  TSetupSupporter* sup = form.SetSup;
  Activate(form);
  QVERIFY(!form.OnActivate);
  QVERIFY(TApplication::Instance()->OnIdle == TNotifyEvent::Bind(sup, &TSetupSupporter::FirstIdle));
  QVERIFY(sup->OnStartButtonClick == TNotifyEvent::Bind(sup, &TSetupSupporter::StartCalib));
  QVERIFY(sup->OnStopButtonClick == TNotifyEvent::Bind(sup, &TSetupSupporter::StopCalib));

  FallIdle();
  QVERIFY(!TApplication::Instance()->OnIdle);
  QCOMPARE(sup->HeaderLabel->text(), QString("PX-407 Series Settings Program"));
  QCOMPARE(sup->HeaderLabel->parentWidget(), form.Client());
  QVERIFY(sup->TechForm->TechMemo->toPlainText().contains(
      "ORVANE stands ready to provide that help. You can call us " + sup->CallHow() +
      " for any of your product questions."));
  QVERIFY(sup->HelpPending());
}

void TestMainForm::secondActivationChangesNothing() {
  TMainForm form;
  TSetupSupporter* sup = form.SetSup;
  Activate(form);
  FallIdle();
  const QPointer<THelpForm> help = sup->HelpForm;
  const TNotifyEvent own = [](QObject*) {};
  sup->OnStartButtonClick = own;

  Activate(form);
  FallIdle();
  QVERIFY(!TApplication::Instance()->OnIdle);
  QVERIFY(sup->OnStartButtonClick == own);
  QVERIFY(sup->OnStopButtonClick == TNotifyEvent::Bind(sup, &TSetupSupporter::StopCalib));
  QCOMPARE(sup->HelpForm, help);
  QCOMPARE(form.findChildren<THelpForm*>().size(), 1);
  QCOMPARE(form.findChildren<QLabel*>("HeaderLabel").size(), 1);
}

void TestMainForm::helpItemsShowWindows() {
  TMainForm form;
  // Before the windows exist the commands do nothing.
  form.Howtousethisprogram1->Click();
  form.TechnicalSupport1->Click();
  Activate(form);
  FallIdle();
  TSetupSupporter* sup = form.SetSup;
  QVERIFY(sup->HelpForm->isHidden() && sup->TechForm->isHidden());

  form.Howtousethisprogram1->Click();
  QVERIFY(sup->HelpForm->isVisible());
  QVERIFY(sup->TechForm->isHidden());
  form.Howtousethisprogram1->Click();  // already open: stays open
  QVERIFY(sup->HelpForm->isVisible());

  form.TechnicalSupport1->Click();
  QVERIFY(sup->TechForm->isVisible());
  form.TechnicalSupport1->Click();
  QVERIFY(sup->TechForm->isVisible());
  QVERIFY(sup->HelpForm->isVisible());

  // Closed windows are hidden and shown again by the menu.
  sup->TechForm->close();
  QVERIFY(sup->TechForm->isHidden());
  form.TechnicalSupport1->Click();
  QVERIFY(sup->TechForm->isVisible());
}

void TestMainForm::instructionsStartOpensFirstPopup() {
  TMainForm form;
  auto* board = new fixture::TBoardImage(form.Client());
  Activate(form);
  FallIdle();
  TSetupSupporter* sup = form.SetSup;
  sup->CalibTick();  // about 100 ms after start-up
  QVERIFY(sup->HelpForm->isVisible());
  sup->HelpForm->StartButton->Click();
  QVERIFY(sup->HelpForm->isHidden());
  QCOMPARE(board->Opened, 1);
}

PX_TEST_MAIN(TestMainForm)
#include "test_mainform.moc"
