#include "addresstext.h"

namespace {

constexpr int kMaxHexDigits = 8;
constexpr int kHexBase = 16;

bool IsHexDigit(QChar c) {
  return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
}

}  // namespace

std::optional<std::int32_t> ParseHexAddress(const QString& text) {
  QString digits;
  for (QChar c : text.toUpper())
    if (IsHexDigit(c)) digits.append(c);
  if (digits.isEmpty()) return std::nullopt;
  qsizetype first = 0;
  while (first < digits.size() - 1 && digits[first] == QLatin1Char('0')) ++first;
  const QString significant = digits.mid(first);
  if (significant.size() > kMaxHexDigits)
    throw EConvertError(QStringLiteral("'$%1' is not a valid integer value").arg(digits).toStdString());
  bool ok = false;
  const std::uint32_t value = significant.toUInt(&ok, kHexBase);
  if (!ok)
    throw EConvertError(QStringLiteral("'$%1' is not a valid integer value").arg(digits).toStdString());
  return static_cast<std::int32_t>(value);
}

QString AddressText(std::int32_t value) {
  return QString::number(static_cast<std::uint32_t>(value), kHexBase).toUpper();
}
