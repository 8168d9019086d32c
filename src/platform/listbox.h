#pragma once
// A list box whose lines may hold tab characters, expanded at tab stops set
// in dialog units: a dialog unit is a quarter of the average character width
// of the list's font.
#include <QListWidget>

class TListBox : public QListWidget {
  Q_OBJECT
  Q_PROPERTY(int TabWidth READ TabWidth WRITE setTabWidth)
 public:
  explicit TListBox(QWidget* parent = nullptr);

  // Distance between tab stops in dialog units; 0 gives the default stops.
  int TabWidth() const { return tabWidth_; }
  void setTabWidth(int dialogUnits);
  // The distance between tab stops in pixels for the present font.
  int TabStopPixels() const;

  // The lines as a whole: each carriage return, line feed or CR LF ends a
  // line; a text that does not end in a line break has one more line.
  void SetText(const QString& text);
  int Count() const { return count(); }
  QString Line(int index) const;
  // Replaces the line in place; its selection stays as it was.
  void SetLine(int index, const QString& text);
  void AddLine(const QString& text);
  // The selected line, or -1.
  int ItemIndex() const { return currentRow(); }
  void SetItemIndex(int index) { setCurrentRow(index); }

  // The font's average character width as dialog units count it: the
  // width of the 52 letters A-Z and a-z over 52, rounded. (The width a font
  // file declares is not trusted; some declare nonsense.)
  static int AverageCharWidth(const QFontMetrics& metrics);

  static constexpr int kDefaultTabDialogUnits = 32;
  static constexpr int kDialogUnitsPerChar = 4;

 protected:
  void changeEvent(QEvent* event) override;

 private:
  int tabWidth_ = 0;
};

// Splits a text into lines as the list box's SetText does.
QStringList SplitLines(const QString& text);
