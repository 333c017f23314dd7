#include <cmath>
#include <cstdint>
#include <string>

#include "common/decimal_round.h"
#include "common/number_text.h"

namespace quorvex {
namespace {

constexpr int kGeneralDigits = 15;

constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

// Writes `value` (below 10^8) as exactly 8 digits, two at a time.
void WriteEightDigits(uint32_t value, char* out) {
  for (int k = 6; k >= 0; k -= 2) {
    const uint32_t pair = value % 100;
    value /= 100;
    out[k] = kDigitPairs[2 * pair];
    out[k + 1] = kDigitPairs[2 * pair + 1];
  }
}

}  // namespace

std::string FormatGeneral(long double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0) return "0";  // negative zero too

  const bool negative = value < 0;
  const RoundedDecimal rounded = RoundSignificant(negative ? -value : value, kGeneralDigits);
  // Two independent halves of 7 and 8 digits are quicker than one chain of divisions.
  char buffer[16];
  WriteEightDigits(static_cast<uint32_t>(rounded.digits / 100000000), buffer);
  WriteEightDigits(static_cast<uint32_t>(rounded.digits % 100000000), buffer + 8);
  const char* digits = buffer + 1;  // buffer[0] is the leading zero of the upper half
  int count = kGeneralDigits;
  while (count > 1 && digits[count - 1] == '0') --count;
  const int e = rounded.exponent;  // value = 0.d1...dn × 10^e

  // Longest text: "-" + 15 digits + "," + "E-" + 5 exponent digits, or "-0,000" + 15 digits.
  char out[32];
  int n = 0;
  if (negative) out[n++] = '-';
  if (e > kGeneralDigits || e < -3) {
    out[n++] = digits[0];
    if (count > 1) {
      out[n++] = ',';
      for (int k = 1; k < count; ++k) out[n++] = digits[k];
    }
    out[n++] = 'E';
    int exponent = e - 1;
    if (exponent < 0) {
      out[n++] = '-';
      exponent = -exponent;
    }
    char exponent_digits[8];
    int m = 0;
    do {
      exponent_digits[m++] = static_cast<char>('0' + exponent % 10);
      exponent /= 10;
    } while (exponent != 0);
    while (m > 0) out[n++] = exponent_digits[--m];
  } else if (e > 0) {
    for (int k = 0; k < e; ++k) out[n++] = k < count ? digits[k] : '0';
    if (count > e) {
      out[n++] = ',';
      for (int k = e; k < count; ++k) out[n++] = digits[k];
    }
  } else {
    out[n++] = '0';
    out[n++] = ',';
    for (int k = 0; k < -e; ++k) out[n++] = '0';
    for (int k = 0; k < count; ++k) out[n++] = digits[k];
  }
  return std::string(out, static_cast<size_t>(n));
}

}  // namespace quorvex
