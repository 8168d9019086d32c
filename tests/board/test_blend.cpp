// The ring's colours and strengths and the blend, to the byte.
#include <QImage>
#include <QTest>

#include "SetupCtrls/highlightblend.h"

Q_DECLARE_METATYPE(THighlightType)

namespace {

enum class TLook { Normal, Lit, Hot };

QImage BlendedGrey(int w, int h, int grey, THighlightType kind, TLook look) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(QColor(grey, grey, grey));
  const THighlightKindLook k = KindLook(kind);
  switch (look) {
    case TLook::Normal:
      BlendEllipse(image, k.Colour, k.NormalAlpha, TBlendVariant::Plain);
      break;
    case TLook::Lit:
      BlendEllipse(image, k.Colour, k.LitAlpha, TBlendVariant::Plain);
      break;
    case TLook::Hot:
      BlendEllipse(image, k.Colour, k.HotAlpha, TBlendVariant::Bright);
      break;
  }
  return image;
}

}  // namespace

Q_DECLARE_METATYPE(TLook)

class TestBlend : public QObject {
  Q_OBJECT
 private slots:
  void kindLooks_data() {
    QTest::addColumn<THighlightType>("kind");
    QTest::addColumn<uint>("colour");
    QTest::addColumn<float>("normal");
    QTest::addColumn<float>("lit");
    QTest::addColumn<float>("hot");
    QTest::newRow("options are blue") << htOptions << 0x00FF0000u << 0.25f << 0.5f << 1.0f;
    QTest::newRow("settings are yellow") << htSettings << 0x0000FFFFu << 0.5f << 0.75f << 1.0f;
    QTest::newRow("calibration is red") << htCalibration << 0x000000FFu << 0.5f << 0.75f << 1.0f;
  }
  void kindLooks() {
    QFETCH(THighlightType, kind);
    QFETCH(uint, colour);
    QFETCH(float, normal);
    QFETCH(float, lit);
    QFETCH(float, hot);
    const THighlightKindLook look = KindLook(kind);
    QCOMPARE(look.Colour, colour);
    QCOMPARE(look.NormalAlpha, normal);
    QCOMPARE(look.LitAlpha, lit);
    QCOMPARE(look.HotAlpha, hot);
  }

  void pixels_data() {
    QTest::addColumn<THighlightType>("kind");
    QTest::addColumn<int>("grey");
    QTest::addColumn<TLook>("look");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("expected");
    const QPoint centre(32, 32), peak(60, 32), edge(0, 32), corner(0, 0);
    QTest::newRow("inner disc, normal")
        << htSettings << 100 << TLook::Normal << centre << QColor(112, 112, 92);
    QTest::newRow("ring peak, lit") << htSettings << 100 << TLook::Lit << peak << QColor(216, 216, 25);
    QTest::newRow("ring peak, hot is white")
        << htSettings << 100 << TLook::Hot << peak << QColor(255, 255, 255);
    QTest::newRow("inner disc, hot stays faint")
        << htSettings << 100 << TLook::Hot << centre << QColor(125, 125, 84);
    QTest::newRow("edge, normal") << htSettings << 100 << TLook::Normal << edge << QColor(100, 100, 100);
    QTest::newRow("edge, lit") << htSettings << 100 << TLook::Lit << edge << QColor(100, 100, 100);
    QTest::newRow("edge, hot") << htSettings << 100 << TLook::Hot << edge << QColor(100, 100, 100);
    QTest::newRow("corner, hot") << htSettings << 100 << TLook::Hot << corner << QColor(100, 100, 100);
    // 98 / 2 + 255 / 2 = 176.5 goes to the even neighbour.
    QTest::newRow("half goes to even") << htSettings << 98 << TLook::Normal << peak << QColor(176, 176, 49);
    QTest::newRow("calibration inner disc")
        << htCalibration << 100 << TLook::Normal << centre << QColor(112, 92, 92);
    QTest::newRow("options inner disc") << htOptions << 100 << TLook::Normal << centre << QColor(96, 96, 106);
  }
  void pixels() {
    QFETCH(THighlightType, kind);
    QFETCH(int, grey);
    QFETCH(TLook, look);
    QFETCH(QPoint, at);
    QFETCH(QColor, expected);
    const QImage image = BlendedGrey(65, 65, grey, kind, look);
    QCOMPARE(image.pixelColor(at), expected);
  }

  // The ring is symmetric about both axes and the inner disc is even.
  void ringIsSymmetric() {
    const QImage image = BlendedGrey(65, 65, 100, htSettings, TLook::Lit);
    for (int r = 0; r < 65; ++r)
      for (int c = 0; c < 65; ++c) {
        QCOMPARE(image.pixel(c, r), image.pixel(64 - c, r));
        QCOMPARE(image.pixel(c, r), image.pixel(c, 64 - r));
      }
    QCOMPARE(image.pixelColor(32, 20), image.pixelColor(32, 32));
  }

  // The three looks made together are the three blends made one by one,
  // over a photograph whose every pixel differs.
  void looksTogetherEqualSeparateBlends_data() {
    QTest::addColumn<THighlightType>("kind");
    QTest::addColumn<QSize>("size");
    QTest::newRow("settings, wide") << htSettings << QSize(67, 33);
    QTest::newRow("calibration, tall") << htCalibration << QSize(33, 193);
    QTest::newRow("options, tiny") << htOptions << QSize(2, 3);
  }
  void looksTogetherEqualSeparateBlends() {
    QFETCH(THighlightType, kind);
    QFETCH(QSize, size);
    QImage beneath(size, QImage::Format_RGB32);
    quint32 seed = 12345;
    for (int y = 0; y < size.height(); ++y)
      for (int x = 0; x < size.width(); ++x) {
        seed = seed * 1103515245u + 12345u;
        beneath.setPixel(x, y, 0xFF000000u | (seed >> 8));
      }
    const THighlightKindLook look = KindLook(kind);
    const THighlightLooks looks = BlendLooks(beneath, look);
    QImage normal = beneath.copy(), lit = beneath.copy(), hot = beneath.copy();
    BlendEllipse(normal, look.Colour, look.NormalAlpha, TBlendVariant::Plain);
    BlendEllipse(lit, look.Colour, look.LitAlpha, TBlendVariant::Plain);
    BlendEllipse(hot, look.Colour, look.HotAlpha, TBlendVariant::Bright);
    QCOMPARE(looks.Normal, normal);
    QCOMPARE(looks.Lit, lit);
    QCOMPARE(looks.Hot, hot);
    QVERIFY(size.width() < 3 || normal != beneath);
  }

  void tooSmallIsLeftAlone() {
    QImage image(1, 5, QImage::Format_RGB32);
    image.fill(QColor(100, 100, 100));
    const QImage before = image.copy();
    BlendEllipse(image, KindLook(htSettings).Colour, 1.0f, TBlendVariant::Bright);
    QCOMPARE(image, before);
  }
};

QTEST_GUILESS_MAIN(TestBlend)
#include "test_blend.moc"
