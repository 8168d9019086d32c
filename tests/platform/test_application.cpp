#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QtTest>
#include <stdexcept>

#include "platform/application.h"
#include "platform/messagebox.h"
#include "platform/timerwindow.h"
#include "platform/usermessage.h"

namespace {

// Throws from its event handler, as a component's handler might.
class TThrower : public QObject {
 public:
  bool event(QEvent* e) override {
    if (e->type() == QEvent::User) throw std::runtime_error("Bad value for the base address");
    return QObject::event(e);
  }
};

class TReceiver : public QObject {
 public:
  int seen = 0;
  qintptr w = -1, l = -1;
  bool event(QEvent* e) override {
    if (e->type() != QEvent::Type(WM_OPENFIRSTPOPUP)) return QObject::event(e);
    auto* m = static_cast<TMessageEvent*>(e);
    ++seen;
    w = m->WParam;
    l = m->LParam;
    m->Result = 42;
    return true;
  }
};

// Presses a button of the next modal message box once it is shown.
void PressWhenShown(QMessageBox::StandardButton which, QStringList* buttons, QString* defaultButton) {
  QTimer::singleShot(0, [=] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    QVERIFY(box);
    for (QAbstractButton* b : box->buttons()) buttons->append(b->text().remove(QLatin1Char('&')));
    if (box->defaultButton()) *defaultButton = box->defaultButton()->text().remove(QLatin1Char('&'));
    box->button(which)->click();
  });
}

}  // namespace

class TestApplication : public QObject {
  Q_OBJECT
 private slots:
  void anExceptionInAHandlerIsReportedAndTheProgramGoesOn() {
    QList<TMessageBoxRequest> shown;
    TMessageBoxResponderScope answer([&](const TMessageBoxRequest& r) {
      shown.append(r);
      return mb::IDOK;
    });
    TThrower thrower;
    QEvent e(QEvent::User);
    QCoreApplication::sendEvent(&thrower, &e);
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].text, QStringLiteral("Bad value for the base address."));
    QCOMPARE(shown[0].caption, QCoreApplication::applicationName());
    QCOMPARE(shown[0].flags, mb::MB_OK | mb::MB_ICONSTOP);
    // Posted events go through the same report.
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    QCOMPARE(shown.size(), 2);
  }

  void theIdleEventIsRaisedWhenTheQueueIsEmpty() {
    int calls = 0;
    QEventLoop loop;
    TApplication::Instance()->OnIdle = [&](QObject* sender) {
      QCOMPARE(sender, TApplication::Instance());
      ++calls;
      TApplication::Instance()->OnIdle = nullptr;  // a handler may clear itself
      loop.quit();
    };
    loop.exec();
    QCOMPARE(calls, 1);
    QVERIFY(!TApplication::Instance()->OnIdle);
  }

  void theTimerTicksUntilKilled() {
    TTimerWindow timer;
    int ticks = 0;
    QEventLoop loop;
    timer.OnTimer = [&](QObject* sender) {
      QCOMPARE(sender, &timer);
      if (++ticks == 2) {
        timer.KillTimer();
        loop.quit();
      }
    };
    QVERIFY(timer.SetTimer(1));
    QVERIFY(timer.Active());
    loop.exec();
    QCOMPARE(ticks, 2);
    QVERIFY(!timer.Active());
  }

  void aTimerOutsideARunningThreadIsRefused() {
    QThread neverStarted;
    TTimerWindow timer;
    timer.moveToThread(&neverStarted);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*"));
    QVERIFY(!timer.SetTimer(100));
    QVERIFY(!timer.Active());
    timer.moveToThread(QThread::currentThread());
  }

  void theProgramMessageArrivesSynchronouslyWithItsParameters() {
    TReceiver r;
    QCOMPARE(SendMessage(&r, WM_OPENFIRSTPOPUP, 0, 0), qintptr(42));
    QCOMPARE(r.seen, 1);
    QCOMPARE(r.w, qintptr(0));
    QCOMPARE(r.l, qintptr(0));
    QCOMPARE(WM_OPENFIRSTPOPUP, 0x04A2);
    QCOMPARE(SendMessage(nullptr, WM_OPENFIRSTPOPUP), qintptr(0));
  }

  void aResponderAnswersInPlaceOfTheUser() {
    TMessageBoxRequest seen;
    {
      TMessageBoxResponderScope answer([&](const TMessageBoxRequest& r) {
        seen = r;
        return mb::IDRETRY;
      });
      QCOMPARE(MessageBox(nullptr, QStringLiteral("All failed"), QStringLiteral("A/D"), 0x50135),
               mb::IDRETRY);
    }
    QCOMPARE(seen.flags, 0x50135u);
    QCOMPARE(seen.caption, QStringLiteral("A/D"));
  }

  void messageBoxButtonsFollowTheFlags_data() {
    QTest::addColumn<unsigned>("flags");
    QTest::addColumn<int>("press");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("defaultButton");
    QTest::addColumn<int>("answer");
    QTest::newRow("ok") << mb::MB_OK << int(QMessageBox::Ok) << QStringList{"OK"} << "OK" << mb::IDOK;
    QTest::newRow("ok cancel, cancel")
        << mb::MB_OKCANCEL << int(QMessageBox::Cancel) << QStringList{"OK", "Cancel"} << "OK" << mb::IDCANCEL;
    QTest::newRow("retry cancel, second default")
        << 0x50135u << int(QMessageBox::Retry) << QStringList{"Retry", "Cancel"} << "Cancel" << mb::IDRETRY;
    QTest::newRow("yes no") << mb::MB_YESNO << int(QMessageBox::No) << QStringList{"Yes", "No"} << "Yes"
                            << mb::IDNO;
  }
  void messageBoxButtonsFollowTheFlags() {
    QFETCH(unsigned, flags);
    QFETCH(int, press);
    QFETCH(QStringList, buttons);
    QFETCH(QString, defaultButton);
    QFETCH(int, answer);
    QStringList shownButtons;
    QString shownDefault;
    PressWhenShown(QMessageBox::StandardButton(press), &shownButtons, &shownDefault);
    QCOMPARE(MessageBox(nullptr, QStringLiteral("text"), QStringLiteral("caption"), flags), answer);
    shownButtons.sort();
    buttons.sort();
    QCOMPARE(shownButtons, buttons);
    QCOMPARE(shownDefault, defaultButton);
  }
};

int main(int argc, char** argv) {
  TApplication app(argc, argv);
  app.setApplicationName(QStringLiteral("Settings"));
  TestApplication test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_application.moc"
