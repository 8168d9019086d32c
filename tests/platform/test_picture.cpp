#include <QPainter>
#include <QtTest>

#include "platform/jpeg.h"
#include "platform/picture.h"

namespace {

QImage Gradient(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(x * 255 / w, y * 255 / h, 128));
  return image;
}

bool Near(QRgb a, QRgb b, int tolerance) {
  return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance &&
         std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

}  // namespace

class TestPicture : public QObject {
  Q_OBJECT
 private slots:
  void decodesBaselineAndProgressiveFiles_data() {
    QTest::addColumn<bool>("progressive");
    QTest::newRow("baseline") << false;
    QTest::newRow("progressive") << true;
  }
  void decodesBaselineAndProgressiveFiles() {
    QFETCH(bool, progressive);
    const QImage original = Gradient(61, 37);
    const QByteArray file = EncodeJpeg(original, 95, progressive);
    QVERIFY(LooksLikeJpeg(file));
    // A progressive file carries a start-of-frame 2 marker.
    QCOMPARE(file.contains(QByteArray("\xFF\xC2", 2)), progressive);
    const QImage decoded = DecodeJpeg(file);
    QCOMPARE(decoded.format(), QImage::Format_RGB32);
    QCOMPARE(decoded.size(), original.size());
    for (const QPoint p : {QPoint(0, 0), QPoint(30, 18), QPoint(60, 36)})
      QVERIFY2(Near(decoded.pixel(p), original.pixel(p), 6), qPrintable(QString::number(p.x())));
    QCOMPARE(qAlpha(decoded.pixel(10, 10)), 255);
  }

  void brokenFilesRaiseAnErrorAndLeaveThePictureAlone() {
    TPicture picture;
    picture.SetImage(Gradient(4, 4));
    const QByteArray good = EncodeJpeg(Gradient(40, 40), 90, true);
    for (const QByteArray& bad : {QByteArray(), QByteArray("not a picture"), good.left(40)}) {
      bool raised = false;
      try {
        picture.LoadFromData(bad);
      } catch (const std::exception&) {
        raised = true;
      }
      QVERIFY(raised);
      QCOMPARE(picture.Width(), 4);
    }
  }

  void theOwnerHearsOfEveryChange() {
    TPicture picture;
    int changes = 0;
    picture.OnChange = [&](QObject*) { ++changes; };
    picture.LoadFromData(EncodeJpeg(Gradient(20, 10), 90, false));
    QCOMPARE(changes, 1);
    QCOMPARE(picture.Width(), 20);
    QCOMPARE(picture.Height(), 10);

    TPicture other;
    other.Assign(&picture);
    QCOMPARE(other.Image(), picture.Image());
    picture.Assign(nullptr);
    QCOMPARE(changes, 2);
    QVERIFY(!picture.HasGraphic());
    picture.Clear();
    QCOMPARE(changes, 2);  // nothing left to clear
  }

  void drawsScaledIntoItsRectangle() {
    TPicture picture;
    QImage red(2, 2, QImage::Format_RGB32);
    red.fill(Qt::red);
    picture.SetImage(red);
    QImage target(10, 10, QImage::Format_RGB32);
    target.fill(Qt::white);
    QPainter p(&target);
    picture.Draw(p, QRect(2, 2, 6, 6));
    p.end();
    QCOMPARE(target.pixel(2, 2), qRgb(255, 0, 0));
    QCOMPARE(target.pixel(7, 7), qRgb(255, 0, 0));
    QCOMPARE(target.pixel(8, 8), qRgb(255, 255, 255));
  }
};

QTEST_MAIN(TestPicture)
#include "test_picture.moc"
