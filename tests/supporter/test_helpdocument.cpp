// The supporter's texts: the instructions document piece by piece, what the
// rich-text reader makes of it, the support text and the title line.
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "SetupCtrls/helpdocument.h"
#include "platform/richtextreader.h"
#include "testmain.h"

namespace {

const QString kCrLf = "\r\n";

// The document's pieces in their order, as the instructions window must
// show them.
QString ExpectedDocument(const QString& company, const QString& card, bool series, bool multiPort,
                         bool listsCards) {
  QStringList pieces;
  pieces
      << "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset0 Verdana;}}"
         "{\\colortbl\\red64\\green64\\blue64;\\red255\\green255\\blue64;\\red64\\green64\\blue255;"
         "\\red255\\green64\\blue64;}\\viewkind4\\uc1\\pard\\f0\\fs32\\cf0" +
             kCrLf + "{\\b ";
  pieces << company << " " << card << (series ? " Series" : "");
  pieces << " Settings Program}\\par\\par\\fs24" + kCrLf;
  pieces
      << "This program will help you configure the option jumpers and settings associated with this product. "
         "You should have the product in-hand when first using this program.\\par\\par" +
             kCrLf;
  pieces << "{\\cf1\\fs24\\b Yellow circles} provide information on configuring jumpers and "
            "switches.\\par\\par" +
                kCrLf;
  pieces << "{\\cf2\\fs24\\b Blue circles} are informational only. They provide information on standard and "
            "optional features of the product family.\\par\\par" +
                kCrLf;
  pieces
      << "{\\cf3\\fs24\\b Red circles} handle calibration and types of configuration that require actually "
         "controlling the hardware device. Run this settings program again once the card is installed. ";
  pieces
      << "Repeat the {\\cf1 setup circles} (using the same settings) to configure this program, then perform "
         "the {\\cf3 calibration circles}.\\par\\par" +
             kCrLf;
  pieces << "Mouse over the highlight circles to see configuration or information popups for {\\cf1 setup}, "
            "{\\cf2 features}, and {\\cf3 calibration}. Click a highlight circle to make its popup remain "
            "on-screen. ";
  pieces << "You can have all or as many of these popups onscreen at the same time as you desire.\\par\\par" +
                kCrLf;
  if (multiPort)
    pieces
        << "{\\fs32\\b Note:} Make sure to set the jumpers for each option group \\emdash  the configuration "
           "options for each port are handled identically; "
           "this program only shows the setup once, but you need to perform this setup for each group of "
           "options on your device.\\par\\par" +
               kCrLf;
  if (listsCards)
    pieces << "To see a list of " + card + " cards installed, click \"Display " + card +
                  " Cards Installed\" under the File menu.\\par\\par" + kCrLf;
  pieces << "}";
  return pieces.join(QString());
}

QTextCharFormat FormatOf(QTextDocument& doc, const QString& phrase) {
  const QString plain = doc.toPlainText();
  const qsizetype at = plain.indexOf(phrase);
  if (at < 0) return {};
  QTextCursor c(&doc);
  c.setPosition(int(at));
  c.movePosition(QTextCursor::NextCharacter);
  return c.charFormat();
}

}  // namespace

class TestHelpDocument : public QObject {
  Q_OBJECT
 private slots:
  void assembly_data();
  void assembly();
  void readerShowsTheFormats();
  void optionalParagraphsRead();
  void supportText();
  void headerCaption_data();
  void headerCaption();
};

void TestHelpDocument::assembly_data() {
  QTest::addColumn<QString>("company");
  QTest::addColumn<QString>("card");
  QTest::addColumn<bool>("series");
  QTest::addColumn<bool>("multiPort");
  QTest::addColumn<bool>("listsCards");
  QTest::newRow("this program") << "ORVANE"
                                << "PX-407" << true << false << false;
  QTest::newRow("without Series") << "ORVANE"
                                  << "PX-407" << false << false << false;
  QTest::newRow("empty company") << ""
                                 << "PX-407" << true << false << false;
  QTest::newRow("multi-port note") << "ORVANE"
                                   << "PX-407" << true << true << false;
  QTest::newRow("card list sentence") << "ORVANE"
                                      << "PX-9" << true << false << true;
  QTest::newRow("note before card list") << "ACME"
                                         << "PX-9" << false << true << true;
}

void TestHelpDocument::assembly() {
  QFETCH(QString, company);
  QFETCH(QString, card);
  QFETCH(bool, series);
  QFETCH(bool, multiPort);
  QFETCH(bool, listsCards);
  THelpDocumentOptions o;
  o.CompanyName = company;
  o.CardName = card;
  o.Series = series;
  o.MultiPort = multiPort;
  o.ListsCards = listsCards;
  QCOMPARE(HelpDocument(o), ExpectedDocument(company, card, series, multiPort, listsCards));
}

void TestHelpDocument::readerShowsTheFormats() {
  THelpDocumentOptions o;
  o.CompanyName = "ORVANE";
  o.CardName = "PX-407";
  QTextDocument doc;
  ReadRichText(&doc, HelpDocument(o));
  const QString plain = doc.toPlainText();
  QVERIFY2(plain.startsWith("ORVANE PX-407 Series Settings Program\n\nThis program will help"),
           qPrintable(plain));
  QVERIFY(plain.contains("installed. Repeat the setup circles"));
  QVERIFY(plain.contains("on-screen. You can have all"));
  // No control word or brace shows as text.
  QVERIFY(!plain.contains('\\'));
  QVERIFY(!plain.contains('{'));
  QVERIFY(!plain.contains('}'));

  const QColor grey(64, 64, 64), yellow(255, 255, 64), blue(64, 64, 255), red(255, 64, 64);
  struct Expect {
    const char* phrase;
    double points;
    bool bold;
    QColor color;
  };
  const Expect rows[] = {
      {"ORVANE PX-407", 16, true, grey},        {"Program", 16, true, grey},
      {"This program", 12, false, grey},        {"Yellow circles", 12, true, yellow},
      {"provide information", 12, false, grey}, {"Blue circles", 12, true, blue},
      {"Red circles", 12, true, red},           {"setup circles", 12, false, yellow},
      {"calibration circles", 12, false, red},  {"features,", 12, false, blue},
      {"calibration.", 12, false, red},
  };
  for (const Expect& e : rows) {
    const QTextCharFormat f = FormatOf(doc, e.phrase);
    QVERIFY2(f.isValid(), e.phrase);
    QCOMPARE(f.fontPointSize(), e.points);
    QCOMPARE(f.fontWeight(), e.bold ? int(QFont::Bold) : int(QFont::Normal));
    QCOMPARE(f.foreground().color(), e.color);
    QCOMPARE(f.fontFamilies().toStringList(), QStringList{"Verdana"});
  }
}

void TestHelpDocument::optionalParagraphsRead() {
  THelpDocumentOptions o;
  o.CompanyName = "";
  o.CardName = "PX-9";
  o.Series = false;
  o.MultiPort = true;
  o.ListsCards = true;
  QTextDocument doc;
  ReadRichText(&doc, HelpDocument(o));
  const QString plain = doc.toPlainText();
  // An empty company leaves the title beginning with a space.
  QVERIFY2(plain.startsWith(" PX-9 Settings Program\n"), qPrintable(plain));
  const qsizetype popups = plain.indexOf("as you desire.");
  const qsizetype note = plain.indexOf("Note: Make sure to set the jumpers for each option group \u2014 the");
  const qsizetype list = plain.indexOf(
      "To see a list of PX-9 cards installed, click \"Display PX-9 Cards Installed\" under the File");
  QVERIFY(popups > 0);
  QVERIFY(note > popups);
  QVERIFY(list > note);
  const QTextCharFormat noteFormat = FormatOf(doc, "Note:");
  QCOMPARE(noteFormat.fontPointSize(), 16.0);
  QCOMPARE(noteFormat.fontWeight(), int(QFont::Bold));
  QCOMPARE(FormatOf(doc, "Make sure").fontPointSize(), 12.0);
}

void TestHelpDocument::supportText() {
  const QString text = SupportText("ORVANE", "at 555-0100");
  QCOMPARE(
      text,
      QString("There are several ways to get technical support. First and fastest is to skim the relevant "
              "sections of the manual. However, some questions require personal assistance, and ORVANE "
              "stands ready to provide that help. You can call us at 555-0100 for any of your product "
              "questions.\r\n\r\nIn order to provide the best and fastest support possible, we ask that you "
              "be at your computer when you call, and have the ORVANE product manual and Software Master "
              "CD at hand."));
  // As a text box's whole text: a paragraph, an empty line, a paragraph.
  QTextDocument doc;
  doc.setPlainText(text);
  QCOMPARE(doc.blockCount(), 3);
  QVERIFY(doc.findBlockByNumber(1).text().isEmpty());
}

void TestHelpDocument::headerCaption_data() {
  QTest::addColumn<bool>("series");
  QTest::addColumn<bool>("found");
  QTest::addColumn<QString>("caption");
  QTest::newRow("series, found") << true << true << "PX-407 Series Settings Program";
  QTest::newRow("no series, found") << false << true << "PX-407 Settings Program";
  QTest::newRow("series, none found") << true << false << "No PX-407 Series Card Found";
  QTest::newRow("no series, none found") << false << false << "No PX-407 Found";
}

void TestHelpDocument::headerCaption() {
  QFETCH(bool, series);
  QFETCH(bool, found);
  QFETCH(QString, caption);
  QCOMPARE(HeaderCaption("PX-407", series, found), caption);
}

PX_TEST_MAIN(TestHelpDocument)
#include "test_helpdocument.moc"
