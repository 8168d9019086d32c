// The calibration reading loop: registering panels, Start and Stop, the
// 100 ms tick with its sweep over the channels, and the two failure boxes.
// Ticks are run by calling them; no test waits for the timer.
#include <QLabel>
#include <QThread>
#include <stdexcept>

#include "SetupCtrls/helpform.h"
#include "platform/button.h"
#include "platform/listbox.h"
#include "platform/timerwindow.h"
#include "testmain.h"
#include "windowfixture.h"

namespace {

constexpr unsigned kUnassignedFlags = 0x50030;
constexpr unsigned kTotalFailureFlags = 0x50135;

struct TPanelFixture {
  TListBox list;
  TButton button;
  QLabel label{"A/D Error"};
};

// A scripted reading handler: channels listed in `bad` time out (they
// show the error labels and answer "Error"), the others answer a voltage.
struct TScriptedReadings {
  TSetupSupporter* supporter = nullptr;
  std::vector<int> bad;
  bool allBad = false;
  std::vector<int> channels;  // every channel asked for, in order
  std::vector<QObject*> senders;

  QString Read(QObject* sender, std::uint8_t channel, bool& itsAllBad) {
    channels.push_back(channel);
    senders.push_back(sender);
    if (allBad || std::find(bad.begin(), bad.end(), channel) != bad.end()) {
      supporter->ShowErrorLabels();
      return "Error";
    }
    itsAllBad = false;
    return QString::number(channel + 0.25, 'f', 3);
  }
  TCalibEvent Handler() {
    return [this](QObject* s, std::uint8_t c, bool& bad) { return Read(s, c, bad); };
  }
};

// A supporter with the application's wiring: its own Start and Stop are
// the buttons' handlers.
struct TLoopFixture {
  TLoopFixture() {
    sup.OnStartButtonClick = TNotifyEvent::Bind(&sup, &TSetupSupporter::StartCalib);
    sup.OnStopButtonClick = TNotifyEvent::Bind(&sup, &TSetupSupporter::StopCalib);
    readings.supporter = &sup;
    sup.OnGetCalibString = readings.Handler();
  }
  void Register(std::uint8_t id, TPanelFixture& p) {
    sup.RegisterCalibPanel(id, &p.list, &p.button, &p.label);
  }
  TSetupSupporter sup;
  TScriptedReadings readings;
};

QStringList Lines(const TListBox& list) {
  QStringList lines;
  for (int i = 0; i < list.Count(); ++i) lines << list.Line(i);
  return lines;
}

}  // namespace

class TestCalibLoop : public QObject {
  Q_OBJECT
 private slots:
  void defaults();
  void registerPanel_data();
  void registerPanel();
  void registerAgainKeepsFirstRecord();
  void registeredButtonGetsCopyOfStartHandler();
  void startAndStop_data();
  void startAndStop();
  void buttonsRunTheLoop();
  void sweepListsEveryChannel();
  void laterSweepsReplaceInPlace();
  void listsMissingLinesAreFilled();
  void errorLabelsPerSweep();
  void unassignedHandler();
  void totalFailure_data();
  void totalFailure();
  void partialFailureGoesOn();
  void helpBeforeSweep();
  void noChannels();
  void beginCalibRaisedAndRearms();
  void refusedTimer();
  void tickErrorsGoToReport();
  void controlsFreedByTheApplication();
  void destructionEndsTimer();
};

void TestCalibLoop::defaults() {
  TSetupSupporter sup;
  QCOMPARE(sup.Channels(), quint8(8));
  QVERIFY(sup.ChangeButtons());
  QVERIFY(sup.bSeries());
  QVERIFY(!sup.UseCardNameB());
  QVERIFY(!sup.MultiPort());
  QVERIFY(!sup.Running());
  QVERIFY(!sup.HelpPending());
  QVERIFY(sup.Panels().empty());
  QVERIFY(sup.TimerWindow);
  QVERIFY(!sup.TimerWindow->Active());
  QVERIFY(!sup.OnGetCalibString && !sup.OnGetCardString && !sup.OnBeginCalib());
  // Published in this order.
  const QMetaObject* meta = sup.metaObject();
  QStringList names;
  for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) names << meta->property(i).name();
  QCOMPARE(names,
           (QStringList{"CompanyName", "CardNameA", "CardNameB", "UseCardNameB", "CallHow", "MultiPort",
                        "Channels", "ChangeButtons", "bSeries", "OnBeginCalib", "OnGetCardString",
                        "OnGetCalibString", "OnStopButtonClick", "OnStartButtonClick"}));
  // Events are published too, read back as stored.
  const TNotifyEvent handler = [](QObject*) {};
  QVERIFY(sup.setProperty("OnStartButtonClick", QVariant::fromValue(handler)));
  QVERIFY(sup.OnStartButtonClick == handler);
  QVERIFY(sup.property("OnStartButtonClick").value<TNotifyEvent>() == handler);
}

void TestCalibLoop::registerPanel_data() {
  QTest::addColumn<int>("channels");
  QTest::addColumn<int>("lines");
  QTest::newRow("8 channels") << 8 << 7;
  QTest::newRow("1 channel") << 1 << 0;
  QTest::newRow("no channel") << 0 << 0;
}

void TestCalibLoop::registerPanel() {
  QFETCH(int, channels);
  QFETCH(int, lines);
  TLoopFixture f;
  f.sup.setChannels(quint8(channels));
  TPanelFixture p;
  p.list.SetText("old\nlines\nhere");
  p.button.setCaption("Stop");
  f.Register(2, p);
  QCOMPARE(f.sup.Panels().size(), std::size_t(1));
  QCOMPARE(f.sup.Panels()[0].PanelId, std::uint8_t(2));
  QCOMPARE(Lines(p.list), QStringList(lines, QString()));
  QCOMPARE(p.list.TabWidth(), 50);
  QCOMPARE(p.button.Caption(), QString("Start"));
  QVERIFY(p.button.OnClick == f.sup.OnStartButtonClick);
  QVERIFY(!f.sup.Running());
}

void TestCalibLoop::registerAgainKeepsFirstRecord() {
  TLoopFixture f;
  TPanelFixture first, second, other;
  f.Register(0, first);
  f.Register(1, other);
  f.sup.StartCalib(nullptr);
  f.sup.CalibTick();
  QCOMPARE(first.list.Count(), 8);

  // Entering the panel again while the loop runs: one record, the first
  // controls, the list emptied and the button "Start"; the loop goes on.
  f.Register(0, second);
  QCOMPARE(f.sup.Panels().size(), std::size_t(2));
  QCOMPARE(f.sup.Panels()[0].ListBox.data(), &first.list);
  QCOMPARE(Lines(first.list), QStringList(7, QString()));
  QCOMPARE(first.button.Caption(), QString("Start"));
  QCOMPARE(second.list.Count(), 0);
  QCOMPARE(other.button.Caption(), QString("Stop"));
  QVERIFY(f.sup.Running());
  QVERIFY(f.sup.TimerWindow->Active());

  // Its "Start" relabels every button "Stop" and leaves the loop running.
  first.button.Click();
  QCOMPARE(first.button.Caption(), QString("Stop"));
  QCOMPARE(other.button.Caption(), QString("Stop"));
  QVERIFY(f.sup.Running());
}

void TestCalibLoop::registeredButtonGetsCopyOfStartHandler() {
  TSetupSupporter sup;
  TPanelFixture p;
  sup.RegisterCalibPanel(0, &p.list, &p.button, &p.label);
  QVERIFY(!p.button.OnClick);
  // The handler assigned later does not reach the button.
  sup.OnStartButtonClick = TNotifyEvent::Bind(&sup, &TSetupSupporter::StartCalib);
  QVERIFY(!p.button.OnClick);
}

void TestCalibLoop::startAndStop_data() {
  QTest::addColumn<bool>("changeButtons");
  QTest::newRow("buttons changed") << true;
  QTest::newRow("buttons left alone") << false;
}

void TestCalibLoop::startAndStop() {
  QFETCH(bool, changeButtons);
  TLoopFixture f;
  f.sup.setChangeButtons(changeButtons);
  TPanelFixture a, b;
  a.button.setCaption("Mine");
  b.button.setCaption("Mine");
  const TNotifyEvent own = [](QObject*) {};
  a.button.OnClick = own;
  b.button.OnClick = own;
  f.Register(0, a);
  f.Register(1, b);
  const QString startCaption = changeButtons ? "Start" : "Mine";
  QCOMPARE(a.button.Caption(), startCaption);

  f.sup.StartCalib(nullptr);
  QVERIFY(f.sup.Running());
  QVERIFY(f.sup.TimerWindow->Active());
  for (TPanelFixture* p : {&a, &b}) {
    QCOMPARE(p->button.Caption(), changeButtons ? QString("Stop") : QString("Mine"));
    QVERIFY(p->button.OnClick == (changeButtons ? f.sup.OnStopButtonClick : own));
  }
  f.sup.StopCalib(nullptr);
  QVERIFY(!f.sup.Running());
  QVERIFY(!f.sup.TimerWindow->Active());
  for (TPanelFixture* p : {&a, &b}) {
    QCOMPARE(p->button.Caption(), startCaption);
    QVERIFY(p->button.OnClick == (changeButtons ? f.sup.OnStartButtonClick : own));
  }
}

void TestCalibLoop::buttonsRunTheLoop() {
  TLoopFixture f;
  TPanelFixture p;
  f.Register(0, p);
  QTest::mouseClick(&p.button, Qt::LeftButton);
  QVERIFY(f.sup.Running());
  QCOMPARE(p.button.Caption(), QString("Stop"));
  QTest::mouseClick(&p.button, Qt::LeftButton);
  QVERIFY(!f.sup.Running());
  QCOMPARE(p.button.Caption(), QString("Start"));
  // Stopping twice changes nothing.
  f.sup.StopCalib(nullptr);
  QVERIFY(!f.sup.TimerWindow->Active());
}

void TestCalibLoop::sweepListsEveryChannel() {
  TLoopFixture f;
  TPanelFixture a, b, c;
  f.Register(0, a);
  f.Register(1, b);
  f.Register(2, c);
  f.sup.StartCalib(nullptr);
  f.sup.CalibTick();
  QCOMPARE(f.readings.channels, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
  QCOMPARE(f.readings.senders, std::vector<QObject*>(8, &f.sup));
  QStringList expected;
  for (int ch = 0; ch < 8; ++ch) expected << QString("Channel %1\t%2").arg(ch).arg(ch + 0.25, 0, 'f', 3);
  QCOMPARE(expected.first(), QString("Channel 0\t0.250"));
  QCOMPARE(expected.last(), QString("Channel 7\t7.250"));
  // Every registered list gets every line, shown or not.
  for (TPanelFixture* p : {&a, &b, &c}) QCOMPARE(Lines(p->list), expected);
  QVERIFY(f.sup.Running());
}

void TestCalibLoop::laterSweepsReplaceInPlace() {
  TLoopFixture f;
  TPanelFixture p;
  f.Register(0, p);
  f.sup.StartCalib(nullptr);
  f.sup.CalibTick();
  p.list.SetItemIndex(5);
  f.readings.bad = {5};
  f.sup.CalibTick();
  QCOMPARE(p.list.Count(), 8);
  QCOMPARE(p.list.Line(5), QString("Channel 5\tError"));
  QCOMPARE(p.list.Line(4), QString("Channel 4\t4.250"));
  QCOMPARE(p.list.ItemIndex(), 5);
}

void TestCalibLoop::listsMissingLinesAreFilled() {
  TLoopFixture f;
  TPanelFixture p;
  f.Register(0, p);
  // The application emptied the list: lines before a channel's own are
  // made empty rather than failing.
  p.list.clear();
  f.readings.bad = {0, 1, 2, 4, 5, 6, 7};
  f.sup.setChannels(4);
  f.sup.CalibTick();
  QCOMPARE(Lines(p.list),
           (QStringList{"Channel 0\tError", "Channel 1\tError", "Channel 2\tError", "Channel 3\t3.250"}));
}

void TestCalibLoop::errorLabelsPerSweep() {
  TLoopFixture f;
  TPanelFixture a, b;
  f.Register(0, a);
  f.Register(1, b);
  f.sup.StartCalib(nullptr);
  a.label.show();
  b.label.show();
  f.sup.CalibTick();  // every channel good: the labels are hidden
  QVERIFY(a.label.isHidden() && b.label.isHidden());
  f.readings.bad = {3};
  f.sup.CalibTick();
  QVERIFY(!a.label.isHidden() && !b.label.isHidden());
  f.readings.bad = {};
  f.sup.CalibTick();
  QVERIFY(a.label.isHidden() && b.label.isHidden());
}

void TestCalibLoop::unassignedHandler() {
  TLoopFixture f;
  f.sup.OnGetCalibString = nullptr;
  TPanelFixture p;
  f.Register(0, p);
  std::vector<QString> order;
  f.sup.setOnBeginCalib([&](QObject* s) {
    QCOMPARE(s, &f.sup);
    order.push_back("begin");
  });
  TBoxRecorder boxes;
  boxes.Answer = [&](const TMessageBoxRequest&) {
    order.push_back("box");
    // The loop is stopped before the box opens; the buttons follow after.
    [&] {
      QVERIFY(!f.sup.Running());
      QVERIFY(!f.sup.TimerWindow->Active());
      QCOMPARE(p.button.Caption(), QString("Stop"));
    }();
    return mb::IDOK;
  };
  p.button.Click();
  f.sup.CalibTick();
  QCOMPARE(order, (std::vector<QString>{"begin", "box"}));
  QCOMPARE(boxes.Boxes.size(), std::size_t(1));
  QCOMPARE(boxes.Boxes[0].text, QString("Error: calibration begun, but OnGetCalibString isn't assigned."));
  QCOMPARE(boxes.Boxes[0].caption, QString("OnGetCalibString Not Assigned"));
  QCOMPARE(boxes.Boxes[0].flags, kUnassignedFlags);
  QCOMPARE(p.button.Caption(), QString("Start"));
  QVERIFY(!f.sup.Running());
}

void TestCalibLoop::totalFailure_data() {
  QTest::addColumn<int>("answer");
  QTest::addColumn<bool>("running");
  QTest::addColumn<QString>("caption");
  QTest::newRow("Retry") << int(mb::IDRETRY) << true << "Stop";
  QTest::newRow("Cancel") << int(mb::IDCANCEL) << false << "Start";
}

void TestCalibLoop::totalFailure() {
  QFETCH(int, answer);
  QFETCH(bool, running);
  QFETCH(QString, caption);
  TLoopFixture f;
  f.readings.allBad = true;
  TPanelFixture p;
  f.Register(0, p);
  f.sup.StartCalib(nullptr);
  TBoxRecorder boxes;
  bool stoppedWhileOpen = false;
  boxes.Answer = [&](const TMessageBoxRequest&) {
    stoppedWhileOpen = !f.sup.Running() && !f.sup.TimerWindow->Active() && p.button.Caption() == "Stop";
    return answer;
  };
  f.sup.CalibTick();
  QVERIFY(stoppedWhileOpen);
  QCOMPARE(boxes.Boxes.size(), std::size_t(1));
  QCOMPARE(boxes.Boxes[0].text,
           QString("Total A/D failure. The card may not be installed, or it may be installed "
                   "at a different base address."));
  QCOMPARE(boxes.Boxes[0].caption, QString("Total A/D failure"));
  QCOMPARE(boxes.Boxes[0].flags, kTotalFailureFlags);
  QCOMPARE(f.sup.Running(), running);
  QCOMPARE(f.sup.TimerWindow->Active(), running);
  QCOMPARE(p.button.Caption(), caption);
  // The failed sweep's lines stay.
  QCOMPARE(p.list.Count(), 8);
  QCOMPARE(p.list.Line(7), QString("Channel 7\tError"));
  QVERIFY(!p.label.isHidden());
}

void TestCalibLoop::partialFailureGoesOn() {
  TLoopFixture f;
  f.readings.bad = {0, 1, 2, 3, 4, 5, 6};
  TPanelFixture p;
  f.Register(0, p);
  f.sup.StartCalib(nullptr);
  TBoxRecorder boxes;
  f.sup.CalibTick();
  QVERIFY(boxes.Boxes.empty());
  QVERIFY(f.sup.Running());
}

void TestCalibLoop::helpBeforeSweep() {
  TMainWindowFixture w;
  TSetupSupporter& sup = *w.supporter;
  TScriptedReadings readings;
  readings.supporter = &sup;
  sup.OnGetCalibString = readings.Handler();
  sup.BuildWindows();
  sup.StartCalib(nullptr);
  QVERIFY(sup.HelpPending() && sup.Running());
  // The tick only shows the help; the timer goes on for the loop.
  sup.CalibTick();
  QVERIFY(sup.HelpForm->isVisible());
  QVERIFY(readings.channels.empty());
  QVERIFY(!sup.HelpPending());
  QVERIFY(sup.TimerWindow->Active());
  sup.CalibTick();
  QCOMPARE(readings.channels.size(), std::size_t(8));
}

void TestCalibLoop::noChannels() {
  TLoopFixture f;
  f.sup.setChannels(0);
  f.readings.allBad = true;
  TPanelFixture p;
  f.Register(0, p);
  f.sup.StartCalib(nullptr);
  TBoxRecorder boxes;
  f.sup.CalibTick();
  QVERIFY(f.readings.channels.empty());
  QVERIFY(boxes.Boxes.empty());
  QCOMPARE(p.list.Count(), 0);
  QVERIFY(f.sup.Running());
}

void TestCalibLoop::beginCalibRaisedAndRearms() {
  TLoopFixture f;
  int begun = 0;
  const TNotifyEvent count = [&](QObject*) { ++begun; };
  f.sup.setOnBeginCalib(count);
  QVERIFY(f.sup.OnBeginCalib() == count);
  QVERIFY(!f.sup.TimerWindow->Active());  // nothing to time while stopped
  f.sup.StartCalib(nullptr);
  f.sup.CalibTick();
  f.sup.CalibTick();
  QCOMPARE(begun, 2);

  // Assigning a handler re-arms the timer: seen here through a timer the
  // system refuses.
  QThread idle;
  f.sup.TimerWindow->KillTimer();
  f.sup.TimerWindow->moveToThread(&idle);
  f.sup.setOnBeginCalib(count);  // the same handler: nothing happens
  QVERIFY_THROWS_EXCEPTION(EOutOfResources, f.sup.setOnBeginCalib([](QObject*) {}));
}

void TestCalibLoop::refusedTimer() {
  TLoopFixture f;
  TPanelFixture p;
  f.Register(0, p);
  QThread idle;
  f.sup.TimerWindow->moveToThread(&idle);
  try {
    f.sup.StartCalib(nullptr);
    QFAIL("no error raised");
  } catch (const EOutOfResources& error) {
    QCOMPARE(QString(error.what()), QString("Not enough timers available"));
  }
  // The state just set stays; no ticks arrive.
  QVERIFY(f.sup.Running());
  QVERIFY(!f.sup.TimerWindow->Active());
  QCOMPARE(p.button.Caption(), QString("Stop"));

  // From a button press the error goes to the standard error report.
  TBoxRecorder boxes;
  p.button.Click();  // Stop: no timer wanted, no error
  QVERIFY(boxes.Boxes.empty());
  p.button.Click();  // Start again
  QCOMPARE(boxes.Boxes.size(), std::size_t(1));
  QCOMPARE(boxes.Boxes[0].text, QString("Not enough timers available."));
}

void TestCalibLoop::tickErrorsGoToReport() {
  TLoopFixture f;
  TPanelFixture p;
  f.Register(0, p);
  f.sup.StartCalib(nullptr);
  f.sup.OnGetCalibString = [](QObject*, std::uint8_t channel, bool& bad) -> QString {
    if (channel == 2) throw std::runtime_error("Conversion failed");
    bad = false;
    return "ok";
  };
  TBoxRecorder boxes;
  f.sup.TimerWndProc(f.sup.TimerWindow.get());
  QCOMPARE(boxes.Boxes.size(), std::size_t(1));
  QCOMPARE(boxes.Boxes[0].text, QString("Conversion failed."));
  // The tick ended where the error left it; the loop runs on.
  QCOMPARE(p.list.Line(1), QString("Channel 1\tok"));
  QCOMPARE(p.list.Line(2), QString());
  QVERIFY(f.sup.Running());
}

void TestCalibLoop::controlsFreedByTheApplication() {
  TLoopFixture f;
  auto gone = std::make_unique<TPanelFixture>();
  TPanelFixture kept;
  f.Register(0, *gone);
  f.Register(1, kept);
  gone.reset();
  f.sup.StartCalib(nullptr);
  f.sup.CalibTick();
  f.sup.ShowErrorLabels();
  f.sup.StopCalib(nullptr);
  QCOMPARE(kept.list.Count(), 8);
  QCOMPARE(kept.button.Caption(), QString("Start"));
}

void TestCalibLoop::destructionEndsTimer() {
  auto sup = std::make_unique<TSetupSupporter>();
  sup->StartCalib(nullptr);
  QPointer<TTimerWindow> timer = sup->TimerWindow.get();
  QVERIFY(timer->Active());
  sup.reset();
  QVERIFY(timer.isNull());

  // A supporter freed before the first idle moment takes its hook along;
  // another handler stays.
  sup = std::make_unique<TSetupSupporter>();
  TApplication::Instance()->OnIdle = TNotifyEvent::Bind(sup.get(), &TSetupSupporter::FirstIdle);
  sup.reset();
  QVERIFY(!TApplication::Instance()->OnIdle);
  const TNotifyEvent other = [](QObject*) {};
  TApplication::Instance()->OnIdle = other;
  { TSetupSupporter unrelated; }
  QVERIFY(TApplication::Instance()->OnIdle == other);
  TApplication::Instance()->OnIdle = nullptr;
}

PX_TEST_MAIN(TestCalibLoop)
#include "test_calibloop.moc"
