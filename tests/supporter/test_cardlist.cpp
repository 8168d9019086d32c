// The installed-cards window: its File-menu item, the card list read once
// through the driver library, and the "No Card Found" title.
#include <dlfcn.h>
#include <QLabel>
#include <QPlainTextEdit>

#include "SetupCtrls/helpform.h"
#include "SetupCtrls/pciform.h"
#include "platform/button.h"
#include "platform/richedit.h"
#include "portio/driverlibrary.h"
#include "testmain.h"
#include "windowfixture.h"

namespace {

// Sets the fixture library's card count (loading it, if the supporter has
// not yet).
void SetNumCards(std::int32_t count) {
  void* library = dlopen(PX_DRIVER_FIXTURE, RTLD_NOW | RTLD_LOCAL);
  QVERIFY(library);
  auto set = reinterpret_cast<void (*)(std::int32_t)>(dlsym(library, "FixtureSetNumCards"));
  QVERIFY(set);
  set(count);
}

// A card-description handler answering texts[i] for card i.
struct TCardTexts {
  QStringList texts;
  std::vector<int> asked;
  TPCIEvent Handler() {
    return [this](QObject*, std::int32_t card) {
      asked.push_back(card);
      return card < texts.size() ? texts[card] : QString();
    };
  }
};

}  // namespace

class TestCardList : public QObject {
  Q_OBJECT
 private slots:
  // Runs first: the library, once bound, stays bound for the process.
  void noLibrary_data();
  void noLibrary();
  void cards_data();
  void cards();
  void windowAndMenuItem();
  void withoutFileMenu();
};

void TestCardList::noLibrary_data() {
  QTest::addColumn<bool>("series");
  QTest::addColumn<QString>("header");
  QTest::newRow("Series") << true << "No PX-407 Series Card Found";
  QTest::newRow("no Series") << false << "No PX-407 Found";
}

void TestCardList::noLibrary() {
  QFETCH(bool, series);
  QFETCH(QString, header);
  SetDriverLibraryFileName("/nonexistent/libORVANEWDM.so");
  TMainWindowFixture f;
  f.supporter->setbSeries(series);
  TCardTexts cards{{"Card 0"}, {}};
  f.supporter->OnGetCardString = cards.Handler();
  f.supporter->BuildWindows();
  QVERIFY(!DriverLibraryLoaded());
  QVERIFY(cards.asked.empty());
  QCOMPARE(f.supporter->PCIForm->PCIMemo->toPlainText(), QString("No Card Found"));
  QCOMPARE(f.supporter->HeaderLabel->text(), header);
}

void TestCardList::cards_data() {
  QTest::addColumn<int>("count");
  QTest::addColumn<QStringList>("texts");
  QTest::addColumn<QString>("memo");
  QTest::addColumn<QString>("header");
  const QString normal = "PX-407 Series Settings Program";
  const QString none = "No PX-407 Series Card Found";
  QTest::newRow("two cards") << 2 << QStringList{"PX-407 at 0x300", "PX-407 at 0x320"}
                             << "PX-407 at 0x300\nPX-407 at 0x320" << normal;
  QTest::newRow("an empty text is left out")
      << 3 << QStringList{"first", "", "third"} << "first\nthird" << normal;
  QTest::newRow("only empty texts") << 2 << QStringList{"", ""} << "No Card Found" << none;
  QTest::newRow("no cards") << 0 << QStringList{"unasked"} << "No Card Found" << none;
  QTest::newRow("negative count") << -4 << QStringList{"unasked"} << "No Card Found" << none;
}

void TestCardList::cards() {
  QFETCH(int, count);
  QFETCH(QStringList, texts);
  QFETCH(QString, memo);
  QFETCH(QString, header);
  SetDriverLibraryFileName(PX_DRIVER_FIXTURE);
  SetNumCards(count);
  TMainWindowFixture f;
  TCardTexts cards{texts, {}};
  f.supporter->OnGetCardString = cards.Handler();
  f.supporter->BuildWindows();
  QVERIFY(DriverLibraryLoaded());
  std::vector<int> expected;
  for (int i = 0; i < count; ++i) expected.push_back(i);
  QCOMPARE(cards.asked, expected);
  QCOMPARE(f.supporter->PCIForm->PCIMemo->toPlainText(), memo);
  QCOMPARE(f.supporter->HeaderLabel->text(), header);
  // The list is read once per run.
  f.supporter->BuildWindows();
  QCOMPARE(cards.asked, expected);
}

void TestCardList::windowAndMenuItem() {
  SetDriverLibraryFileName(PX_DRIVER_FIXTURE);
  SetNumCards(1);
  TMainWindowFixture f;
  TCardTexts cards{{"one card"}, {}};
  f.supporter->OnGetCardString = cards.Handler();
  f.supporter->BuildWindows();

  TPCIForm* pci = f.supporter->PCIForm;
  QCOMPARE(pci->parent(), f.window.get());
  QVERIFY(pci->isVisible());
  QCOMPARE(pci->objectName(), QString("PCIForm"));
  QCOMPARE(pci->windowTitle(), QString("PX-407 Cards installed"));
  QVERIFY(pci->windowFlags() & Qt::WindowStaysOnTopHint);
  QCOMPARE(pci->size(), QSize(305, 122));
  QCOMPARE(pci->PCIMemo->objectName(), QString("PCIMemo"));
  QCOMPARE(pci->PCIMemo->geometry(), QRect(0, 0, 305, 89));
  QVERIFY(pci->PCIMemo->isReadOnly());
  QVERIFY(pci->PCIMemo->font().bold());
  QCOMPARE(pci->PCIMemo->font().pixelSize(), 13);  // 10 points
  QCOMPARE(pci->PCIMemo->font().families().first(), QString("Tahoma"));
  // Centred in the unfitted window, and not again afterwards.
  QCOMPARE(pci->CloseButton->geometry(), QRect(115, 97, 73, 25));
  QVERIFY(pci->CloseButton->Cancel());
  // The text box grows with the window; the button keeps to the bottom.
  pci->resize(405, 222);
  QCOMPARE(pci->PCIMemo->geometry(), QRect(0, 0, 405, 189));
  QCOMPARE(pci->CloseButton->geometry().bottom() + 1, 222);

  // The help document names the menu item.
  QVERIFY(f.supporter->HelpForm->HelpRich->toPlainText().contains(
      "To see a list of PX-407 cards installed, click \"Display PX-407 Cards Installed\" under the File "
      "menu."));

  // The menu item comes first in the File menu, owned by it.
  QCOMPARE(f.file->Count(), 2);
  TMenuItem* item = f.file->Items(0);
  QCOMPARE(item->objectName(), QString("DisplayPCI"));
  QCOMPARE(item->Caption(), QString("Display PX-407 Cards Installed"));
  QCOMPARE(item->parent(), f.file);
  QCOMPARE(f.file->Items(1), f.exit);

  pci->CloseButton->Click();
  QVERIFY(pci->isHidden());
  item->Click();
  QVERIFY(pci->isVisible());
  QCOMPARE(pci->PCIMemo->toPlainText(), QString("one card"));
}

void TestCardList::withoutFileMenu() {
  SetDriverLibraryFileName(PX_DRIVER_FIXTURE);
  SetNumCards(1);
  TMainWindowFixture f;
  // Only the exact caption counts.
  f.file->SetCaption("File");
  TCardTexts cards{{"one card"}, {}};
  f.supporter->OnGetCardString = cards.Handler();
  f.supporter->BuildWindows();
  QVERIFY(!f.window->findChild<TMenuItem*>("DisplayPCI"));
  QCOMPARE(f.file->Count(), 1);
  QVERIFY(f.supporter->PCIForm);
  QVERIFY(f.supporter->PCIForm->isVisible());
}

PX_TEST_MAIN(TestCardList)
#include "test_cardlist.moc"
