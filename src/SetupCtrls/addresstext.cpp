#include "addresstext.h"

namespace {

constexpr int kMaxHexDigits = 8;
constexpr int kHexBase = 16;
// The most digits an error message quotes; a longer text is cut short
// there, so that no text, however long, makes an endless message.
constexpr int kMaxQuotedDigits = 24;
const QString kEllipsis = QStringLiteral("...");

EConvertError NotAnInteger(const QString& digits) {
  const QString quoted =
      digits.size() > kMaxQuotedDigits ? digits.left(kMaxQuotedDigits) + kEllipsis : digits;
  return EConvertError(QStringLiteral("'$%1' is not a valid integer value").arg(quoted).toStdString());
}

bool IsHexDigit(QChar c) {
  return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

// Upper case for the letters a to z only: the full Unicode mapping would
// turn a ligature such as U+FB00 into the two digits FF.
QChar AsciiUpper(QChar c) {
  return c >= QLatin1Char('a') && c <= QLatin1Char('z') ? QChar(c.unicode() - 'a' + 'A') : c;
}

}  // namespace

std::optional<std::int32_t> ParseHexAddress(const QString& text) {
  QString digits;
  for (QChar c : text)
    if (IsHexDigit(AsciiUpper(c))) digits.append(AsciiUpper(c));
  if (digits.isEmpty()) return std::nullopt;
  qsizetype first = 0;
  while (first < digits.size() - 1 && digits[first] == QLatin1Char('0')) ++first;
  const QString significant = digits.mid(first);
  if (significant.size() > kMaxHexDigits) throw NotAnInteger(digits);
  bool ok = false;
  const std::uint32_t value = significant.toUInt(&ok, kHexBase);
  if (!ok) throw NotAnInteger(digits);
  return static_cast<std::int32_t>(value);
}

QString AddressText(std::int32_t value) {
  return QString::number(static_cast<std::uint32_t>(value), kHexBase).toUpper();
}
