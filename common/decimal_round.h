// Internal to common/: the exact decimal rounding shared by FormatGeneral and FormatPattern.
#pragma once

#include <cstdint>

namespace quorvex {

// A positive value rounded to a number of significant digits: value = 0.d1...dn × 10^exponent,
// where `digits` holds d1...dn as an integer with exactly n digits (trailing zeros kept).
struct RoundedDecimal {
  uint64_t digits;
  int exponent;
};

// Rounds a finite value > 0 to `count` significant digits (1 to 19), half away from zero,
// judged on the exact binary value (no double rounding).
RoundedDecimal RoundSignificant(long double value, int count);

// The one-product rounding of m * 2^e (m != 0) alone, on the value's bits: false where only
// the exact scaling can tell, true with the same result as RoundSignificant otherwise.
bool RoundSignificantFast(uint64_t m, int e, int count, RoundedDecimal& rounded);

// The same by the exact 128-bit scaling alone, without the one-product fast path; the tests
// hold the two against each other.
RoundedDecimal RoundSignificantExact(long double value, int count);

}  // namespace quorvex
