// The list box with tab stops in dialog units, and the button with its
// click event and dialog roles.
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <stdexcept>

#include "platform/button.h"
#include "platform/fonts.h"
#include "platform/listbox.h"
#include "testmain.h"

namespace {

// The leftmost column at or after `from` in the row band of `line` that
// holds a dark (text) pixel, or -1.
int FirstInkColumn(const QImage& image, const QRect& line, int from) {
  for (int x = from; x < line.right(); ++x)
    for (int y = line.top(); y <= line.bottom(); ++y)
      if (qGray(image.pixel(x, y)) < 100) return x;
  return -1;
}

}  // namespace

class TestListBox : public QObject {
  Q_OBJECT
 private slots:
  void splitLines_data();
  void splitLines();
  void tabStopsFollowFont_data();
  void tabStopsFollowFont();
  void tabsLineUpWhenDrawn();
  void replacingKeepsSelection();
  void buttonClick();
  void buttonKeys_data();
  void buttonKeys();
  void buttonErrorGoesToReport();
};

void TestListBox::splitLines_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<QStringList>("lines");
  QTest::newRow("empty") << "" << QStringList{};
  QTest::newRow("seven carriage returns") << QString(7, '\r') << QStringList(7, QString());
  QTest::newRow("mixed breaks") << "a\r\nb\nc\rd" << QStringList{"a", "b", "c", "d"};
  QTest::newRow("trailing break adds no line") << "a\r\n" << QStringList{"a"};
  QTest::newRow("empty lines between") << "a\n\nb" << QStringList{"a", "", "b"};
}

void TestListBox::splitLines() {
  QFETCH(QString, text);
  QFETCH(QStringList, lines);
  QCOMPARE(SplitLines(text), lines);
  TListBox list;
  list.SetText(text);
  QCOMPARE(list.Count(), int(lines.size()));
}

void TestListBox::tabStopsFollowFont_data() {
  QTest::addColumn<int>("pixelHeight");
  QTest::addColumn<int>("units");
  QTest::newRow("8 point, 50 units") << 11 << 50;
  QTest::newRow("12 point, 50 units") << 16 << 50;
  QTest::newRow("8 point, 13 units") << 11 << 13;
  QTest::newRow("default stops") << 11 << 0;
}

void TestListBox::tabStopsFollowFont() {
  QFETCH(int, pixelHeight);
  QFETCH(int, units);
  // In a fixed-pitch font the average is the one advance every letter has.
  TListBox list;
  list.setFont(MakeFont("DejaVu Sans Mono", -pixelHeight));
  const int advance = QFontMetrics(list.font()).horizontalAdvance(QLatin1Char('x'));
  QCOMPARE(TListBox::AverageCharWidth(QFontMetrics(list.font())), advance);
  list.setTabWidth(units);
  QCOMPARE(list.TabWidth(), units);
  // A dialog unit is a quarter of the average character width.
  const int expectedUnits = units > 0 ? units : TListBox::kDefaultTabDialogUnits;
  QCOMPARE(list.TabStopPixels(), expectedUnits * advance / 4);
}

void TestListBox::tabsLineUpWhenDrawn() {
  TListBox list;
  list.resize(300, 120);
  list.setFont(MakeFont("MS Sans Serif", -11));
  list.setTabWidth(50);
  list.SetText("Channel 0\tX\r\nChannel 10\tX\r\nCh\tX\r\n");
  list.show();
  const QImage image = list.viewport()->grab().toImage();
  const int stop = list.TabStopPixels();
  QVERIFY(stop > QFontMetrics(list.font()).horizontalAdvance("Channel 10"));
  QVERIFY(stop < list.viewport()->width() / 2);
  int column = -1;
  for (int row = 0; row < 3; ++row) {
    const QRect band = list.visualItemRect(list.item(row));
    // The second column starts at the tab stop, past the first column's text.
    const int x = FirstInkColumn(image, band, band.left() + stop - 2);
    QVERIFY2(x >= 0, qPrintable(QString("row %1").arg(row)));
    if (column < 0) column = x;
    QCOMPARE(x, column);
  }
}

void TestListBox::replacingKeepsSelection() {
  TListBox list;
  list.SetText(QString(3, '\r'));
  list.SetItemIndex(1);
  list.SetLine(1, "one");
  list.SetLine(2, "two");
  QCOMPARE(list.ItemIndex(), 1);
  QVERIFY(list.item(1)->isSelected());
  QCOMPARE(list.Line(1), QString("one"));
  QCOMPARE(list.Line(2), QString("two"));
  // A line that is not there is left alone.
  list.SetLine(7, "seven");
  QCOMPARE(list.Count(), 3);
}

void TestListBox::buttonClick() {
  TButton button;
  QObject* sender = nullptr;
  int clicks = 0;
  button.Click();  // unassigned: nothing happens
  button.OnClick = [&](QObject* s) {
    sender = s;
    ++clicks;
  };
  button.Click();
  QTest::mouseClick(&button, Qt::LeftButton);
  QCOMPARE(clicks, 2);
  QCOMPARE(sender, &button);
  button.setCaption("Stop");
  QCOMPARE(button.Caption(), QString("Stop"));
}

void TestListBox::buttonKeys_data() {
  QTest::addColumn<bool>("isDefault");
  QTest::addColumn<bool>("isCancel");
  QTest::addColumn<int>("key");
  QTest::addColumn<bool>("pressed");
  QTest::newRow("default, Enter") << true << false << int(Qt::Key_Return) << true;
  QTest::newRow("default, keypad Enter") << true << false << int(Qt::Key_Enter) << true;
  QTest::newRow("default, Escape") << true << false << int(Qt::Key_Escape) << false;
  QTest::newRow("cancel, Escape") << false << true << int(Qt::Key_Escape) << true;
  QTest::newRow("cancel, Enter") << false << true << int(Qt::Key_Return) << false;
  QTest::newRow("both, Escape") << true << true << int(Qt::Key_Escape) << true;
  QTest::newRow("neither, Enter") << false << false << int(Qt::Key_Return) << false;
}

void TestListBox::buttonKeys() {
  QFETCH(bool, isDefault);
  QFETCH(bool, isCancel);
  QFETCH(int, key);
  QFETCH(bool, pressed);
  QWidget window;
  auto* label = new QLabel("focus elsewhere", &window);
  label->setFocusPolicy(Qt::StrongFocus);
  auto* button = new TButton(&window);
  button->move(0, 30);
  button->setDefault(isDefault);
  button->setCancel(isCancel);
  QCOMPARE(button->Default(), isDefault);
  QCOMPARE(button->Cancel(), isCancel);
  int clicks = 0;
  button->OnClick = [&](QObject*) { ++clicks; };
  window.show();
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  label->setFocus();
  // The key works anywhere in the button's window.
  QTest::keyClick(label, Qt::Key(key));
  QCOMPARE(clicks, pressed ? 1 : 0);
}

void TestListBox::buttonErrorGoesToReport() {
  TBoxRecorder boxes;
  TButton button;
  button.OnClick = [](QObject*) { throw std::runtime_error("Handler failed"); };
  button.Click();
  QCOMPARE(boxes.Boxes.size(), std::size_t(1));
  QCOMPARE(boxes.Boxes[0].text, QString("Handler failed."));
}

PX_TEST_MAIN(TestListBox)
#include "test_listbox.moc"
