#include <QtTest>

#include "platform/classname.h"
#include "platform/events.h"
#include "platform/rounding.h"
#include "platform/tcolor.h"

class TRadioPanel : public QObject {
  Q_OBJECT
 public:
  void Handler(QObject*) {}
  void Other(QObject*) {}
};

class TMyRadioPanel : public TRadioPanel {
  Q_OBJECT
};

namespace fixture {
class TBoardImage : public QObject {
  Q_OBJECT
};
}  // namespace fixture

class TestBasics : public QObject {
  Q_OBJECT
 private slots:
  void roundsHalvesToEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<long long>("rounded");
    QTest::newRow("0.5") << 0.5 << 0LL;
    QTest::newRow("1.5") << 1.5 << 2LL;
    QTest::newRow("2.5") << 2.5 << 2LL;
    QTest::newRow("-0.5") << -0.5 << 0LL;
    QTest::newRow("-1.5") << -1.5 << -2LL;
    QTest::newRow("-2.5") << -2.5 << -2LL;
    QTest::newRow("457.33") << 800 * (343.0 / 600.0) << 457LL;
    QTest::newRow("2.4999") << 2.4999 << 2LL;
    QTest::newRow("-2.51") << -2.51 << -3LL;
    QTest::newRow("86399999+2") << 86400001.0 << 86400001LL;
  }
  void roundsHalvesToEven() {
    QFETCH(double, value);
    QFETCH(long long, rounded);
    QCOMPARE(RoundHalfEven(value), rounded);
  }

  void classNamesIgnoreCaseNamespacesButNotInheritance() {
    TRadioPanel panel;
    TMyRadioPanel derived;
    fixture::TBoardImage image;
    QObject plain;
    QVERIFY(IsClassName(&panel, "TRadioPanel"));
    QVERIFY(IsClassName(&panel, "tradiopanel"));
    QVERIFY(!IsClassName(&derived, "TRadioPanel"));
    QVERIFY(IsClassName(&derived, "TMYRADIOPANEL"));
    QVERIFY(IsClassName(&image, "TBoardImage"));
    QVERIFY(!IsClassName(&plain, "TRadioPanel"));
    QVERIFY(!IsClassName(nullptr, "TRadioPanel"));
    QVERIFY(!IsClassName(&panel, "TRadioPane"));
  }

  void classNamesOrDerivedFollowTheBaseClasses() {
    TRadioPanel panel;
    TMyRadioPanel derived;
    fixture::TBoardImage image;
    QVERIFY(IsClassNameOrDerived(&panel, "TRadioPanel"));
    QVERIFY(IsClassNameOrDerived(&derived, "tradiopanel"));
    QVERIFY(IsClassNameOrDerived(&derived, "TMyRadioPanel"));
    QVERIFY(IsClassNameOrDerived(&derived, "QObject"));
    QVERIFY(!IsClassNameOrDerived(&panel, "TMyRadioPanel"));
    QVERIFY(IsClassNameOrDerived(&image, "TBoardImage"));
    QVERIFY(!IsClassNameOrDerived(nullptr, "QObject"));
  }

  void eventsAreEmptyUntilAssignedAndRaiseTheirTarget() {
    TNotifyEvent e;
    QVERIFY(!e);
    QObject* seen = nullptr;
    e = [&seen](QObject* sender) { seen = sender; };
    QVERIFY(bool(e));
    QObject sender;
    e(&sender);
    QCOMPARE(seen, &sender);
    e = nullptr;
    QVERIFY(!e);
  }

  void eventsCompareByWhatTheyCall() {
    TRadioPanel a, b;
    const TNotifyEvent ah = TNotifyEvent::Bind(&a, &TRadioPanel::Handler);
    QVERIFY(ah == TNotifyEvent::Bind(&a, &TRadioPanel::Handler));
    QVERIFY(!(ah == TNotifyEvent::Bind(&b, &TRadioPanel::Handler)));
    QVERIFY(!(ah == TNotifyEvent::Bind(&a, &TRadioPanel::Other)));
    const TNotifyEvent lambda = [](QObject*) {};
    const TNotifyEvent copy = lambda;
    QVERIFY(copy == lambda);
    QVERIFY(!(lambda == TNotifyEvent([](QObject*) {})));
    QVERIFY(TNotifyEvent() == TNotifyEvent(nullptr));
    QVERIFY(!(TNotifyEvent() == lambda));
  }

  void eventsWithResultsAndReferenceParameters() {
    TEvent<QString(QObject*, quint8, bool&)> calib = [](QObject*, quint8 channel, bool& allBad) {
      allBad = false;
      return QString::number(channel);
    };
    bool allBad = true;
    QCOMPARE(calib(nullptr, 7, allBad), QStringLiteral("7"));
    QVERIFY(!allBad);
  }

  void coloursSplitIntoChannels() {
    const TColor c = MakeColor(0x12, 0x34, 0x56);
    QCOMPARE(c, TColor(0x563412));
    QCOMPARE(RedOf(c), 0x12);
    QCOMPARE(BlueOf(c), 0x56);
    QCOMPARE(ToQColor(c), QColor(0x12, 0x34, 0x56));
    QCOMPARE(ColorToRGB(0xFF563412u & 0x7FFFFFFFu), TColor(0x563412));
    QVERIFY(IsSystemColor(clBtnFace));
    QCOMPARE(FromPixel(ToPixel(c)), c);
    QCOMPARE(ToPixel(c), 0xFF123456u);
  }
};

QTEST_MAIN(TestBasics)
#include "test_basics.moc"
