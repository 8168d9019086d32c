// The board image: picture rectangle and covering, auto-size, centring on the
// parent's outer size, the designed position and WM_OPENFIRSTPOPUP.
#include <QApplication>
#include <QPainter>
#include <QTest>

#include "SetupCtrls/boardimage.h"
#include "SetupCtrls/popupform.h"
#include "boardfixture.h"
#include "platform/picture.h"
#include "platform/usermessage.h"

namespace {

QImage Photo(int w, int h, QColor colour = QColor(100, 100, 100)) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

// Counts the paints a widget receives.
class TPaintCounter : public QObject {
 public:
  explicit TPaintCounter(QWidget* w) { w->installEventFilter(this); }
  int Paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++Paints;
    return false;
  }
};

QList<TPopupForm*> VisiblePopups() {
  QList<TPopupForm*> shown;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* p = qobject_cast<TPopupForm*>(w); p && p->isVisible()) shown.append(p);
  return shown;
}

}  // namespace

class TestBoardImage : public QObject {
  Q_OBJECT
 private slots:
  void defaults() {
    TBoardImage image;
    QCOMPARE(image.size(), QSize(105, 105));
    QVERIFY(image.AutoSize());
    QVERIFY(image.CenterOnForm());
    QVERIFY(image.Scale());
    QVERIFY(!image.Stretch());
    QVERIFY(!image.Center());
    QVERIFY(!image.Transparent());
    QCOMPARE(image.AspectRatio(), 1.0);
    QVERIFY(!image.PositionSaved());
    QVERIFY(!image.First());
    QVERIFY(!image.Menu());
  }

  void pictureSetsAspectAndAutoSize_data() {
    QTest::addColumn<bool>("autoSize");
    QTest::addColumn<QSize>("expected");
    QTest::newRow("auto-size takes the picture's size") << true << QSize(600, 343);
    QTest::newRow("without auto-size the size stays") << false << QSize(300, 200);
  }
  void pictureSetsAspectAndAutoSize() {
    QFETCH(bool, autoSize);
    QFETCH(QSize, expected);
    TBoardImage image;
    image.setAutoSize(false);
    image.setGeometry(10, 20, 300, 200);
    image.setAutoSize(autoSize);
    image.Picture()->SetImage(Photo(600, 343));
    QCOMPARE(image.AspectRatio(), 343.0 / 600.0);
    QCOMPARE(image.geometry(), QRect(QPoint(10, 20), expected));
  }

  void emptyPictureKeepsAspect() {
    TBoardImage image;
    image.Picture()->SetImage(Photo(600, 343));
    image.Picture()->Clear();
    QCOMPARE(image.AspectRatio(), 343.0 / 600.0);
    QVERIFY(!image.Covering());
  }

  void assigningCopiesThePicture() {
    TBoardImage image;
    TPicture source;
    source.SetImage(Photo(40, 30, Qt::red));
    image.setPicture(&source);
    source.SetImage(Photo(10, 10, Qt::blue));
    QCOMPARE(image.Picture()->Width(), 40);
    QCOMPARE(image.Picture()->Image().pixelColor(0, 0), QColor(Qt::red));
    QVERIFY(image.Picture() != &source);
  }

  void covering_data() {
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<bool>("transparent");
    QTest::addColumn<bool>("covering");
    QTest::newRow("stretched") << true << QSize(50, 50) << false << true;
    QTest::newRow("as large as the control") << false << QSize(200, 100) << false << true;
    QTest::newRow("smaller, not stretched") << false << QSize(199, 100) << false << false;
    QTest::newRow("transparent never covers") << true << QSize(300, 300) << true << false;
  }
  void covering() {
    QFETCH(bool, stretch);
    QFETCH(QSize, picture);
    QFETCH(bool, transparent);
    QFETCH(bool, covering);
    TBoardImage image;
    image.setAutoSize(false);
    image.resize(200, 100);
    image.setStretch(stretch);
    image.setTransparent(transparent);
    image.Picture()->SetImage(Photo(picture.width(), picture.height()));
    QCOMPARE(image.Covering(), covering);
    QCOMPARE(image.Picture()->Transparent(), transparent);
  }

  // Where the picture does not cover, the panel colour shows.
  void paintsPictureAndPanelColour() {
    QWidget form;
    form.resize(700, 400);
    TBoardImage image(&form);
    image.setCenterOnForm(false);
    image.setAutoSize(false);
    image.setGeometry(0, 0, 700, 400);
    image.setCenter(true);
    image.Picture()->SetImage(Photo(600, 343, Qt::red));
    const QImage shot = image.grab().toImage();
    QCOMPARE(shot.pixelColor(50, 28), QColor(Qt::red));
    QCOMPARE(shot.pixelColor(649, 370), QColor(Qt::red));
    QCOMPARE(shot.pixelColor(49, 28), image.palette().color(QPalette::Window));
    QCOMPARE(shot.pixelColor(650, 371), image.palette().color(QPalette::Window));
  }

  void centresOnParentOuterSize_data() {
    QTest::addColumn<QSize>("parent");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("wider parent") << QSize(700, 443) << QPoint(50, 50);
    QTest::newRow("five pixels narrower: truncation toward zero") << QSize(595, 338) << QPoint(-2, -2);
  }
  void centresOnParentOuterSize() {
    QFETCH(QSize, parent);
    QFETCH(QPoint, expected);
    QWidget form;
    form.resize(parent);
    TBoardImage image(&form);
    image.setAutoSize(false);
    image.setGeometry(118, 114, 600, 343);
    image.setStretch(true);
    (void)image.grab();
    QCOMPARE(image.pos(), expected);
    QCOMPARE(QPoint(image.DesignedLeft(), image.DesignedTop()), QPoint(118, 114));
  }

  // The client area of a main window centres on the whole window, menu bar
  // included, at every paint; the designed position stays the first one.
  void followsItsWindowAtEveryPaint() {
    TBoardFixture f;
    f.PaintBoard();
    const QSize outer = f.Window->frameGeometry().size();
    QCOMPARE(f.BoardImage1->pos(), QPoint((outer.width() - 600) / 2, (outer.height() - 343) / 2));
    f.Window->resize(f.Window->size() + QSize(101, 40));
    f.PaintBoard();
    const QSize larger = f.Window->frameGeometry().size();
    QCOMPARE(f.BoardImage1->pos(), QPoint((larger.width() - 600) / 2, (larger.height() - 343) / 2));
    QCOMPARE(QPoint(f.BoardImage1->DesignedLeft(), f.BoardImage1->DesignedTop()), TBoardFixture::kDesigned);
  }

  // Shown, the image takes its place as soon as the window has its size
  // and frame, and follows later resizing.
  void followsItsShownWindow() {
    TBoardFixture f;
    f.ShowWindow();
    const auto centred = [&f] {
      const QSize outer = f.Window->frameGeometry().size();
      return QPoint((outer.width() - 600) / 2, (outer.height() - 343) / 2);
    };
    QCOMPARE(f.BoardImage1->pos(), centred());
    QCOMPARE(QPoint(f.BoardImage1->DesignedLeft(), f.BoardImage1->DesignedTop()), TBoardFixture::kDesigned);
    f.Window->resize(f.Window->size() + QSize(-60, 30));
    Settle();
    QCOMPARE(f.BoardImage1->pos(), centred());
    QCOMPARE(QPoint(f.BoardImage1->DesignedLeft(), f.BoardImage1->DesignedTop()), TBoardFixture::kDesigned);
  }

  void noCentringWhenOff() {
    QWidget form;
    form.resize(900, 900);
    TBoardImage image(&form);
    image.setCenterOnForm(false);
    image.move(7, 9);
    (void)image.grab();
    QCOMPARE(image.pos(), QPoint(7, 9));
  }

  void sameValueDoesNotRepaint() {
    TBoardFixture f;
    f.ShowWindow();
    TPaintCounter counter(f.BoardImage1);
    f.BoardImage1->setStretch(true);
    f.BoardImage1->setCenter(false);
    f.BoardImage1->setTransparent(false);
    Settle();
    QCOMPARE(counter.Paints, 0);
    f.BoardImage1->setCenter(true);
    Settle();
    QVERIFY(counter.Paints > 0);
  }

  void openFirstPopupWithoutFirstDoesNothing() {
    TBoardFixture f;
    f.BoardImage1->setFirst(nullptr);
    f.PaintBoard();
    SendMessage(f.BoardImage1, WM_OPENFIRSTPOPUP, 0, 0);
    QVERIFY(VisiblePopups().isEmpty());
    for (TBoardHighlight* h : f.BoardImage1->findChildren<TBoardHighlight*>()) QVERIFY(!h->Lit());
  }

  void openFirstPopupOpensOnePinnedPopup_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("entry");
    QTest::newRow("single highlight") << "BaseHighlight"
                                      << "&Base Address";
    QTest::newRow("member of a linked pair") << "ADHighlight2"
                                             << "A/D &Range";
  }
  void openFirstPopupOpensOnePinnedPopup() {
    QFETCH(QString, first);
    QFETCH(QString, entry);
    TBoardFixture f;
    f.BoardImage1->setFirst(f.Highlight(first.toLatin1().constData()));
    f.ShowWindow();
    QCursor::setPos(0, 0);
    SendMessage(f.BoardImage1, WM_OPENFIRSTPOPUP, 0, 0);
    Settle();
    const QList<TPopupForm*> shown = VisiblePopups();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.front()->OwnerHighlight, f.BoardImage1->First());
    QVERIFY(f.BoardImage1->First()->Pinned());
    QVERIFY(f.Entry(entry)->Checked());
  }
};

QTEST_MAIN(TestBoardImage)
#include "test_boardimage.moc"
