#pragma once
// A read-only rich-text box that loads its content from a rich-text string.
#include <QTextEdit>

class TRichEdit : public QTextEdit {
  Q_OBJECT
 public:
  explicit TRichEdit(QWidget* parent = nullptr);

  // Replaces the content by the rich text (or plain text) in `text`.
  void LoadFromString(const QString& text);
};
