// The highlight menus and the guided tour: the kind menus and their entries,
// their names, the check marks, choosing entries, and Previous and Next.
#include <QApplication>
#include <QCursor>
#include <QPushButton>
#include <QTest>

#include "SetupCtrls/boardhighlight.h"
#include "SetupCtrls/highlightmenus.h"
#include "boardfixture.h"

Q_DECLARE_METATYPE(THighlightType)

namespace {

TMenuItem* NamedItem(QObject* owner, const QString& name, const QString& caption) {
  auto* item = new TMenuItem(owner);
  item->setObjectName(name);
  item->SetCaption(caption);
  return item;
}

// The visible popup windows' owners' names.
QStringList OpenPopups() {
  QStringList owners;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* p = qobject_cast<TPopupForm*>(w); p && p->isVisible())
      owners.append(p->OwnerHighlight->objectName());
  owners.sort();
  return owners;
}

}  // namespace

class TestMenus : public QObject {
  Q_OBJECT
 private slots:
  void init() { QCursor::setPos(0, 0); }

  void kindMenusAndEntries() {
    TBoardFixture f;
    f.PaintBoard();
    QCOMPARE(f.MenuCaptions(), QStringList({"&File", "&Settings", "&Calibration", "&Options", "&Help"}));
    QCOMPARE(f.EntryCaptions(QStringLiteral("&Settings")), QStringList({"&Base Address", "A/D &Range"}));
    QCOMPARE(f.EntryCaptions(QStringLiteral("&Calibration")),
             QStringList({"Calibrate &Offset", "Calibrate &Gain"}));
    QCOMPARE(f.EntryCaptions(QStringLiteral("&Options")), QStringList());
    for (const char* name : {"Settings1", "Calibration1", "Options1", "BaseAddress1", "ADRange1",
                             "CalibrateOffset1", "CalibrateGain1"})
      QVERIFY2(f.Item(name), name);
    QCOMPARE(f.Item("BaseAddress1")->Caption(), QStringLiteral("&Base Address"));
    for (TBoardHighlight* h : f.BoardImage1->findChildren<TBoardHighlight*>())
      QCOMPARE(h->BoardMenu(), f.MainMenu1);
    // Painting again builds nothing more.
    f.Window->resize(f.Window->size() + QSize(10, 10));
    f.PaintBoard();
    QCOMPARE(f.MainMenu1->Count(), 5);
    QCOMPARE(f.EntryCaptions(QStringLiteral("&Settings")).size(), 2);
  }

  void entriesInTheOrderOfFirstPainting() {
    TBoardFixture f;
    (void)f.Highlight("GainHighlight")->grab();
    (void)f.Highlight("ADHighlight2")->grab();
    f.PaintBoard();
    QCOMPARE(f.EntryCaptions(QStringLiteral("&Settings")), QStringList({"A/D &Range", "&Base Address"}));
    QCOMPARE(f.EntryCaptions(QStringLiteral("&Calibration")),
             QStringList({"Calibrate &Gain", "Calibrate &Offset"}));
    // Painting ADHighlight2 first paints ADHighlight1 beneath it, which so
    // creates the pair's entry.
    f.Entry(QStringLiteral("A/D &Range"))->Click();
    QCOMPARE(OpenPopups(), QStringList({"ADHighlight1"}));
  }

  void kindItemInsertedBeforeItsFollowers_data() {
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<THighlightType>("kind");
    QTest::addColumn<QStringList>("expected");
    const QStringList fileHelp{"&File", "&Help"};
    QTest::newRow("settings before help")
        << fileHelp << htSettings << QStringList({"&File", "&Settings", "&Help"});
    QTest::newRow("settings before options") << QStringList({"&File", "&Options", "&Help"}) << htSettings
                                             << QStringList({"&File", "&Settings", "&Options", "&Help"});
    QTest::newRow("calibration after settings")
        << QStringList({"&File", "&Settings", "&Help"}) << htCalibration
        << QStringList({"&File", "&Settings", "&Calibration", "&Help"});
    QTest::newRow("options before help, after calibration")
        << QStringList({"&Calibration", "&Help", "&Window"}) << htOptions
        << QStringList({"&Calibration", "&Options", "&Help", "&Window"});
    QTest::newRow("no follower: at the end")
        << QStringList({"&File"}) << htOptions << QStringList({"&File", "&Options"});
  }
  void kindItemInsertedBeforeItsFollowers() {
    QFETCH(QStringList, captions);
    QFETCH(THighlightType, kind);
    QFETCH(QStringList, expected);
    QWidget owner;
    auto* menu = new TMainMenu(&owner);
    for (int i = 0; i < captions.size(); ++i)
      menu->Add(NamedItem(&owner, QStringLiteral("Top%1").arg(i), captions[i]));
    QVERIFY(BuildMenuEntry(menu, kind, QStringLiteral("&Thing"), QStringLiteral("Thing"), {}));
    QStringList got;
    for (int i = 0; i < menu->Count(); ++i) got.append(menu->Items(i)->Caption());
    QCOMPARE(got, expected);
  }

  void namesAvoidTakenOnes() {
    TBoardFixture f;
    auto* taken = new QObject(f.Window);
    taken->setObjectName(QStringLiteral("settings1"));
    auto* other = new TBoardHighlight(f.BoardImage1);
    other->setTitle(QStringLiteral("AD Range"));
    other->setGeometry(10, 300, 20, 20);
    f.PaintBoard();
    QCOMPARE(f.Entry(QStringLiteral("&Base Address"))->Parent()->objectName(), QStringLiteral("Settings2"));
    QCOMPARE(f.Entry(QStringLiteral("A/D &Range"))->objectName(), QStringLiteral("ADRange1"));
    QCOMPARE(f.Entry(QStringLiteral("AD Range"))->objectName(), QStringLiteral("ADRange2"));
  }

  void noMenuNoEntries() {
    TBoardFixture f;
    f.BoardImage1->setMenu(nullptr);
    f.PaintBoard();
    QCOMPARE(f.MainMenu1->Count(), 2);
    TBoardHighlight* h = f.Highlight("BaseHighlight");
    QVERIFY(!h->BoardMenu());
    h->MenuEntryClick(h);
    h->NextClick(h->Popup()->NextButton);
    QCOMPARE(OpenPopups(), QStringList({"BaseHighlight"}));
  }

  void choosingEntries() {
    TBoardFixture f;
    f.ShowWindow();
    TMenuItem* entry = f.Entry(QStringLiteral("&Base Address"));
    TBoardHighlight* h = f.Highlight("BaseHighlight");
    // Unchecked: opens and pins.
    entry->trigger();
    QVERIFY(h->Popup()->isVisible() && h->Pinned() && entry->Checked());
    // Checked: closes and clears the check mark.
    entry->trigger();
    QVERIFY(!h->Popup()->isVisible() && !entry->Checked() && !h->Lit());
    // Showing but not pinned: pins.
    h->MouseEnter(0);
    QVERIFY(!h->Pinned() && !entry->Checked());
    entry->trigger();
    QVERIFY(h->Popup()->isVisible() && h->Pinned() && entry->Checked());
    QVERIFY(!h->Popup()->CloseOnLeave);
  }

  // One entry for the pair opens the one popup, whichever member owns it.
  void linkedEntryOpensTheOwnersPopup() {
    TBoardFixture f;
    f.ShowWindow();
    TBoardHighlight* owner = f.Highlight("ADHighlight2");
    owner->MouseEnter(0);
    owner->Popup()->close();
    TMenuItem* entry = f.Entry(QStringLiteral("A/D &Range"));
    entry->trigger();
    QCOMPARE(OpenPopups(), QStringList({"ADHighlight2"}));
    QVERIFY(owner->Pinned() && entry->Checked());
    QVERIFY(f.Highlight("ADHighlight1")->Lit());
    entry->trigger();
    QCOMPARE(OpenPopups(), QStringList());
    QVERIFY(!entry->Checked());
  }

  // An entry outlives the highlight that made it: it passes to the member
  // of the group that stays, or does nothing when none is left.
  void entryOutlivesItsMaker() {
    TBoardFixture f;
    f.ShowWindow();
    delete f.Highlight("ADHighlight1");
    f.Entry(QStringLiteral("A/D &Range"))->trigger();
    QCOMPARE(OpenPopups(), QStringList({"ADHighlight2"}));
    QVERIFY(f.Entry(QStringLiteral("A/D &Range"))->Checked());
    delete f.Highlight("ADHighlight2");
    delete f.Highlight("BaseHighlight");
    for (const char* title : {"A/D &Range", "&Base Address"}) {
      TMenuItem* entry = f.Entry(QString::fromLatin1(title));
      QVERIFY2(!entry->OnClick, title);
      entry->trigger();
    }
    QCOMPARE(OpenPopups(), QStringList());
  }

  void tourWrapsAtBothEnds_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<bool>("next");
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("entry");
    QTest::newRow("next") << "BaseHighlight" << true << "ADHighlight1"
                          << "A/D &Range";
    QTest::newRow("next from the last wraps") << "ADHighlight1" << true << "BaseHighlight"
                                              << "&Base Address";
    QTest::newRow("previous from the first wraps") << "BaseHighlight" << false << "ADHighlight1"
                                                   << "A/D &Range";
    QTest::newRow("previous") << "GainHighlight" << false << "OffsetHighlight"
                              << "Calibrate &Offset";
  }
  void tourWrapsAtBothEnds() {
    QFETCH(QString, start);
    QFETCH(bool, next);
    QFETCH(QString, opened);
    QFETCH(QString, entry);
    TBoardFixture f;
    f.ShowWindow();
    TBoardHighlight* from = f.Highlight(start.toLatin1().constData());
    from->MenuEntryClick(from);
    TPopupForm* popup = from->Popup();
    QTest::mouseClick(next ? popup->NextButton : popup->PreviousButton, Qt::LeftButton);
    Settle();
    QCOMPARE(OpenPopups(), QStringList({opened}));
    TBoardHighlight* to = f.Highlight(opened.toLatin1().constData());
    QVERIFY(to->Pinned() && to->Lit());
    QVERIFY(f.Entry(entry)->Checked());
    QVERIFY(!from->Lit());
    QCOMPARE(f.Item("Settings1")->Count() + f.Item("Calibration1")->Count(), 4);
    int checked = 0;
    for (const char* title : {"&Base Address", "A/D &Range", "Calibrate &Offset", "Calibrate &Gain"})
      checked += f.Entry(QString::fromLatin1(title))->Checked() ? 1 : 0;
    QCOMPARE(checked, 1);
  }

  // With one entry under its kind, Previous and Next close the popup and
  // open it again, pinned.
  void singleEntryReopensItsOwnPopup() {
    TBoardFixture f;
    for (const char* name : {"OffsetHighlight", "GainHighlight"})
      f.Highlight(name)->setHighlightType(htOptions);
    f.Highlight("OffsetHighlight")->setTitle(QStringLiteral("&Only"));
    f.Highlight("GainHighlight")->setTitle(QString());
    f.ShowWindow();
    QCOMPARE(f.EntryCaptions(QStringLiteral("&Options")), QStringList({"&Only"}));
    TBoardHighlight* h = f.Highlight("OffsetHighlight");
    h->MouseEnter(0);
    TPopupForm* popup = h->Popup();
    for (QPushButton* button : {popup->NextButton, popup->PreviousButton}) {
      QTest::mouseClick(button, Qt::LeftButton);
      QCOMPARE(h->Popup(), popup);
      QVERIFY(popup->isVisible() && h->Pinned() && h->Lit());
      QVERIFY(f.Entry(QStringLiteral("&Only"))->Checked());
    }
  }

  // Without a title there is no entry, and Previous and Next do nothing.
  void emptyTitleHasNoTour() {
    TBoardFixture f;
    f.ShowWindow();
    TBoardHighlight* h = f.Highlight("BlankHighlight");
    h->MouseEnter(0);
    h->Click();
    TPopupForm* popup = h->Popup();
    QTest::mouseClick(popup->NextButton, Qt::LeftButton);
    QTest::mouseClick(popup->PreviousButton, Qt::LeftButton);
    QCOMPARE(OpenPopups(), QStringList({"BlankHighlight"}));
    QVERIFY(h->Pinned());
    QTest::mouseClick(popup->DoneButton, Qt::LeftButton);
    QCOMPARE(OpenPopups(), QStringList());
  }

  void checkMarkFollowsTitle() {
    TBoardFixture f;
    f.PaintBoard();
    TBoardHighlight* h = f.Highlight("OffsetHighlight");
    h->CheckMenuEntry(true);
    QVERIFY(f.Entry(QStringLiteral("Calibrate &Offset"))->Checked());
    QVERIFY(!f.Entry(QStringLiteral("Calibrate &Gain"))->Checked());
    h->CheckMenuEntry(false);
    QVERIFY(!f.Entry(QStringLiteral("Calibrate &Offset"))->Checked());
  }
};

QTEST_MAIN(TestMenus)
#include "test_menus.moc"
