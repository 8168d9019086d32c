// Layout numbers of the jumper pictures and the turn to each orientation,
// as pure functions.
#include <QTest>

#include "SetupCtrls/jumperpicture.h"
#include "SetupCtrls/orienteddrawing.h"

Q_DECLARE_METATYPE(TRect)
Q_DECLARE_METATYPE(TOrientationType)

namespace {

// A picture whose pixels are numbered row by row from 1.
QImage Numbered(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, 0xFF000000u | unsigned(1 + y * w + x));
  return image;
}

QList<QList<int>> Rows(const QImage& image) {
  QList<QList<int>> rows;
  for (int y = 0; y < image.height(); ++y) {
    QList<int> row;
    for (int x = 0; x < image.width(); ++x) row.append(int(image.pixel(x, y) & 0xFFFFFFu));
    rows.append(row);
  }
  return rows;
}

}  // namespace

class TestJumperLayout : public QObject {
  Q_OBJECT

 private slots:
  void twoPin_data() {
    QTest::addColumn<int>("W");
    QTest::addColumn<int>("H");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("d");
    QTest::addColumn<TRect>("pin1");
    QTest::addColumn<TRect>("pin2");
    QTest::newRow("34 x 18, the board's size")
        << 34 << 18 << 10 << 3 << TRect{8, 6, 14, 12} << TRect{20, 6, 26, 12};
    QTest::newRow("77 x 18, H / 4 = 4.5 rounds down")
        << 77 << 18 << 22 << 4 << TRect{19, 5, 27, 13} << TRect{50, 5, 58, 13};
    QTest::newRow("77 x 22, H / 4 = 5.5 rounds up")
        << 77 << 22 << 22 << 6 << TRect{17, 5, 29, 17} << TRect{48, 5, 60, 17};
    QTest::newRow("77 x 26, H / 4 = 6.5 rounds down")
        << 77 << 26 << 22 << 6 << TRect{17, 7, 29, 19} << TRect{48, 7, 60, 19};
  }
  void twoPin() {
    QFETCH(int, W);
    QFETCH(int, H);
    QFETCH(int, a);
    QFETCH(int, d);
    QFETCH(TRect, pin1);
    QFETCH(TRect, pin2);
    const TTwoPinLayout l = TwoPinLayout(W, H);
    QCOMPARE(l.a, a);
    QCOMPARE(l.cx, a + 1);
    QCOMPARE(l.d, d);
    QCOMPARE(l.cy, H / 2);
    QCOMPARE(l.Corner, H / 2);
    QCOMPARE(l.Body, (TRect{1, 1, W - 1, H - 1}));
    QCOMPARE(l.Pins[0], pin1);
    QCOMPARE(l.Pins[1], pin2);
  }

  void threePin43x18() {
    const TThreePinLayout l = ThreePinLayout(43, 18);
    QCOMPARE(l.a, 9);
    QCOMPARE(l.xl, 10);
    QCOMPARE(l.xm, 21);
    QCOMPARE(l.xr, 33);
    QCOMPARE(l.d, 3);
    QCOMPARE(l.cy, 9);
    QCOMPARE(l.s, 6);
    QCOMPARE(l.Corner, 9);
    QCOMPARE(l.Body, (TRect{1, 1, 42, 17}));
    QCOMPARE(l.Pins[0], (TRect{7, 6, 13, 12}));
    QCOMPARE(l.Pins[1], (TRect{18, 6, 24, 12}));
    QCOMPARE(l.Pins[2], (TRect{30, 6, 36, 12}));
    QCOMPARE(l.LeftShunt, (TRect{0, 0, 27, 18}));
    QCOMPARE(l.RightShunt, (TRect{15, 0, 43, 18}));
  }

  void threePinPinRadius_data() {
    QTest::addColumn<int>("H");
    QTest::addColumn<int>("d");
    QTest::newRow("(H - 2) / 4 = 4.5") << 20 << 4;
    QTest::newRow("(H - 2) / 4 = 5") << 22 << 5;
    QTest::newRow("(H - 2) / 4 = 5.5") << 24 << 6;
    QTest::newRow("limited by a div 3") << 40 << 6;
  }
  void threePinPinRadius() {
    QFETCH(int, H);
    QFETCH(int, d);
    const TThreePinLayout l = ThreePinLayout(83, H);  // a = 18, a div 3 = 6
    QCOMPARE(l.a, 18);
    QCOMPARE(l.d, d);
  }

  void turnedPixel_data() {
    QTest::addColumn<TOrientationType>("o");
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QPoint>("to");
    QTest::newRow("up keeps") << otUp << QPoint(11, 9) << QPoint(11, 9);
    QTest::newRow("down, top left to bottom right") << otDown << QPoint(0, 0) << QPoint(33, 17);
    QTest::newRow("left, top left to bottom left") << otLeft << QPoint(0, 0) << QPoint(0, 33);
    QTest::newRow("left, top right to top left") << otLeft << QPoint(33, 0) << QPoint(0, 0);
    QTest::newRow("right, top left to top right") << otRight << QPoint(0, 0) << QPoint(17, 0);
    QTest::newRow("right, left pin centre") << otRight << QPoint(11, 9) << QPoint(8, 11);
    QTest::newRow("right, right pin centre") << otRight << QPoint(23, 9) << QPoint(8, 23);
  }
  void turnedPixel() {
    QFETCH(TOrientationType, o);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QCOMPARE(TurnedPixel(o, from.x(), from.y(), QSize(34, 18)), to);
  }

  void turnImage_data() {
    QTest::addColumn<TOrientationType>("o");
    QTest::addColumn<QList<QList<int>>>("rows");
    // The picture is 1 2 3 over 4 5 6.
    QTest::newRow("up") << otUp << QList<QList<int>>{{1, 2, 3}, {4, 5, 6}};
    QTest::newRow("down") << otDown << QList<QList<int>>{{6, 5, 4}, {3, 2, 1}};
    QTest::newRow("left") << otLeft << QList<QList<int>>{{3, 6}, {2, 5}, {1, 4}};
    QTest::newRow("right") << otRight << QList<QList<int>>{{4, 1}, {5, 2}, {6, 3}};
  }
  void turnImage() {
    QFETCH(TOrientationType, o);
    QFETCH(QList<QList<int>>, rows);
    QImage turned;
    TurnImage(Numbered(3, 2), o, turned);
    QCOMPARE(Rows(turned), rows);
  }

  void pictureSizeFollowsTheGroup() {
    QCOMPARE(PictureSize(otUp, QSize(34, 18)), QSize(34, 18));
    QCOMPARE(PictureSize(otDown, QSize(34, 18)), QSize(34, 18));
    QCOMPARE(PictureSize(otLeft, QSize(18, 34)), QSize(34, 18));
    QCOMPARE(PictureSize(otRight, QSize(18, 43)), QSize(43, 18));
  }
};

QTEST_GUILESS_MAIN(TestJumperLayout)
#include "test_jumperlayout.moc"
