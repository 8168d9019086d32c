#pragma once
// A reader of the rich-text subset the program's documents use: groups,
// paragraphs (\par, \pard), bold (\b), italic (\i), underline (\ul), font
// size in half points (\fs), colour (\cf) and font (\f) from the colour and
// font tables, the typographic symbols (\emdash, \endash, \bullet, quotes),
// \tab, \line, \uN and hexadecimal escapes \'hh in code page 1252.
//
// The reader never fails: unknown control words are skipped, unknown
// destinations ({\* ...}, \info, \stylesheet, \pict, ...) are left out,
// unbalanced braces are tolerated and a truncated escape at the end is
// dropped; everything read up to that point is shown. A text that does not
// begin with "{\rtf" is taken as plain text.
#include <QString>

class QTextDocument;

// Replaces the document's content by what the reader makes of `text`.
void ReadRichText(QTextDocument* document, const QString& text);
