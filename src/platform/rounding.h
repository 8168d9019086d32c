#pragma once
// "Round" everywhere in the program: to the nearest integer, exact halves to
// the even neighbour. Independent of the floating-point rounding mode.
#include <cmath>

inline long long RoundHalfEven(double v) {
  double whole = std::floor(v);
  const double fraction = v - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1.0;
  return static_cast<long long>(whole);
}
