// The two- and three-pin jumper controls: defaults, the drawn pixels in each
// orientation, the size swap, and what a click does on and off a radio panel.
#include <QApplication>
#include <QMetaProperty>
#include <QTest>
#include <memory>

#include "SetupCtrls/radiopanel.h"
#include "SetupCtrls/threejumper.h"
#include "SetupCtrls/twojumper.h"
#include "drawingprobe.h"

Q_DECLARE_METATYPE(TOrientationType)
Q_DECLARE_METATYPE(TJumperState)

namespace {

QRect Box(int x1, int y1, int x2, int y2) {
  return QRect(x1, y1, x2 - x1, y2 - y1);
}

TColor Face() {
  return ColorToRGB(clBtnFace);
}

}  // namespace

namespace fixture {
// A panel class of another name: its jumpers are not radio jumpers.
class TRadioPanelEx : public TRadioPanel {
  Q_OBJECT
 public:
  using TRadioPanel::TRadioPanel;
};
}  // namespace fixture

class TestJumpers : public QObject {
  Q_OBJECT

 private slots:
  void newJumpersHaveTheirDefaults() {
    TTwoJumper two;
    QCOMPARE(two.size(), QSize(34, 18));
    QCOMPARE(two.Orientation(), otUp);
    QCOMPARE(two.Closed(), false);
    QCOMPARE(two.BaseColor(), TColor(8421504));
    QCOMPARE(two.PinColor(), TColor(65535));
    QCOMPARE(two.JumperColor(), TColor(128));
    QCOMPARE(two.BorderStyle(), bsSingle);
    QVERIFY(!two.SizeSwapPending() && !two.PaintedOnce());
    QVERIFY(two.ControlImage().isNull() && two.DrawingImage().isNull());
    TThreeJumper three;
    QCOMPARE(three.size(), QSize(43, 18));
    QCOMPARE(three.JumperState(), jsOpen);
    QCOMPARE(three.AllowOpen(), true);
    QCOMPARE(three.Orientation(), otUp);
    QCOMPARE(three.BaseColor(), TColor(8421504));
    QCOMPARE(three.BorderStyle(), bsSingle);
  }

  void publishedInFormOrder_data() {
    QTest::addColumn<const QMetaObject*>("meta");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("two-pin") << &TTwoJumper::staticMetaObject
                             << QStringList{"Closed",      "BaseColor",   "PinColor",
                                            "JumperColor", "Orientation", "BorderStyle"};
    QTest::newRow("three-pin") << &TThreeJumper::staticMetaObject
                               << QStringList{"JumperState", "BaseColor",   "PinColor", "JumperColor",
                                              "Orientation", "BorderStyle", "AllowOpen"};
  }
  void publishedInFormOrder() {
    QFETCH(const QMetaObject*, meta);
    QFETCH(QStringList, names);
    QStringList got;
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) got << meta->property(i).name();
    QCOMPARE(got, names);
  }

  void propertiesAreReachableByName() {
    TThreeJumper three;
    QVERIFY(three.setProperty("JumperState", QVariant::fromValue(jsRight)));
    QVERIFY(three.setProperty("Orientation", QVariant::fromValue(otLeft)));
    QVERIFY(three.setProperty("PinColor", QVariant::fromValue(TColor(clRed))));
    QCOMPARE(three.JumperState(), jsRight);
    QCOMPARE(three.Orientation(), otLeft);
    QCOMPARE(three.PinColor(), clRed);
    QCOMPARE(three.property("AllowOpen").toBool(), true);
  }

  void twoPinOpenPicture() {
    TTwoJumper j;
    const QImage s = Shot(j);
    QCOMPARE(At(s, 0, 0), Face());    // corner outside the rounded body
    QCOMPARE(At(s, 16, 1), clBlack);  // top edge of the body
    QCOMPARE(At(s, 16, 9), clGray);   // body between the pins
    QCOMPARE(At(s, 16, 0), Face());
    QCOMPARE(Extent(s, clYellow, Box(0, 0, 17, 18)), Box(8, 6, 14, 12));
    QCOMPARE(Extent(s, clYellow, Box(17, 0, 34, 18)), Box(20, 6, 26, 12));
    QCOMPARE(Extent(s, clBlack), Box(1, 1, 33, 17));
  }

  void twoPinClosedPicture() {
    TTwoJumper j;
    j.setClosed(true);
    const QImage s = Shot(j);
    QCOMPARE(At(s, 0, 0), clBlack);
    QCOMPARE(At(s, 33, 17), clBlack);
    QCOMPARE(At(s, 1, 1), clMaroon);
    QCOMPARE(At(s, 16, 9), clMaroon);
    QCOMPARE(Extent(s, clMaroon), Box(1, 1, 33, 17));
    QCOMPARE(Extent(s, clYellow, Box(0, 0, 17, 18)), Box(8, 6, 14, 12));
    QCOMPARE(Extent(s, clYellow, Box(17, 0, 34, 18)), Box(20, 6, 26, 12));
  }

  // 18 x 34 facing right, as the board's panels place them: (x, y) of the
  // picture lands at (17 - y, x).
  void twoPinFacingRight() {
    TTwoJumper j;
    j.resize(18, 34);
    j.setOrientation(otRight);
    const QImage s = Shot(j);
    QCOMPARE(j.size(), QSize(18, 34));
    QCOMPARE(j.DrawingImage().size(), QSize(34, 18));
    QCOMPARE(At(s, 8, 11), clYellow);
    QCOMPARE(At(s, 8, 23), clYellow);
    QCOMPARE(Extent(s, clYellow, Box(0, 0, 18, 17)), Box(6, 8, 12, 14));
    QCOMPARE(Extent(s, clYellow, Box(0, 17, 18, 34)), Box(6, 20, 12, 26));
    QCOMPARE(Extent(s, clBlack), Box(1, 1, 17, 33));
  }

  void noBlackOnBorderlessTwoPin_data() {
    QTest::addColumn<bool>("closed");
    QTest::newRow("open") << false;
    QTest::newRow("closed") << true;
  }
  void noBlackOnBorderlessTwoPin() {
    QFETCH(bool, closed);
    TTwoJumper j;
    j.setBorderStyle(bsNone);
    j.setClosed(closed);
    const QImage s = Shot(j);
    QCOMPARE(Count(s, clBlack), 0);
    QCOMPARE(At(s, 16, 1), closed ? clMaroon : clGray);
  }

  // Which pins a shunt covers, read just left of each pin's box in the
  // picture: shunt colour when covered, body grey when not.
  void threePinShunts_data() {
    QTest::addColumn<TOrientationType>("o");
    QTest::addColumn<TJumperState>("state");
    QTest::addColumn<QList<QPoint>>("probes");  // beside the left, middle and right pin
    QTest::addColumn<QList<bool>>("covered");
    const QList<QPoint> up{{6, 9}, {17, 9}, {29, 9}};
    const QList<QPoint> right{{8, 6}, {8, 17}, {8, 29}};  // left end at the top
    const QList<QPoint> left{{9, 36}, {9, 25}, {9, 13}};  // left end at the bottom
    QTest::newRow("up, open") << otUp << jsOpen << up << QList<bool>{false, false, false};
    QTest::newRow("up, left") << otUp << jsLeft << up << QList<bool>{true, true, false};
    QTest::newRow("up, right") << otUp << jsRight << up << QList<bool>{false, true, true};
    QTest::newRow("right, left: upper two") << otRight << jsLeft << right << QList<bool>{true, true, false};
    QTest::newRow("right, right: lower two") << otRight << jsRight << right << QList<bool>{false, true, true};
    QTest::newRow("left, left: lower two") << otLeft << jsLeft << left << QList<bool>{true, true, false};
    QTest::newRow("left, right: upper two") << otLeft << jsRight << left << QList<bool>{false, true, true};
  }
  void threePinShunts() {
    QFETCH(TOrientationType, o);
    QFETCH(TJumperState, state);
    QFETCH(QList<QPoint>, probes);
    QFETCH(QList<bool>, covered);
    TThreeJumper j;
    if (IsSideways(o)) j.resize(18, 43);
    j.setOrientation(o);
    j.setJumperState(state);
    const QImage s = Shot(j);
    for (int i = 0; i < 3; ++i) QCOMPARE(At(s, probes[i].x(), probes[i].y()), covered[i] ? clMaroon : clGray);
  }

  void threePinShuntExtents_data() {
    QTest::addColumn<TJumperState>("state");
    QTest::addColumn<QRect>("shunt");
    QTest::newRow("left") << jsLeft << Box(0, 0, 27, 18);
    QTest::newRow("right") << jsRight << Box(15, 0, 43, 18);
  }
  void threePinShuntExtents() {
    QFETCH(TJumperState, state);
    QFETCH(QRect, shunt);
    TThreeJumper j;
    j.setJumperState(state);
    const QImage s = Shot(j);
    // Outlined black, filled maroon inside its border.
    QCOMPARE(Extent(s, clMaroon), shunt.adjusted(1, 1, -1, -1));
    QCOMPARE(At(s, shunt.left(), 9), clBlack);
    QCOMPARE(At(s, shunt.right(), 9), clBlack);
    QCOMPARE(At(s, shunt.left() + 5, 0), clBlack);
    QCOMPARE(Extent(s, clYellow, Box(0, 0, 15, 18)), Box(7, 6, 13, 12));
    QCOMPARE(Extent(s, clYellow, Box(15, 0, 27, 18)), Box(18, 6, 24, 12));
    QCOMPARE(Extent(s, clYellow, Box(27, 0, 43, 18)), Box(30, 6, 36, 12));
  }

  void borderlessThreePinStillOutlinesItsShunt() {
    TThreeJumper j;
    j.setBorderStyle(bsNone);
    j.setJumperState(jsLeft);
    const QImage s = Shot(j);
    QCOMPARE(At(s, 26, 9), clBlack);  // the shunt's right edge
    QCOMPARE(At(s, 34, 1), clGray);   // the body's top edge, outside the shunt
    QCOMPARE(Extent(s, clBlack), Box(0, 0, 27, 18));
  }

  void backgroundComesFromARadioPanelOnly_data() {
    QTest::addColumn<int>("parentKind");  // 0 radio panel, 1 derived panel, 2 plain widget
    QTest::addColumn<bool>("panelColour");
    QTest::newRow("radio panel") << 0 << true;
    QTest::newRow("class derived from the radio panel") << 1 << false;
    QTest::newRow("plain widget") << 2 << false;
  }
  void backgroundComesFromARadioPanelOnly() {
    QFETCH(int, parentKind);
    QFETCH(bool, panelColour);
    std::unique_ptr<QWidget> parent;
    if (parentKind == 0) parent = std::make_unique<TRadioPanel>();
    if (parentKind == 1) parent = std::make_unique<fixture::TRadioPanelEx>();
    if (parentKind == 2) parent = std::make_unique<QWidget>();
    parent->setProperty("Color", QVariant::fromValue(TColor(clTeal)));
    auto* two = new TTwoJumper(parent.get());
    auto* three = new TThreeJumper(parent.get());
    const TColor expected = panelColour ? clTeal : Face();
    QCOMPARE(At(Shot(*two), 0, 0), expected);
    QCOMPARE(At(Shot(*three), 0, 0), expected);
  }

  void orientationWithinTheGroupKeepsTheSize() {
    TTwoJumper j;
    Shot(j);
    j.setOrientation(otDown);
    QVERIFY(!j.SizeSwapPending());
    Shot(j);
    QCOMPARE(j.size(), QSize(34, 18));
  }

  void orientationAcrossTheGroupsSwapsOncePainted() {
    TTwoJumper j;
    Shot(j);
    j.setOrientation(otRight);
    QVERIFY(j.SizeSwapPending());
    QCOMPARE(j.size(), QSize(34, 18));
    Shot(j);
    QVERIFY(!j.SizeSwapPending());
    QCOMPARE(j.size(), QSize(18, 34));
    const QImage s = Shot(j);
    QCOMPARE(s.size(), QSize(18, 34));
    QCOMPARE(At(s, 8, 11), clYellow);
    QCOMPARE(At(s, 8, 23), clYellow);
  }

  // On a shown window the swapped control is laid out and painted anew.
  void sizeSwapOnTheScreen() {
    QWidget window;
    auto* j = new TTwoJumper(&window);
    window.show();
    QCoreApplication::processEvents();
    QVERIFY(j->PaintedOnce());
    j->setOrientation(otRight);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QCOMPARE(j->size(), QSize(18, 34));
    QVERIFY(!j->SizeSwapPending());
    QCOMPARE(j->DrawingImage().size(), QSize(34, 18));
    QCOMPARE(j->ControlImage().size(), QSize(18, 34));
  }

  void turningBackBeforeThePaintKeepsTheSize() {
    TTwoJumper j;
    Shot(j);
    j.setOrientation(otRight);
    j.setOrientation(otUp);
    QVERIFY(!j.SizeSwapPending());
    const QImage s = Shot(j);
    QCOMPARE(j.size(), QSize(34, 18));
    QCOMPARE(Extent(s, clYellow, Box(0, 0, 17, 18)), Box(8, 6, 14, 12));
    j.setOrientation(otLeft);
    j.setOrientation(otRight);
    QVERIFY(j.SizeSwapPending());
    Shot(j);
    QCOMPARE(j.size(), QSize(18, 34));
  }

  void orientationBeforeTheFirstPaintKeepsTheSize() {
    TThreeJumper j;
    j.setOrientation(otRight);
    QVERIFY(j.SizeSwapPending());
    Shot(j);
    QVERIFY(!j.SizeSwapPending());
    QVERIFY(j.PaintedOnce());
    QCOMPARE(j.size(), QSize(43, 18));
  }

  void twoPinClickOffARadioPanel_data() {
    QTest::addColumn<int>("parentKind");  // 0 plain widget, 1 radio panel without radio, 2 derived panel
    QTest::newRow("plain widget") << 0;
    QTest::newRow("radio panel, RadioEnabled false") << 1;
    QTest::newRow("derived panel, RadioEnabled true") << 2;
  }
  void twoPinClickOffARadioPanel() {
    QFETCH(int, parentKind);
    std::unique_ptr<QWidget> parent;
    if (parentKind == 0) parent = std::make_unique<QWidget>();
    if (parentKind == 1) parent = std::make_unique<TRadioPanel>();
    if (parentKind == 2) {
      auto panel = std::make_unique<fixture::TRadioPanelEx>();
      panel->setRadioEnabled(true);
      parent = std::move(panel);
    }
    auto* a = new TTwoJumper(parent.get());
    auto* b = new TTwoJumper(parent.get());
    b->setClosed(true);
    QList<bool> seen;
    a->OnClick = [&](QObject* sender) {
      QCOMPARE(sender, a);
      seen << a->Closed();
    };
    a->Click();
    a->Click();
    QCOMPARE(seen, (QList<bool>{true, false}));
    QVERIFY(b->Closed());
  }

  void twoPinClickOnARadioPanel_data() {
    QTest::addColumn<QList<bool>>("before");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<bool>("radioChange");
    QTest::newRow("another one installed") << QList<bool>{true, false, false} << 1 << true;
    QTest::newRow("the installed one") << QList<bool>{false, true, false} << 1 << true;
    QTest::newRow("none installed") << QList<bool>{false, false, false} << 2 << false;
  }
  void twoPinClickOnARadioPanel() {
    QFETCH(QList<bool>, before);
    QFETCH(int, clicked);
    QFETCH(bool, radioChange);
    TRadioPanel panel;
    panel.setRadioEnabled(true);
    auto* three = new TThreeJumper(&panel);
    three->setJumperState(jsRight);
    QList<TTwoJumper*> jumpers;
    for (bool c : before) {
      jumpers << new TTwoJumper(&panel);
      jumpers.last()->setClosed(c);
    }
    QStringList log;
    panel.OnRadioChange = [&](QObject* sender) { log << (sender == jumpers[clicked] ? "radio" : "radio?"); };
    for (auto* j : jumpers)
      j->OnClick = [&, j](QObject*) { log << (j == jumpers[clicked] ? "click" : "click?"); };
    jumpers[clicked]->Click();
    for (int i = 0; i < jumpers.size(); ++i) QCOMPARE(jumpers[i]->Closed(), i == clicked);
    QCOMPARE(three->JumperState(), jsRight);
    QCOMPARE(log, (radioChange ? QStringList{"radio", "click"} : QStringList{"click"}));
  }

  void threePinClickCycles_data() {
    QTest::addColumn<bool>("allowOpen");
    QTest::addColumn<TJumperState>("start");
    QTest::addColumn<QList<int>>("states");
    QTest::newRow("open allowed") << true << jsOpen << QList<int>{jsLeft, jsRight, jsOpen, jsLeft};
    QTest::newRow("open forbidden") << false << jsLeft << QList<int>{jsRight, jsLeft, jsRight};
  }
  void threePinClickCycles() {
    QFETCH(bool, allowOpen);
    QFETCH(TJumperState, start);
    QFETCH(QList<int>, states);
    TRadioPanel panel;  // a three-pin jumper ignores even a radio panel
    panel.setRadioEnabled(true);
    auto* j = new TThreeJumper(&panel);
    j->setJumperState(start);
    j->setAllowOpen(allowOpen);
    QList<int> seen;
    j->OnClick = [&](QObject* sender) {
      QCOMPARE(sender, j);
      seen << j->JumperState();
    };
    for (int i = 0; i < states.size(); ++i) j->Click();
    QCOMPARE(seen, states);
  }

  void allowOpenKeepsItsInvariant() {
    TThreeJumper j;
    j.setAllowOpen(false);  // as a form description without a JumperState gives it
    QCOMPARE(j.JumperState(), jsLeft);
    j.setJumperState(jsOpen);
    QCOMPARE(j.JumperState(), jsLeft);
    j.setJumperState(jsRight);
    j.setAllowOpen(true);
    QCOMPARE(j.JumperState(), jsRight);
    j.setJumperState(jsOpen);
    QCOMPARE(j.JumperState(), jsOpen);
  }

  void stateFromCodeRaisesNoClick() {
    TTwoJumper two;
    TThreeJumper three;
    int clicks = 0;
    two.OnClick = [&](QObject*) { ++clicks; };
    three.OnClick = [&](QObject*) { ++clicks; };
    two.setClosed(true);
    three.setJumperState(jsRight);
    QCOMPARE(clicks, 0);
  }

  void leftMouseButtonClicks() {
    QWidget window;
    auto* two = new TTwoJumper(&window);
    auto* three = new TThreeJumper(&window);
    three->move(0, 30);
    window.show();
    QTest::mouseClick(two, Qt::RightButton);
    QTest::mouseClick(three, Qt::RightButton);
    QCOMPARE(two->Closed(), false);
    QCOMPARE(three->JumperState(), jsOpen);
    QTest::mouseClick(two, Qt::LeftButton);
    QTest::mouseClick(three, Qt::LeftButton);
    QCOMPARE(two->Closed(), true);
    QCOMPARE(three->JumperState(), jsLeft);
  }

  void unchangedValueCausesNoRepaint() {
    QWidget window;
    auto* j = new TThreeJumper(&window);
    PaintCounter counter(j);
    window.show();
    QCoreApplication::processEvents();
    QVERIFY(counter.paints > 0);
    const int settled = counter.paints;
    j->setJumperState(jsOpen);
    j->setOrientation(otUp);
    j->setPinColor(clYellow);
    j->setBorderStyle(bsSingle);
    j->setAllowOpen(true);
    QCoreApplication::processEvents();
    QCOMPARE(counter.paints, settled);
    j->setJumperState(jsRight);
    QCoreApplication::processEvents();
    QCOMPARE(counter.paints, settled + 1);
  }
};

QTEST_MAIN(TestJumpers)
#include "test_jumpers.moc"
