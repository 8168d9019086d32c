#pragma once
// The program asks for the classic faces "MS Sans Serif", "Tahoma" and
// "Verdana"; where they are not installed they are mapped to faces of similar
// metrics.
#include <QFont>
#include <QString>

void InstallFontSubstitutes();

// A font by face name and height in the toolkit's sense: a negative height
// is the character height in pixels, a positive one the cell height.
QFont MakeFont(const QString& face, int height, bool bold = false);
