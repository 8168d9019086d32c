#pragma once
// The base address as the DIP switch knows it: hexadecimal text reduced to
// the address lines A(10 - N) to A9 that its N switches select.
#include <QString>
#include <cstdint>
#include <optional>
#include <stdexcept>

// A text that does not convert to a 32-bit number.
class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

constexpr int kMinSwitches = 1;
constexpr int kMaxSwitches = 10;
// The highest address line a switch selects is A9.
constexpr int kTopAddressBit = 9;

constexpr bool IsSwitchCount(int n) {
  return n >= kMinSwitches && n <= kMaxSwitches;
}

// The address bit switch i (from the picture's left end) stands for.
constexpr int SwitchBit(int i, int n, bool leftToRight) {
  return leftToRight ? kTopAddressBit - i : kTopAddressBit + 1 - n + i;
}

// The bits the n switches select: 0x3F8 for seven, 0x3FF for ten.
constexpr std::int32_t SwitchMask(int n) {
  return ((std::int32_t(1) << n) - 1) << (kTopAddressBit + 1 - n);
}

// The hexadecimal digits of `text` (any case; every other character
// dropped) as one 32-bit number, values from 0x80000000 up negative; no
// value when no digit is left. More than eight significant digits raise
// EConvertError.
std::optional<std::int32_t> ParseHexAddress(const QString& text);

// Upper-case hexadecimal without leading zeros, "0" for zero.
QString AddressText(std::int32_t value);
