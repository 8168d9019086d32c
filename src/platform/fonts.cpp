#include "fonts.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>

namespace {

// Metric-compatible faces that Debian ships; the first installed one wins.
const char* const kWineFontDir = "/usr/share/wine/fonts";
const char* const kWineFaces[] = {"ms_sans_serif.ttf", "tahoma.ttf", "tahomabd.ttf"};

}  // namespace

void InstallFontSubstitutes() {
  static bool done = false;
  if (done) return;
  done = true;
  const QDir dir(QString::fromLatin1(kWineFontDir));
  for (const char* face : kWineFaces) {
    const QString path = dir.filePath(QString::fromLatin1(face));
    if (QFile::exists(path)) QFontDatabase::addApplicationFont(path);
  }
  QFont::insertSubstitutions(
      QStringLiteral("MS Sans Serif"),
      {QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                             {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
  QFont::insertSubstitutions(QStringLiteral("Verdana"),
                             {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
}

QFont MakeFont(const QString& face, int height, bool bold) {
  QFont font(face);
  font.setStyleStrategy(QFont::PreferDefault);
  font.setBold(bold);
  if (height < 0) {
    font.setPixelSize(-height);
  } else if (height > 0) {
    // A cell height: shrink the character size until the line fits.
    int size = height;
    font.setPixelSize(size);
    while (size > 1 && QFontMetrics(font).height() > height) font.setPixelSize(--size);
  }
  return font;
}
