#include <QMenu>
#include <QtTest>

#include "platform/anchors.h"
#include "platform/fonts.h"
#include "platform/menu.h"

class TestControls : public QObject {
  Q_OBJECT
 private slots:
  void anchoredGeometry_data() {
    QTest::addColumn<unsigned>("anchors");
    QTest::addColumn<QRect>("after");
    // A 73 x 25 control at (116, 105) in a 305 x 138 parent grown to 405 x 238.
    QTest::newRow("left top stays") << unsigned(akLeftTop) << QRect(116, 105, 73, 25);
    QTest::newRow("all four stretch") << unsigned(akAll) << QRect(116, 105, 173, 125);
    QTest::newRow("right bottom follow") << unsigned(akRight | akBottom) << QRect(216, 205, 73, 25);
    // Bottom only: keeps its distance to the bottom and its centre at the
    // same fraction of the width: (116 + 36) * 405 / 305 - 36 = 165.8 -> 166.
    QTest::newRow("bottom only centres") << unsigned(akBottom) << QRect(166, 205, 73, 25);
  }
  void anchoredGeometry() {
    QFETCH(unsigned, anchors);
    QFETCH(QRect, after);
    QCOMPARE(AnchoredGeometry(anchors, QRect(116, 105, 73, 25), QSize(305, 138), QSize(405, 238)), after);
  }

  void anchoredControlsFollowTheirParent() {
    QWidget parent;
    parent.resize(305, 138);
    QWidget child(&parent);
    child.setGeometry(116, 105, 73, 25);
    parent.show();
    SetAnchors(&child, akBottom);
    QCOMPARE(Anchors(&child), TAnchors(akBottom));
    parent.resize(405, 238);
    QCOMPARE(child.geometry(), QRect(166, 205, 73, 25));
    parent.resize(305, 138);
    QCOMPARE(child.geometry(), QRect(116, 105, 73, 25));
    // A hidden parent passes its change on when it is shown again.
    parent.hide();
    parent.resize(405, 238);
    parent.show();
    QCOMPARE(child.geometry(), QRect(166, 205, 73, 25));
    parent.resize(305, 138);

    // A control moved by the program takes its new place as the origin.
    child.move(10, 10);
    parent.resize(405, 138);
    QCOMPARE(child.pos(), QPoint(25, 10));  // (10 + 36) * 405 / 305 = 61.08 -> 61, less 36
    QWidget plain(&parent);
    QCOMPARE(Anchors(&plain), TAnchors(akLeftTop));
  }

  void menuItemsInsertAtTheirPlaceAndClickWithoutToggling() {
    TMainMenu bar;
    auto* file = new TMenuItem(&bar);
    file->SetCaption(QStringLiteral("&File"));
    auto* help = new TMenuItem(&bar);
    help->SetCaption(QStringLiteral("&Help"));
    bar.Add(file);
    bar.Add(help);
    auto* settings = new TMenuItem(&bar);
    settings->SetCaption(QStringLiteral("&Settings"));
    bar.Insert(bar.IndexOf(help), settings);
    QCOMPARE(bar.Count(), 3);
    QCOMPARE(bar.Items(1), settings);
    QVERIFY(settings->Submenu());

    auto* a = new TMenuItem(&bar);
    auto* b = new TMenuItem(&bar);
    settings->Add(a);
    settings->Insert(0, b);
    QCOMPARE(settings->Count(), 2);
    QCOMPARE(settings->Items(0), b);
    QCOMPARE(a->Parent(), settings);

    int clicks = 0;
    QObject* sender = nullptr;
    a->OnClick = [&](QObject* s) {
      ++clicks;
      sender = s;
    };
    a->SetChecked(true);
    a->trigger();  // the user's choice
    QCOMPARE(clicks, 1);
    QCOMPARE(sender, a);
    QVERIFY(a->Checked());
    a->SetChecked(false);
    a->trigger();
    QVERIFY(!a->Checked());
    settings->Remove(a);
    QCOMPARE(settings->Count(), 1);
  }

  void classicFaceNamesResolveToInstalledFaces() {
    InstallFontSubstitutes();
    const QFont f = MakeFont(QStringLiteral("MS Sans Serif"), -11);
    QCOMPARE(f.pixelSize(), 11);
    QVERIFY(!QFontInfo(MakeFont(QStringLiteral("Verdana"), -16)).family().isEmpty());
    const QFont cell = MakeFont(QStringLiteral("Tahoma"), 13);
    QVERIFY(QFontMetrics(cell).height() <= 13);
  }
};

QTEST_MAIN(TestControls)
#include "test_controls.moc"
