#include "listbox.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextOption>
#include <algorithm>

namespace {

// Paints an item's text with its tabs expanded at the list's tab stops.
class TTabItemDelegate : public QStyledItemDelegate {
 public:
  explicit TTabItemDelegate(TListBox* list) : QStyledItemDelegate(list), list_(list) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    const QString text = opt.text;
    // The style draws the item without its text (background, selection,
    // focus); the text follows with its tabs expanded, across the whole row.
    opt.text.clear();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    QRect textRect = opt.rect.adjusted(margin, 0, -margin, 0);
    if (widget) textRect.setRight(std::max(textRect.right(), widget->width() - margin));
    QTextOption textOption(Qt::AlignLeft | Qt::AlignVCenter);
    textOption.setWrapMode(QTextOption::NoWrap);
    textOption.setTabStopDistance(list_->TabStopPixels());
    painter->save();
    const bool selected = opt.state & QStyle::State_Selected;
    const QPalette::ColorGroup group =
        (opt.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    painter->setPen(opt.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(opt.font);
    painter->drawText(QRectF(textRect), text, textOption);
    painter->restore();
  }

  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    const QString text = index.data(Qt::DisplayRole).toString();
    const int width =
        option.fontMetrics.size(Qt::TextSingleLine | Qt::TextExpandTabs, text, list_->TabStopPixels())
            .width();
    size.setWidth(std::max(size.width(), width + 2 * kTextMargin));
    return size;
  }

 private:
  static constexpr int kTextMargin = 3;
  TListBox* list_;
};

}  // namespace

QStringList SplitLines(const QString& text) {
  QStringList lines;
  QString line;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
      if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
      lines.append(line);
      line.clear();
    } else {
      line += c;
    }
  }
  if (!line.isEmpty()) lines.append(line);
  return lines;
}

TListBox::TListBox(QWidget* parent) : QListWidget(parent) {
  setItemDelegate(new TTabItemDelegate(this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
}

void TListBox::setTabWidth(int dialogUnits) {
  if (dialogUnits == tabWidth_) return;
  tabWidth_ = dialogUnits;
  viewport()->update();
}

int TListBox::AverageCharWidth(const QFontMetrics& metrics) {
  static const QString kLetters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
  return (metrics.horizontalAdvance(kLetters) / 26 + 1) / 2;
}

int TListBox::TabStopPixels() const {
  const int units = tabWidth_ > 0 ? tabWidth_ : kDefaultTabDialogUnits;
  return units * AverageCharWidth(fontMetrics()) / kDialogUnitsPerChar;
}

void TListBox::SetText(const QString& text) {
  clear();
  addItems(SplitLines(text));
}

QString TListBox::Line(int index) const {
  const QListWidgetItem* it = item(index);
  return it ? it->text() : QString();
}

void TListBox::SetLine(int index, const QString& text) {
  if (QListWidgetItem* it = item(index)) it->setText(text);
}

void TListBox::AddLine(const QString& text) {
  addItem(text);
}

void TListBox::changeEvent(QEvent* event) {
  // The tab stops follow the font's character width.
  if (event->type() == QEvent::FontChange) viewport()->update();
  QListWidget::changeEvent(event);
}
