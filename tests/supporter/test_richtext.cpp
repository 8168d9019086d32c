// The rich-text reader: what it makes of the subset the program's documents
// use, and what it shows of malformed input.
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include "platform/richedit.h"
#include "platform/richtextreader.h"
#include "testmain.h"

namespace {

const QString kTables = QStringLiteral(
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Verdana;}{\\f1\\fmodern Courier New;}}"
    "{\\colortbl\\red64\\green64\\blue64;\\red255\\green255\\blue64;;}");

// The format of the character at `pos` in the document's plain text.
QTextCharFormat FormatAt(QTextDocument& doc, int pos) {
  QTextCursor c(&doc);
  c.setPosition(pos);
  c.movePosition(QTextCursor::NextCharacter);
  return c.charFormat();
}

QString Read(QTextDocument& doc, const QString& rtf) {
  ReadRichText(&doc, rtf);
  return doc.toPlainText();
}

}  // namespace

class TestRichText : public QObject {
  Q_OBJECT
 private slots:
  void text_data();
  void text();
  void formats();
  void tablesAndDefaults();
  void malformed_data();
  void malformed();
  void readInOneEdit();
  void richEditIsReadOnly();
};

void TestRichText::text_data() {
  QTest::addColumn<QString>("rtf");
  QTest::addColumn<QString>("plain");
  QTest::newRow("paragraphs") << "{\\rtf1 one\\par two\\par\\par three}" << QString("one\ntwo\n\nthree");
  QTest::newRow("control word ends at one space") << "{\\rtf1 \\b  two spaces}" << QString(" two spaces");
  QTest::newRow("em-dash") << "{\\rtf1 a \\emdash  b}" << QString("a \u2014 b");
  QTest::newRow("typographic symbols")
      << "{\\rtf1 \\endash\\bullet\\lquote x\\rquote\\ldblquote y\\rdblquote}"
      << QString("\u2013\u2022\u2018x\u2019\u201Cy\u201D");
  QTest::newRow("hex escapes in code page 1252")
      << "{\\rtf1 caf\\'e9 \\'80 \\'93q\\'94}" << QString("caf\u00E9 \u20AC \u201Cq\u201D");
  QTest::newRow("escaped braces and backslash") << "{\\rtf1 \\{x\\}\\\\}" << QString("{x}\\");
  QTest::newRow("source line breaks are not text") << "{\\rtf1 a\r\nb\nc}" << QString("abc");
  QTest::newRow("unicode with fallback") << "{\\rtf1\\uc1 \\u8364?x}" << QString("\u20ACx");
  // toPlainText shows a line break within a paragraph as a line feed.
  QTest::newRow("tab and line") << "{\\rtf1 a\\tab b\\line c}" << QString("a\tb\nc");
  QTest::newRow("skipped destinations")
      << "{\\rtf1{\\info{\\title T}}{\\*\\generator G;}{\\stylesheet S;}body}" << QString("body");
  QTest::newRow("text after the document ends") << "{\\rtf1 in}out" << QString("in");
  QTest::newRow("not rich text") << "plain {\\b text}" << QString("plain {\\b text}");
}

void TestRichText::text() {
  QFETCH(QString, rtf);
  QFETCH(QString, plain);
  QTextDocument doc;
  QCOMPARE(Read(doc, rtf), plain);
}

void TestRichText::formats() {
  QTextDocument doc;
  const QString plain =
      Read(doc, kTables + "\\f0\\fs32\\cf0{\\b Title}\\par\\fs24 Body {\\cf1\\b yellow} {\\f1 mono} \\i it}");
  QCOMPARE(plain, QString("Title\nBody yellow mono it"));

  const QTextCharFormat title = FormatAt(doc, 0);
  QCOMPARE(title.fontWeight(), int(QFont::Bold));
  QCOMPARE(title.fontPointSize(), 16.0);
  QCOMPARE(title.fontFamilies().toStringList(), QStringList{"Verdana"});
  QCOMPARE(title.foreground().color(), QColor(64, 64, 64));

  const QTextCharFormat body = FormatAt(doc, int(plain.indexOf("Body")));
  QCOMPARE(body.fontWeight(), int(QFont::Normal));
  QCOMPARE(body.fontPointSize(), 12.0);
  QCOMPARE(body.foreground().color(), QColor(64, 64, 64));

  const QTextCharFormat yellow = FormatAt(doc, int(plain.indexOf("yellow")));
  QCOMPARE(yellow.fontWeight(), int(QFont::Bold));
  QCOMPARE(yellow.foreground().color(), QColor(255, 255, 64));
  // The group's end restores the format outside it.
  QCOMPARE(FormatAt(doc, int(plain.indexOf("yellow")) + 6).fontWeight(), int(QFont::Normal));

  QCOMPARE(FormatAt(doc, int(plain.indexOf("mono"))).fontFamilies().toStringList(),
           QStringList{"Courier New"});
  QVERIFY(FormatAt(doc, int(plain.lastIndexOf("it"))).fontItalic());
  QVERIFY(!FormatAt(doc, int(plain.indexOf("mono"))).fontItalic());
}

void TestRichText::tablesAndDefaults() {
  QTextDocument doc;
  // \cf2 names the table's empty entry, \cf9 no entry: both the default
  // colour. Without \fs the size is 12 points, without \f the \deff font.
  const QString plain = Read(doc, kTables + "{\\cf2 auto}{\\cf9 none}{\\b0 plain}}");
  QCOMPARE(plain, QString("autononeplain"));
  for (int pos : {0, 4, 8}) {
    const QTextCharFormat f = FormatAt(doc, pos);
    QVERIFY2(!f.hasProperty(QTextFormat::ForegroundBrush), qPrintable(QString::number(pos)));
    QCOMPARE(f.fontPointSize(), 12.0);
    QCOMPARE(f.fontFamilies().toStringList(), QStringList{"Verdana"});
  }
}

void TestRichText::malformed_data() {
  QTest::addColumn<QString>("rtf");
  QTest::addColumn<QString>("plain");
  QTest::newRow("unclosed groups") << "{\\rtf1 {\\b bold {\\i deeper" << QString("bold deeper");
  QTest::newRow("stray closing brace ends the document") << "{\\rtf1 a}} b}" << QString("a");
  QTest::newRow("unknown control words") << "{\\rtf1 \\frobnicate12 a\\zz-3 b\\q}" << QString("ab");
  QTest::newRow("unknown ignorable destination")
      << "{\\rtf1 {\\*\\frob hidden {\\b x}}shown}" << QString("shown");
  QTest::newRow("truncated hex escape") << "{\\rtf1 ab\\'4" << QString("ab");
  QTest::newRow("escape without digits") << "{\\rtf1 ab\\'}" << QString("ab");
  QTest::newRow("malformed hex escape") << "{\\rtf1 a\\'zzb}" << QString("azzb");
  QTest::newRow("lone backslash at the end") << "{\\rtf1 ab\\" << QString("ab");
  QTest::newRow("huge parameters") << "{\\rtf1\\fs99999999999999999999 a\\cf-99999999999 b\\u-99999999999 ?c}"
                                   << QString("abc");
  QTest::newRow("over-long control word") << "{\\rtf1 \\" + QString(200, 'x') + " y}" << QString("y");
  QTest::newRow("unterminated tables") << "{\\rtf1{\\fonttbl{\\f0 Verd" << QString("");
  QTest::newRow("deep nesting") << "{\\rtf1 " + QString(5000, '{') + "x" + QString(5000, '}') + "y}"
                                << QString("xy");
  QTest::newRow("only a header") << "{\\rtf" << QString("");
}

void TestRichText::malformed() {
  QFETCH(QString, rtf);
  QFETCH(QString, plain);
  QTextDocument doc;
  QCOMPARE(Read(doc, rtf), plain);
}

void TestRichText::readInOneEdit() {
  // Many format runs in one paragraph go into the document as one edit:
  // read run by run, each would lay the paragraph out anew, and the time
  // would grow with the square of the runs.
  QString rtf = "{\\rtf1 ";
  for (int i = 0; i < 2000; ++i) rtf += "\\b a\\b0 b";
  rtf += "}";
  QTextDocument doc;
  doc.documentLayout();  // laid out, as in a shown text box
  int changes = 0;
  connect(&doc, &QTextDocument::contentsChanged, this, [&changes] { ++changes; });
  ReadRichText(&doc, rtf);
  QCOMPARE(doc.toPlainText(), QString("ab").repeated(2000));
  QVERIFY(FormatAt(doc, 0).font().bold());
  QVERIFY(!FormatAt(doc, 3999).font().bold());
  QCOMPARE(changes, 2);  // emptied, then filled in one edit
}

void TestRichText::richEditIsReadOnly() {
  TRichEdit edit;
  edit.LoadFromString("{\\rtf1 {\\b first}\\par second}");
  QVERIFY(edit.isReadOnly());
  QCOMPARE(edit.toPlainText(), QString("first\nsecond"));
  // Loading again replaces the content.
  edit.LoadFromString("{\\rtf1 other}");
  QCOMPARE(edit.toPlainText(), QString("other"));
  QCOMPARE(edit.textCursor().position(), 0);
}

PX_TEST_MAIN(TestRichText)
#include "test_richtext.moc"
