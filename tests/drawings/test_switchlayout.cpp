// The DIP switch's layout numbers, its address bits and the reduction of
// address text, as pure functions.
#include <QTest>

#include "SetupCtrls/addresstext.h"
#include "SetupCtrls/switchpicture.h"

class TestSwitchLayout : public QObject {
  Q_OBJECT

 private slots:
  void layout_data() {
    QTest::addColumn<int>("W");
    QTest::addColumn<int>("H");
    QTest::addColumn<int>("N");
    QTest::addColumn<int>("F");
    QTest::addColumn<QList<int>>("numbers");  // P, B, h, L, SW, g
    QTest::addColumn<QList<int>>("x");
    QTest::newRow("board size, seven switches")
        << 102 << 61 << 7 << 11 << QList<int>{38, 35, 11, 9, 12, 2} << QList<int>{3, 17, 31, 45, 59, 73, 87};
    QTest::newRow("ten switches shoulder to shoulder")
        << 102 << 61 << 10 << 11 << QList<int>{38, 35, 11, 9, 9, 0}
        << QList<int>{1, 10, 19, 28, 37, 46, 55, 64, 73, 82};
    QTest::newRow("one switch") << 102 << 61 << 1 << 11 << QList<int>{38, 35, 11, 9, 49, 50}
                                << QList<int>{51};
    QTest::newRow("larger font") << 102 << 80 << 7 << 13 << QList<int>{53, 50, 18, 15, 12, 2}
                                 << QList<int>{3, 17, 31, 45, 59, 73, 87};
    // P - 16 negative: h and L truncate toward zero.
    QTest::newRow("too low for slots")
        << 40 << 35 << 3 << 11 << QList<int>{12, 9, -2, -1, 9, 3} << QList<int>{4, 16, 28};
  }
  void layout() {
    QFETCH(int, W);
    QFETCH(int, H);
    QFETCH(int, N);
    QFETCH(int, F);
    QFETCH(QList<int>, numbers);
    QFETCH(QList<int>, x);
    const TSwitchLayout l = SwitchLayout(W, H, N, F);
    QCOMPARE((QList<int>{l.P, l.B, l.h, l.L, l.SW, l.g}), numbers);
    QCOMPARE(QList<int>(l.x.begin(), l.x.end()), x);
  }

  void bitsAndMask_data() {
    QTest::addColumn<int>("N");
    QTest::addColumn<bool>("leftToRight");
    QTest::addColumn<QList<int>>("bits");
    QTest::addColumn<int>("mask");
    QTest::newRow("seven, lowest at the left") << 7 << false << QList<int>{3, 4, 5, 6, 7, 8, 9} << 0x3F8;
    QTest::newRow("seven, highest at the left") << 7 << true << QList<int>{9, 8, 7, 6, 5, 4, 3} << 0x3F8;
    QTest::newRow("ten") << 10 << false << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9} << 0x3FF;
    QTest::newRow("one") << 1 << true << QList<int>{9} << 0x200;
  }
  void bitsAndMask() {
    QFETCH(int, N);
    QFETCH(bool, leftToRight);
    QFETCH(QList<int>, bits);
    QFETCH(int, mask);
    QList<int> got;
    for (int i = 0; i < N; ++i) got << SwitchBit(i, N, leftToRight);
    QCOMPARE(got, bits);
    QCOMPARE(SwitchMask(N), mask);
  }

  void parse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("hasValue");
    QTest::addColumn<int>("value");
    QTest::newRow("lower case") << "3ff" << true << 0x3FF;
    QTest::newRow("0x prefix") << "0x2a8" << true << 0x2A8;
    QTest::newRow("spaces around and between") << " 2 0  0 " << true << 0x200;
    QTest::newRow("sign and other letters") << "-$2g0h0" << true << 0x200;
    QTest::newRow("eight digits, negative") << "FFFFFFFF" << true << -1;
    QTest::newRow("nine digits with a leading zero") << "000000200" << true << 0x200;
    QTest::newRow("many leading zeros") << "0000000000003F8" << true << 0x3F8;
    QTest::newRow("only zeros") << "000" << true << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("no digit") << "xyz" << false << 0;
    // Only the letters a to f count, whatever their upper case elsewhere.
    QTest::newRow("ligature ff is no digit") << QString(QChar(0xFB00)) << false << 0;
    QTest::newRow("ligature between digits") << "2" + QString(QChar(0xFB00)) + "0" << true << 0x20;
    QTest::newRow("full-width digits") << QString::fromUtf16(u"\uFF12\uFF10\uFF10") << false << 0;
  }
  void parse() {
    QFETCH(QString, text);
    QFETCH(bool, hasValue);
    QFETCH(int, value);
    const std::optional<std::int32_t> got = ParseHexAddress(text);
    QCOMPARE(got.has_value(), hasValue);
    if (hasValue) QCOMPARE(*got, value);
  }

  void moreThanEightSignificantDigitsIsAnError() {
    QVERIFY_THROWS_EXCEPTION(EConvertError, ParseHexAddress(QStringLiteral("1FFFFFFFF")));
    QVERIFY_THROWS_EXCEPTION(EConvertError, ParseHexAddress(QStringLiteral("0x100000000")));
  }

  void conversionErrorQuotesTheDigits_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("nine digits") << "1FFFFFFFF"
                                 << "'$1FFFFFFFF' is not a valid integer value";
    QTest::newRow("other characters dropped") << "0x1 0000 0000"
                                              << "'$0100000000' is not a valid integer value";
    // However long the text, the message stays one short line.
    QTest::newRow("a megabyte of digits")
        << QString(1 << 20, 'F') << "'$FFFFFFFFFFFFFFFFFFFFFFFF...' is not a valid integer value";
  }
  void conversionErrorQuotesTheDigits() {
    QFETCH(QString, text);
    QFETCH(QString, message);
    try {
      ParseHexAddress(text);
      QFAIL("no conversion error");
    } catch (const EConvertError& error) {
      QCOMPARE(QString::fromStdString(error.what()), message);
    }
  }

  void canonicalText_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << 0 << "0";
    QTest::newRow("upper case, no leading zeros") << 0x2A8 << "2A8";
    QTest::newRow("one digit") << 0x8 << "8";
  }
  void canonicalText() {
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(AddressText(value), text);
  }
};

QTEST_GUILESS_MAIN(TestSwitchLayout)
#include "test_switchlayout.moc"
