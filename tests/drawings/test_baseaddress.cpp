// The base-address switch control: defaults, the address text it keeps and
// the picture it draws.
#include <QApplication>
#include <QMetaProperty>
#include <QTest>

#include "SetupCtrls/addresstext.h"
#include "SetupCtrls/baseaddress.h"
#include "drawingprobe.h"
#include "platform/rounding.h"

namespace {

QRect Box(int x1, int y1, int x2, int y2) {
  return QRect(x1, y1, x2 - x1, y2 - y1);
}

// The inside of switch i's lever, read as the white area of its slot.
QRect Lever(const QImage& s, const TSwitchLayout& l, int i) {
  return Extent(s, clWhite, Box(l.x[i], kSlotTop, l.x[i] + l.SW, l.B));
}

QRect OnLever(const TSwitchLayout& l, int i) {
  return Box(l.x[i] + 1, kSlotTop + 1, l.x[i] + l.SW - 1, kSlotTop + l.L - 1);
}

QRect OffLever(const TSwitchLayout& l, int i) {
  return Box(l.x[i] + 1, l.B - l.L + 1, l.x[i] + l.SW - 1, l.B - 1);
}

// The label band under switch i.
QImage Label(const QImage& s, const TSwitchLayout& l, int i) {
  return s.copy(Box(l.x[i], l.P, l.x[i] + l.SW, s.height()));
}

// The label texts of switch i from where they start.
QImage LabelCell(const QImage& s, const TSwitchLayout& l, int i, int wA) {
  constexpr int kCellWidth = 8;
  return s.copy(l.x[i] + l.SW / 2 - wA / 2, l.P, kCellWidth, s.height() - l.P);
}

}  // namespace

class TestBaseAddress : public QObject {
  Q_OBJECT

 private slots:
  void newSwitchHasItsDefaults() {
    TBaseAddress b;
    QCOMPARE(b.size(), QSize(102, 61));
    QCOMPARE(b.Orientation(), otUp);
    QCOMPARE(b.NumSwitches(), 7);
    QCOMPARE(b.AddressValue(), 0);
    QCOMPARE(b.BaseAddressStr(), QStringLiteral("0"));
    QCOMPARE(b.SwitchColor(), TColor(16777215));
    QCOMPARE(b.OnIsOne(), false);
    QCOMPARE(b.LeftToRight(), false);
    QVERIFY(!b.SizeSwapPending() && !b.PaintedOnce());
  }

  void publishedInFormOrder() {
    const QMetaObject& mo = TBaseAddress::staticMetaObject;
    QStringList names;
    for (int i = mo.propertyOffset(); i < mo.propertyCount(); ++i) names << mo.property(i).name();
    QCOMPARE(names, (QStringList{"SwitchColor", "OnIsOne", "LeftToRight", "Orientation", "NumSwitches",
                                 "BaseAddressStr"}));
  }

  void propertiesAreReachableByName() {
    TBaseAddress b;
    QVERIFY(b.setProperty("NumSwitches", 10));
    QVERIFY(b.setProperty("BaseAddressStr", QStringLiteral("3ff")));
    QVERIFY(b.setProperty("Orientation", QVariant::fromValue(otDown)));
    QCOMPARE(b.NumSwitches(), 10);
    QCOMPARE(b.property("BaseAddressStr").toString(), QStringLiteral("3FF"));
    QCOMPARE(b.Orientation(), otDown);
  }

  void labelFontIsEightPoints() {
    TBaseAddress b;
    const TSwitchLook look = b.Look();
    QCOMPARE(look.F, int(RoundHalfEven(8.0 * b.logicalDpiY() / 72)));
    QVERIFY(look.wA > 0);
    QCOMPARE(look.wA, QFontMetrics(look.Font).horizontalAdvance(QStringLiteral("A")));
  }

  void addressText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("repaint");
    QTest::newRow("3ff") << "3ff"
                         << "3F8" << true;
    QTest::newRow("0x2a8") << "0x2a8"
                           << "2A8" << true;
    QTest::newRow("2 0 0 spaced") << " 2 0 0 "
                                  << "200" << false;
    QTest::newRow("80") << "80"
                        << "80" << true;
    QTest::newRow("400, no switch for A10") << "400"
                                            << "0" << true;
    QTest::newRow("FFFFFFFF") << "FFFFFFFF"
                              << "3F8" << true;
    QTest::newRow("nine digits") << "000000200"
                                 << "200" << false;
    QTest::newRow("207 reduces to the same") << "207"
                                             << "200" << false;
    QTest::newRow("empty") << ""
                           << "200" << false;
    QTest::newRow("xyz") << "xyz"
                         << "200" << false;
  }
  void addressText() {
    QFETCH(QString, text);
    QFETCH(QString, after);
    QFETCH(bool, repaint);
    QWidget window;
    auto* b = new TBaseAddress(&window);
    b->setBaseAddressStr(QStringLiteral("200"));
    PaintCounter counter(b);
    window.show();
    QCoreApplication::processEvents();
    const int settled = counter.paints;
    QVERIFY(settled > 0);
    b->setBaseAddressStr(text);
    QCoreApplication::processEvents();
    QCOMPARE(b->BaseAddressStr(), after);
    QCOMPARE(b->AddressValue(), std::int32_t(after.toInt(nullptr, 16)));
    QCOMPARE(counter.paints, settled + (repaint ? 1 : 0));
  }

  void tooWideAnAddressReachesTheCaller() {
    TBaseAddress b;
    b.setBaseAddressStr(QStringLiteral("200"));
    const QImage before = Shot(b);
    QVERIFY_THROWS_EXCEPTION(EConvertError, b.setBaseAddressStr(QStringLiteral("1FFFFFFFF")));
    QCOMPARE(b.BaseAddressStr(), QStringLiteral("200"));
    QCOMPARE(b.AddressValue(), 0x200);
    QCOMPARE(Shot(b), before);
  }

  void switchCountOutsideItsRangeIsRefused_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("kept");
    QTest::newRow("0") << 0 << 7;
    QTest::newRow("11") << 11 << 7;
    QTest::newRow("255") << 255 << 7;
    QTest::newRow("1") << 1 << 1;
    QTest::newRow("10") << 10 << 10;
  }
  void switchCountOutsideItsRangeIsRefused() {
    QFETCH(int, count);
    QFETCH(int, kept);
    TBaseAddress b;
    b.setNumSwitches(std::uint8_t(count));
    QCOMPARE(int(b.NumSwitches()), kept);
    QVERIFY(!Shot(b).isNull());
  }

  void fewerSwitchesDoNotReduceTheAddressAgain() {
    TBaseAddress b;
    b.setNumSwitches(10);
    b.setBaseAddressStr(QStringLiteral("3ff"));
    QCOMPARE(b.BaseAddressStr(), QStringLiteral("3FF"));
    b.setNumSwitches(7);
    QCOMPARE(b.AddressValue(), 0x3FF);
    QCOMPARE(b.BaseAddressStr(), QStringLiteral("3FF"));
    b.setBaseAddressStr(QStringLiteral("3ff"));
    QCOMPARE(b.BaseAddressStr(), QStringLiteral("3F8"));
  }

  void defaultPicture() {
    TBaseAddress b;
    b.setBaseAddressStr(QStringLiteral("200"));
    const QImage s = Shot(b);
    const TSwitchLook look = b.Look();
    const TSwitchLayout l = SwitchLayout(102, 61, 7, look.F);
    // Body black above the band, band green below it.
    QCOMPARE(Extent(s, clBlack, Box(0, l.P - 1, 102, l.P + 1)), Box(0, l.P - 1, 102, l.P));
    QCOMPARE(At(s, 101, 0), clBlack);
    QCOMPARE(At(s, 0, l.P), clGreen);
    QCOMPARE(At(s, 101, 60), clGreen);
    QVERIFY(Count(s.copy(Box(0, 0, 20, kSlotTop)), clWhite) > 0);  // "ON"
    for (int i = 0; i < 7; ++i) {
      QCOMPARE(At(s, l.x[i], kSlotTop), clBlack);  // slot outline
      QCOMPARE(At(s, l.x[i] + l.SW - 1, l.B - 1), clBlack);
      QCOMPARE(Lever(s, l, i), i < 6 ? OnLever(l, i) : OffLever(l, i));
      // The free part of the slot is grey.
      QCOMPARE(At(s, l.x[i] + l.SW / 2, i < 6 ? l.B - 2 : kSlotTop + 2), clGray);
    }
  }

  // At 96 dpi the board's switch is laid out as its drawing says.
  void defaultPictureAtBoardResolution() {
    TBaseAddress b;
    if (b.Look().F != 11) QSKIP("the screen is not at 96 dots per inch");
    b.setBaseAddressStr(QStringLiteral("200"));
    const QImage s = Shot(b);
    const TSwitchLayout l = SwitchLayout(102, 61, 7, 11);
    QCOMPARE(Lever(s, l, 0), Box(4, 14, 14, 21));   // (3, 13)-(15, 22) outlined
    QCOMPARE(Lever(s, l, 6), Box(88, 27, 98, 34));  // (87, 26)-(99, 35) outlined
    QCOMPARE(At(s, 87, 26), clBlack);
    QCOMPARE(At(s, 98, 34), clBlack);
    QCOMPARE(At(s, 93, 25), clGray);
    QCOMPARE(At(s, 9, 22), clGray);
    QCOMPARE(At(s, 0, 38), clGreen);
    QCOMPARE(At(s, 0, 37), clBlack);
  }

  void leverSides_data() {
    QTest::addColumn<bool>("onIsOne");
    QTest::addColumn<bool>("leftToRight");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QList<bool>>("on");
    QTest::newRow("ON is 0") << false << false << "200" << QList<bool>{1, 1, 1, 1, 1, 1, 0};
    QTest::newRow("ON is 1") << true << false << "200" << QList<bool>{0, 0, 0, 0, 0, 0, 1};
    QTest::newRow("highest line at the left") << false << true << "200" << QList<bool>{0, 1, 1, 1, 1, 1, 1};
    QTest::newRow("2A8, ON is 1") << true << false << "2A8" << QList<bool>{1, 0, 1, 0, 1, 0, 1};
    QTest::newRow("fresh control, every switch ON")
        << false << false << "" << QList<bool>{1, 1, 1, 1, 1, 1, 1};
  }
  void leverSides() {
    QFETCH(bool, onIsOne);
    QFETCH(bool, leftToRight);
    QFETCH(QString, address);
    QFETCH(QList<bool>, on);
    TBaseAddress b;
    b.setOnIsOne(onIsOne);
    b.setLeftToRight(leftToRight);
    b.setBaseAddressStr(address);
    const QImage s = Shot(b);
    const TSwitchLayout l = SwitchLayout(102, 61, 7, b.Look().F);
    for (int i = 0; i < 7; ++i) QCOMPARE(Lever(s, l, i), on[i] ? OnLever(l, i) : OffLever(l, i));
  }

  // Labels: "A" over the line's digit; the same line draws the same label
  // wherever its switch stands.
  void labelsNameTheAddressLines() {
    TBaseAddress lowFirst, highFirst;
    highFirst.setLeftToRight(true);
    const QImage a = Shot(lowFirst), b = Shot(highFirst);
    const TSwitchLayout l = SwitchLayout(102, 61, 7, lowFirst.Look().F);
    const int F = lowFirst.Look().F;
    for (int i = 0; i < 7; ++i) {
      QCOMPARE(Label(b, l, i), Label(a, l, 6 - i));
      const QImage label = Label(a, l, i);
      QVERIFY(Count(label.copy(0, 0, l.SW, F - 1), clWhite) > 0);
      QVERIFY(Count(label.copy(0, F - 1, l.SW, label.height() - F + 1), clWhite) > 0);
      if (i > 0) QVERIFY(Label(a, l, i) != Label(a, l, 0));
    }
    // Every "A" is the same.
    for (int i = 1; i < 7; ++i)
      QCOMPARE(Label(a, l, i).copy(0, 0, l.SW, F - 1), Label(a, l, 0).copy(0, 0, l.SW, F - 1));
  }

  void tenSwitchesStandShoulderToShoulder() {
    TBaseAddress b;
    b.setNumSwitches(10);
    b.setBaseAddressStr(QStringLiteral("200"));
    const QImage s = Shot(b);
    const TSwitchLayout l = SwitchLayout(102, 61, 10, b.Look().F);
    QCOMPARE(l.SW, 9);
    QCOMPARE(l.g, 0);
    for (int i = 0; i < 10; ++i) {
      QCOMPARE(l.x[i], 1 + 9 * i);
      QCOMPARE(Lever(s, l, i), i < 9 ? OnLever(l, i) : OffLever(l, i));
    }
    // Switch i is labelled i: line 9 at the right end, drawn as the
    // seven-switch control draws its line 9.
    TBaseAddress seven;
    const QImage s7 = Shot(seven);
    const TSwitchLayout l7 = SwitchLayout(102, 61, 7, seven.Look().F);
    const int wA = b.Look().wA;
    QCOMPARE(LabelCell(s, l, 9, wA), LabelCell(s7, l7, 6, wA));
    QCOMPARE(LabelCell(s, l, 3, wA), LabelCell(s7, l7, 0, wA));
  }

  void sidewaysSwitchIsTurned() {
    TBaseAddress b;
    b.resize(61, 102);
    b.setOrientation(otRight);
    b.setBaseAddressStr(QStringLiteral("200"));
    const QImage s = Shot(b);
    QCOMPARE(s.size(), QSize(61, 102));
    TBaseAddress upright;
    upright.setBaseAddressStr(QStringLiteral("200"));
    QImage expected;
    TurnImage(Shot(upright), otRight, expected);
    QCOMPARE(s, expected);
  }

  void unchangedValuesCauseNoRepaint() {
    QWidget window;
    auto* b = new TBaseAddress(&window);
    PaintCounter counter(b);
    window.show();
    QCoreApplication::processEvents();
    const int settled = counter.paints;
    b->setSwitchColor(clWhite);
    b->setOnIsOne(false);
    b->setLeftToRight(false);
    b->setOrientation(otUp);
    b->setNumSwitches(7);
    b->setNumSwitches(0);
    QCoreApplication::processEvents();
    QCOMPARE(counter.paints, settled);
    b->setLeftToRight(true);
    QCoreApplication::processEvents();
    QCOMPARE(counter.paints, settled + 1);
  }
};

QTEST_MAIN(TestBaseAddress)
#include "test_baseaddress.moc"
