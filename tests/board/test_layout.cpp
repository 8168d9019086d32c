// Geometry and names worked out without windows: the picture rectangle, the
// centring, the popup's rows and place, and the captions and identifier
// forms of titles.
#include <QObject>
#include <QTest>

#include "SetupCtrls/boardimage.h"
#include "SetupCtrls/highlightmenus.h"
#include "SetupCtrls/popupform.h"

class TestLayout : public QObject {
  Q_OBJECT
 private slots:
  void pictureRect_data() {
    QTest::addColumn<QSize>("control");
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<bool>("center");
    QTest::addColumn<QRect>("expected");
    const QSize control(700, 400);
    QTest::newRow("stretch fills the control") << control << true << true << QRect(0, 0, 700, 400);
    QTest::newRow("centred at natural size") << control << false << true << QRect(50, 28, 600, 343);
    QTest::newRow("neither: top left") << control << false << false << QRect(0, 0, 600, 343);
    QTest::newRow("centred in a smaller control truncates toward zero")
        << QSize(595, 340) << false << true << QRect(-2, -1, 600, 343);
  }
  void pictureRect() {
    QFETCH(QSize, control);
    QFETCH(bool, stretch);
    QFETCH(bool, center);
    QFETCH(QRect, expected);
    QCOMPARE(PictureRectFor(control, QSize(600, 343), stretch, center), expected);
  }

  void centring_data() {
    QTest::addColumn<int>("parent");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("expected");
    QTest::newRow("wider parent") << 700 << 600 << 50;
    QTest::newRow("odd difference") << 701 << 600 << 50;
    QTest::newRow("five pixels narrower") << 595 << 600 << -2;
    QTest::newRow("equal") << 600 << 600 << 0;
  }
  void centring() {
    QFETCH(int, parent);
    QFETCH(int, length);
    QFETCH(int, expected);
    QCOMPARE(CentredOffset(parent, length), expected);
  }

  void popupRows_data() {
    QTest::addColumn<int>("cw");
    QTest::addColumn<int>("ch");
    QTest::addColumn<int>("memo");
    QTest::addColumn<QRect>("status");
    QTest::addColumn<QRect>("previous");
    QTest::addColumn<QRect>("next");
    QTest::addColumn<QRect>("done");
    QTest::addColumn<QRect>("text");
    // A 188 x 72 panel: panel rows 0-71, text 73-130, buttons 137-161,
    // status bar 162-180.
    QTest::newRow("panel 188 x 72") << 188 << 72 + 58 + 51 << 58 << QRect(0, 162, 188, 19)
                                    << QRect(6, 137, 58, 25) << QRect(65, 137, 58, 25)
                                    << QRect(124, 137, 58, 25) << QRect(6, 73, 176, 58);
    QTest::newRow("no panel") << 194 << 141 << 58 << QRect(0, 122, 194, 19) << QRect(6, 97, 58, 25)
                              << QRect(68, 97, 58, 25) << QRect(130, 97, 58, 25) << QRect(6, 33, 182, 58);
    QTest::newRow("raised to the minimum height: the gap is above the text")
        << 194 << 122 << 20 << QRect(0, 103, 194, 19) << QRect(6, 78, 58, 25) << QRect(68, 78, 58, 25)
        << QRect(130, 78, 58, 25) << QRect(6, 52, 182, 20);
  }
  void popupRows() {
    QFETCH(int, cw);
    QFETCH(int, ch);
    QFETCH(int, memo);
    QFETCH(QRect, status);
    QFETCH(QRect, previous);
    QFETCH(QRect, next);
    QFETCH(QRect, done);
    QFETCH(QRect, text);
    const TPopupLayout l = PopupLayout(cw, ch, memo);
    QCOMPARE(l.Status, status);
    QCOMPARE(l.Previous, previous);
    QCOMPARE(l.Next, next);
    QCOMPARE(l.Done, done);
    QCOMPARE(l.Memo, text);
  }

  void popupPlace_data() {
    QTest::addColumn<QPoint>("parent");
    QTest::addColumn<bool>("onBoard");
    QTest::addColumn<bool>("hasPanel");
    QTest::addColumn<QPoint>("panel");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("panel follows the moved image")
        << QPoint(212, 180) << true << true << QPoint(461, -26) << QPoint(555, 40);
    QTest::newRow("no panel: below the image")
        << QPoint(212, 180) << true << false << QPoint() << QPoint(212, 561);
    QTest::newRow("not on a board image: at the parent")
        << QPoint(212, 180) << false << true << QPoint(461, -26) << QPoint(212, 180);
  }
  void popupPlace() {
    QFETCH(QPoint, parent);
    QFETCH(bool, onBoard);
    QFETCH(bool, hasPanel);
    QFETCH(QPoint, panel);
    QFETCH(QPoint, expected);
    QCOMPARE(PopupPlace(parent, 343, onBoard, QPoint(118, 114), hasPanel, panel), expected);
  }

  void keepOnScreen_data() {
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("expected");
    QTest::newRow("inside") << 555 << 198 << 555;
    QTest::newRow("negative goes to 0") << -10 << 198 << 0;
    QTest::newRow("past the edge comes back") << 900 << 198 << 1024 - 198;
    QTest::newRow("exactly at the edge") << 1024 - 198 << 198 << 1024 - 198;
    QTest::newRow("wider than the screen and negative: only to 0") << -5 << 2000 << 0;
    QTest::newRow("wider than the screen: right edge on the screen's") << 10 << 2000 << 1024 - 2000;
  }
  void keepOnScreen() {
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(int, expected);
    QCOMPARE(KeepOnScreen(start, length, 1024), expected);
  }

  void titles_data() {
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("identifier");
    QTest::newRow("auto") << "&Auto A/D Conversion Start"
                          << "Auto A/D Conversion Start"
                          << "AutoADConversionStart";
    QTest::newRow("range") << "A/D &Range"
                           << "A/D Range"
                           << "ADRange";
    QTest::newRow("timer") << "&Timer 0 Clock"
                           << "Timer 0 Clock"
                           << "Timer0Clock";
    QTest::newRow("already an identifier") << "Base_2"
                                           << "Base_2"
                                           << "Base_2";
    QTest::newRow("empty") << ""
                           << ""
                           << "";
    QTest::newRow("leading digits and signs go") << "12 &Ab-c"
                                                 << "12 Ab-c"
                                                 << "Abc";
    QTest::newRow("underscore may start") << "_x y"
                                          << "_x y"
                                          << "_xy";
    QTest::newRow("only ASCII counts")
        << QString::fromUtf8("Zähler &1") << QString::fromUtf8("Zähler 1") << "Zhler1";
    QTest::newRow("nothing usable") << "&12 3"
                                    << "12 3"
                                    << "";
  }
  void titles() {
    QFETCH(QString, title);
    QFETCH(QString, caption);
    QFETCH(QString, identifier);
    QCOMPARE(PopupCaptionOf(title), caption);
    QCOMPARE(IdentifierForm(title), identifier);
  }

  void uniqueName() {
    QObject owner;
    auto* a = new QObject(&owner);
    a->setObjectName(QStringLiteral("settings1"));
    auto* nested = new QObject(a);
    nested->setObjectName(QStringLiteral("SETTINGS2"));
    auto* b = new QObject(&owner);
    b->setObjectName(QStringLiteral("Settings4"));
    QCOMPARE(UniqueComponentName(&owner, QStringLiteral("Settings")), QStringLiteral("Settings3"));
    QCOMPARE(UniqueComponentName(&owner, QStringLiteral("ADRange")), QStringLiteral("ADRange1"));
  }
};

QTEST_GUILESS_MAIN(TestLayout)
#include "test_layout.moc"
