#include "richedit.h"

#include "richtextreader.h"

TRichEdit::TRichEdit(QWidget* parent) : QTextEdit(parent) {
  setReadOnly(true);
  setAcceptRichText(false);
}

void TRichEdit::LoadFromString(const QString& text) {
  ReadRichText(document(), text);
  moveCursor(QTextCursor::Start);
}
