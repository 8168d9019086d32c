#include <QtTest>

#include "app/mainform.h"
#include "platform/application.h"
#include "platform/menu.h"
#include "platform/messagebox.h"
#include "portio/portbackendscope.h"
#include "portio/recordingbackend.h"

namespace {

// Every read answers one value; every access is recorded.
struct TBackendScope : TPortBackendScope<TRecordingBackend> {
  explicit TBackendScope(std::uint32_t answer) { Backend().setDefaultValue(answer); }
};

}  // namespace

class TestMainForm : public QObject {
  Q_OBJECT
 private slots:
  void theWindowHasItsDesignSettings() {
    TBackendScope port(0x20);
    TMainForm form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Setup"));
    QCOMPARE(form.font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(form.font().pixelSize(), 11);
    QCOMPARE(form.Client()->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(form.Client()->size(), QSize(823, 580));
    QVERIFY(!form.isVisible());
  }

  void theMenuHoldsFileAndHelpInOrder() {
    TBackendScope port(0x20);
    TMainForm form;
    TMainMenu* menu = form.findChild<TMainMenu*>(QStringLiteral("MainMenu1"));
    QVERIFY(menu);
    QCOMPARE(menu->Count(), 2);
    const struct {
      int index;
      const char* name;
      const char* caption;
      QStringList items;
    } rows[] = {
        {0, "File1", "&File", {"Exit2"}},
        {1, "Help1", "&Help", {"Howtousethisprogram1", "TechnicalSupport1"}},
    };
    for (const auto& row : rows) {
      TMenuItem* item = menu->Items(row.index);
      QCOMPARE(item->objectName(), QString::fromLatin1(row.name));
      QCOMPARE(item->Caption(), QString::fromLatin1(row.caption));
      QStringList names;
      for (int i = 0; i < item->Count(); ++i) names << item->Items(i)->objectName();
      QCOMPARE(names, row.items);
    }
    QCOMPARE(form.Exit2->Caption(), QStringLiteral("&Exit"));
    QCOMPARE(form.Howtousethisprogram1->Caption(), QStringLiteral("H&ow to use this program"));
    QCOMPARE(form.TechnicalSupport1->Caption(), QStringLiteral("&Technical Support"));
  }

  void withThePortsPresentTheProbeReadsOnceAndSaysNothing() {
    TBackendScope port(0x20);
    int boxes = 0;
    TMessageBoxResponderScope answer([&](const TMessageBoxRequest&) { return ++boxes, mb::IDOK; });
    TMainForm form;
    QCOMPARE(boxes, 0);
    QCOMPARE(port->Accesses(), std::vector<TPortAccess>{PortRead(0x61, 0x20)});
  }

  void onlyAll16BitsOfTheNoDriverValueWarn_data() {
    QTest::addColumn<unsigned>("answer");
    QTest::addColumn<int>("boxes");
    QTest::newRow("no driver") << 0xAA55u << 1;
    QTest::newRow("no driver, upper bits set") << 0x1AA55u << 1;
    QTest::newRow("low byte only") << 0x55u << 0;
    QTest::newRow("open bus") << 0xFFu << 0;
  }
  void onlyAll16BitsOfTheNoDriverValueWarn() {
    QFETCH(unsigned, answer);
    QFETCH(int, boxes);
    TBackendScope port(answer);
    int shown = 0;
    TMessageBoxResponderScope respond([&](const TMessageBoxRequest&) { return ++shown, mb::IDOK; });
    TMainForm form;
    QCOMPARE(shown, boxes);
  }

  void theDriverWarningComesBeforeTheWindowWhicheverTheAnswer_data() {
    QTest::addColumn<int>("answer");
    QTest::newRow("OK") << mb::IDOK;
    QTest::newRow("Cancel") << mb::IDCANCEL;
  }
  void theDriverWarningComesBeforeTheWindowWhicheverTheAnswer() {
    QFETCH(int, answer);
    TBackendScope port(kDriverNotLoaded);
    QList<TMessageBoxRequest> shown;
    bool anyWindowVisible = true;
    TMessageBoxResponderScope respond([&](const TMessageBoxRequest& r) {
      shown.append(r);
      anyWindowVisible = false;
      for (QWidget* w : QApplication::topLevelWidgets()) anyWindowVisible |= w->isVisible();
      return answer;
    });
    TMainForm form;
    QCOMPARE(shown.size(), 1);
    QCOMPARE(
        shown[0].text,
        QStringLiteral("DIVEDAVA.VUD not detected. Please copy DIVEDAVA.VUD into [NT]/system32/drivers and "
                       "re-run this setup program."));
    QCOMPARE(shown[0].caption, QStringLiteral("Warning"));
    QCOMPARE(shown[0].flags, mb::MB_OKCANCEL);  // OK and Cancel, no icon
    QVERIFY(shown[0].owner == nullptr);
    QVERIFY(!anyWindowVisible);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
  }

  void theActivationHandlerClearsItselfAtItsFirstRun() {
    TBackendScope port(0x20);
    TMainForm form;
    QVERIFY(bool(form.OnActivate));
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QVERIFY(!form.OnActivate);
  }

  void fileExitClosesTheWindow() {
    TBackendScope port(0x20);
    TMainForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.Exit2->trigger();
    QVERIFY(!form.isVisible());
  }
};

int main(int argc, char** argv) {
  TApplication app(argc, argv);
  TestMainForm test;
  return QTest::qExec(&test, argc, argv);
}

#include "test_mainform.moc"
