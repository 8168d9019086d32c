#include "richtextreader.h"

#include <QColor>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Code page 1252 differs from Latin-1 only in 0x80..0x9F; 0 marks the five
// codes it leaves undefined.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

QChar FromCp1252(int byte) {
  if (byte >= 0x80 && byte < 0xA0) {
    const char16_t c = kCp1252High[std::size_t(byte - 0x80)];
    return c ? QChar(c) : QChar(QChar::ReplacementCharacter);
  }
  return QChar(char16_t(byte));
}

// Font size in half points when the document sets none, and the bounds a
// size is clamped to.
constexpr int kDefaultHalfPoints = 24;
constexpr int kMinHalfPoints = 2;
constexpr int kMaxHalfPoints = 3276;
// Longest control word and parameter the format allows.
constexpr int kMaxWordLength = 32;
constexpr int kMaxParamDigits = 10;
constexpr int kDefaultSkipAfterUnicode = 1;

enum class TDestination { Text, FontTable, ColorTable, Skip };

struct TGroupState {
  TDestination destination = TDestination::Text;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  int halfPoints = kDefaultHalfPoints;
  int color = -1;  // index into the colour table; -1 is the default colour
  int font = -1;   // index into the font table; -1 is the document's default
  int skipAfterUnicode = kDefaultSkipAfterUnicode;
};

struct TFontEntry {
  int index = 0;
  QString name;
};

bool IsLetter(QChar c) {
  return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
}

bool IsDigit(QChar c) {
  return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

int HexValue(QChar c) {
  if (IsDigit(c)) return c.unicode() - '0';
  if (c >= QLatin1Char('a') && c <= QLatin1Char('f')) return c.unicode() - 'a' + 10;
  if (c >= QLatin1Char('A') && c <= QLatin1Char('F')) return c.unicode() - 'A' + 10;
  return -1;
}

// Destinations whose content is not part of the shown text.
bool IsSkippedDestination(std::string_view word) {
  static constexpr std::string_view kSkipped[] = {
      "author",       "buptim",    "colorschememapping", "comment",   "creatim",   "datastore", "doccomm",
      "fldinst",      "footer",    "footnote",           "generator", "header",    "info",      "keywords",
      "latentstyles", "listtable", "listoverridetable",  "object",    "operator",  "pict",      "printim",
      "revtim",       "rsidtbl",   "stylesheet",         "subject",   "themedata", "title",     "xmlnstbl"};
  return std::find(std::begin(kSkipped), std::end(kSkipped), word) != std::end(kSkipped);
}

class TRichTextReader {
 public:
  TRichTextReader(QTextDocument* document, const QString& text) : text_(text), cursor_(document) {}

  void Read() {
    // One edit for the whole text: the document lays itself out once at the
    // end instead of after every format run, which would take time growing
    // with the square of the runs in a paragraph.
    cursor_.beginEditBlock();
    // Past the outermost group's end nothing more belongs to the document.
    while (pos_ < text_.size() && !finished_) Step();
    Flush();
    cursor_.endEditBlock();
  }

 private:
  void Step() {
    const QChar c = text_[pos_++];
    if (c == QLatin1Char('{')) {
      Flush();
      stack_.push_back(state_);
      ignorable_ = false;
    } else if (c == QLatin1Char('}')) {
      Flush();
      if (stack_.empty()) return;  // an unbalanced brace
      state_ = stack_.back();
      stack_.pop_back();
      if (stack_.empty()) finished_ = true;
    } else if (c == QLatin1Char('\\')) {
      ReadControl();
    } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
      // Line breaks in the source are not text.
    } else {
      Text(c);
    }
  }

  void ReadControl() {
    if (pos_ >= text_.size()) return;  // a lone backslash at the end
    const QChar c = text_[pos_];
    if (!IsLetter(c)) {
      ++pos_;
      Symbol(c);
      return;
    }
    std::string word;
    while (pos_ < text_.size() && IsLetter(text_[pos_]) && int(word.size()) < kMaxWordLength)
      word += char(text_[pos_++].unicode());
    // Any letters beyond the longest word are part of an unknown word too.
    while (pos_ < text_.size() && IsLetter(text_[pos_])) ++pos_;

    bool hasParam = false;
    long long param = 0;
    bool negative = false;
    if (pos_ < text_.size() && text_[pos_] == QLatin1Char('-') && pos_ + 1 < text_.size() &&
        IsDigit(text_[pos_ + 1])) {
      negative = true;
      ++pos_;
    }
    int digits = 0;
    while (pos_ < text_.size() && IsDigit(text_[pos_])) {
      if (digits++ < kMaxParamDigits) param = param * 10 + (text_[pos_].unicode() - '0');
      hasParam = true;
      ++pos_;
    }
    if (negative) param = -param;
    param = std::clamp<long long>(param, INT32_MIN, INT32_MAX);
    // One space ends a control word and is not text.
    if (pos_ < text_.size() && text_[pos_] == QLatin1Char(' ')) ++pos_;
    Word(word, hasParam, int(param));
  }

  void Symbol(QChar c) {
    switch (c.unicode()) {
      case '\\':
      case '{':
      case '}':
        Text(c);
        break;
      case '~':
        Text(QChar(QChar::Nbsp));
        break;
      case '_':
        Text(QChar(0x2011));
        break;
      case '*':
        ignorable_ = true;
        break;
      case '\'':
        HexEscape();
        break;
      case '\r':
      case '\n':
        Paragraph();
        break;
      default:
        break;  // optional hyphen and other symbols show nothing
    }
  }

  void HexEscape() {
    const int high = pos_ < text_.size() ? HexValue(text_[pos_]) : -1;
    const int low = pos_ + 1 < text_.size() ? HexValue(text_[pos_ + 1]) : -1;
    if (high < 0 || low < 0) {
      // A truncated or malformed escape: drop what there is of it.
      if (high >= 0) ++pos_;
      return;
    }
    pos_ += 2;
    Text(FromCp1252(high * 16 + low));
  }

  void Word(const std::string& word, bool hasParam, int param) {
    const bool ignorable = ignorable_;
    ignorable_ = false;
    const int on = hasParam ? param : 1;

    if (word == "fonttbl") {
      state_.destination = TDestination::FontTable;
    } else if (word == "colortbl") {
      state_.destination = TDestination::ColorTable;
      pendingColor_ = QColor(0, 0, 0);
      colorHasComponent_ = false;
    } else if (IsSkippedDestination(word)) {
      state_.destination = TDestination::Skip;
    } else if (state_.destination == TDestination::Skip) {
      // Nothing inside a skipped destination counts.
    } else if (state_.destination == TDestination::FontTable) {
      if (word == "f") {
        pendingFont_.index = param;
        pendingFont_.name.clear();
      } else if (ignorable) {
        state_.destination = TDestination::Skip;
      }
    } else if (state_.destination == TDestination::ColorTable) {
      ColorComponent(word, std::clamp(param, 0, 255));
    } else if (!FormattingWord(word, hasParam, param, on) && ignorable) {
      // An unknown destination that asks to be skipped when not understood.
      state_.destination = TDestination::Skip;
    }
  }

  void ColorComponent(const std::string& word, int value) {
    if (word == "red") {
      pendingColor_.setRed(value);
    } else if (word == "green") {
      pendingColor_.setGreen(value);
    } else if (word == "blue") {
      pendingColor_.setBlue(value);
    } else {
      return;
    }
    colorHasComponent_ = true;
  }

  // Returns whether the word is one the reader knows in running text.
  bool FormattingWord(const std::string& word, bool hasParam, int param, int on) {
    if (word == "par") {
      Paragraph();
    } else if (word == "line") {
      Text(QChar(QChar::LineSeparator));
    } else if (word == "tab") {
      Text(QLatin1Char('\t'));
    } else if (word == "b") {
      SetFormat(state_.bold, on != 0);
    } else if (word == "i") {
      SetFormat(state_.italic, on != 0);
    } else if (word == "ul") {
      SetFormat(state_.underline, on != 0);
    } else if (word == "ulnone") {
      SetFormat(state_.underline, false);
    } else if (word == "fs") {
      SetFormat(state_.halfPoints, hasParam && param > 0 ? std::clamp(param, kMinHalfPoints, kMaxHalfPoints)
                                                         : kDefaultHalfPoints);
    } else if (word == "cf") {
      SetFormat(state_.color, param);
    } else if (word == "f") {
      SetFormat(state_.font, param);
    } else if (word == "deff") {
      defaultFont_ = param;
    } else if (word == "plain") {
      Flush();
      const TGroupState keep = state_;
      state_ = TGroupState{};
      state_.destination = keep.destination;
      state_.skipAfterUnicode = keep.skipAfterUnicode;
    } else if (word == "uc") {
      state_.skipAfterUnicode = std::clamp(param, 0, kMaxWordLength);
    } else if (word == "u") {
      UnicodeChar(param);
    } else if (word == "emdash") {
      Text(QChar(0x2014));
    } else if (word == "endash") {
      Text(QChar(0x2013));
    } else if (word == "bullet") {
      Text(QChar(0x2022));
    } else if (word == "lquote") {
      Text(QChar(0x2018));
    } else if (word == "rquote") {
      Text(QChar(0x2019));
    } else if (word == "ldblquote") {
      Text(QChar(0x201C));
    } else if (word == "rdblquote") {
      Text(QChar(0x201D));
    } else {
      // rtf, ansi, ansicpg, deflang, viewkind, pard, fprq, fcharset, ...:
      // known or not, they change nothing this reader shows.
      return word == "rtf" || word == "ansi" || word == "ansicpg" || word == "pard" || word == "viewkind" ||
             word == "deflang";
    }
    return true;
  }

  void UnicodeChar(int code) {
    // Negative values stand for the upper half of the 16-bit range.
    if (code < 0) code += 65536;
    if (code > 0 && code < 65536) Text(QChar(char16_t(code)));
    // The fallback characters that follow stand in for readers without \u.
    for (int skip = state_.skipAfterUnicode; skip > 0 && pos_ < text_.size(); --skip) {
      const QChar c = text_[pos_];
      if (c == QLatin1Char('{') || c == QLatin1Char('}')) break;
      ++pos_;
      if (c == QLatin1Char('\\') && pos_ < text_.size()) {
        if (text_[pos_] == QLatin1Char('\'')) {
          pos_ = std::min(pos_ + 3, text_.size());
        } else {
          while (pos_ < text_.size() && IsLetter(text_[pos_])) ++pos_;
          while (pos_ < text_.size() && (IsDigit(text_[pos_]) || text_[pos_] == QLatin1Char('-'))) ++pos_;
          if (pos_ < text_.size() && text_[pos_] == QLatin1Char(' ')) ++pos_;
        }
      }
    }
  }

  template <typename T>
  void SetFormat(T& field, T value) {
    if (field == value) return;
    Flush();
    field = value;
  }

  void Text(QChar c) {
    switch (state_.destination) {
      case TDestination::Text:
        pending_ += c;
        break;
      case TDestination::FontTable:
        if (c == QLatin1Char(';')) {
          fonts_.push_back({pendingFont_.index, pendingFont_.name.trimmed()});
          pendingFont_.name.clear();
        } else {
          pendingFont_.name += c;
        }
        break;
      case TDestination::ColorTable:
        if (c == QLatin1Char(';')) {
          // An entry without components is the default colour.
          colors_.push_back(colorHasComponent_ ? pendingColor_ : QColor());
          pendingColor_ = QColor(0, 0, 0);
          colorHasComponent_ = false;
        }
        break;
      case TDestination::Skip:
        break;
    }
  }

  void Paragraph() {
    if (state_.destination != TDestination::Text) return;
    Flush();
    cursor_.insertBlock(QTextBlockFormat(), Format());
  }

  QString FontName(int index) const {
    for (const TFontEntry& f : fonts_)
      if (f.index == index) return f.name;
    return {};
  }

  QTextCharFormat Format() const {
    QTextCharFormat format;
    const QString family = FontName(state_.font >= 0 ? state_.font : defaultFont_);
    if (!family.isEmpty()) format.setFontFamilies({family});
    format.setFontPointSize(state_.halfPoints / 2.0);
    format.setFontWeight(state_.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(state_.italic);
    format.setFontUnderline(state_.underline);
    if (state_.color >= 0 && state_.color < int(colors_.size()) &&
        colors_[std::size_t(state_.color)].isValid())
      format.setForeground(colors_[std::size_t(state_.color)]);
    return format;
  }

  void Flush() {
    if (pending_.isEmpty()) return;
    if (!started_) {
      // The first block takes the format of the first text.
      cursor_.setBlockCharFormat(Format());
      started_ = true;
    }
    cursor_.insertText(pending_, Format());
    pending_.clear();
  }

  const QString& text_;
  qsizetype pos_ = 0;
  QTextCursor cursor_;
  TGroupState state_;
  std::vector<TGroupState> stack_;
  bool ignorable_ = false;
  bool finished_ = false;
  bool started_ = false;
  QString pending_;
  std::vector<TFontEntry> fonts_;
  TFontEntry pendingFont_;
  std::vector<QColor> colors_;
  QColor pendingColor_{0, 0, 0};
  bool colorHasComponent_ = false;
  int defaultFont_ = 0;
};

}  // namespace

void ReadRichText(QTextDocument* document, const QString& text) {
  if (!document) return;
  document->clear();
  if (!text.startsWith(QLatin1String("{\\rtf"))) {
    document->setPlainText(text);
    return;
  }
  TRichTextReader(document, text).Read();
}
