#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "common/decimal_round.h"
#include "common/number_text.h"

namespace quorvex {
namespace {

constexpr int kGeneralDigits = 15;
// Longest text: "-" + 15 digits + "," + "E-" + 5 exponent digits, or "-0,000" + 15 digits.
constexpr int kMaxGeneralLength = 32;

// Powers of ten that long double holds exactly (5^27 < 2^64).
constexpr long double kExactPow10[28] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,
                                         1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L,
                                         1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L,
                                         1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};

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

// Writes the general form into out (kMaxGeneralLength bytes) and returns its length.
// Whether m * 2^e (m with its top bit set) is a whole number below 10^15: the bits of m below
// the binary point are zero.
bool IsSmallWholeNumber(uint64_t m, int e) {
  // e >= 0 is 2^63 or more; e < -63 is below 1.
  if (e >= 0 || e < -63) return false;
  return (m << (64 + e)) == 0 && (m >> -e) < 1000000000000000ull;
}

int WriteGeneral(long double value, char* out) {
  auto copy = [out](std::string_view text) {
    for (size_t k = 0; k < text.size(); ++k) out[k] = text[k];
    return static_cast<int>(text.size());
  };
  if (std::isnan(value)) return copy("NAN");
  if (std::isinf(value)) return copy(value < 0 ? "-INF" : "INF");
  if (value == 0) return copy("0");  // negative zero too

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
  return n;
}

// The read-back of a 15-digit rounding: digits * 10^power, one correctly rounded operation as
// ParseNumber does it. False where the power of ten is not exact.
bool ReadRounded(const RoundedDecimal& rounded, bool negative, long double& read) {
  const int power = rounded.exponent - kGeneralDigits;
  if (power < -27 || power > 27) return false;
  // Below 10^15, so the signed conversion (one instruction) is exact.
  const long double digits = static_cast<long double>(static_cast<int64_t>(rounded.digits));
  read = power >= 0 ? digits * kExactPow10[power] : digits / kExactPow10[-power];
  if (negative) read = -read;
  return true;
}

}  // namespace

std::string FormatGeneral(long double value) {
  char out[kMaxGeneralLength];
  return std::string(out, static_cast<size_t>(WriteGeneral(value, out)));
}

void AssignGeneral(long double value, std::string& text) {
  char out[kMaxGeneralLength];
  text.assign(out, static_cast<size_t>(WriteGeneral(value, out)));
}

void AppendGeneral(long double value, std::string& text) {
  char out[kMaxGeneralLength];
  text.append(out, static_cast<size_t>(WriteGeneral(value, out)));
}

std::optional<long double> GeneralReadBack(long double value) {
  if (std::isnan(value) || std::isinf(value)) return std::nullopt;
  if (value == 0) return 0.0L;  // "0", also for negative zero
  if (ReadsBackUnchanged(value)) return value;
  const bool negative = value < 0;
  const RoundedDecimal rounded = RoundSignificant(negative ? -value : value, kGeneralDigits);
  long double read;
  if (ReadRounded(rounded, negative, read)) return read;
  return ParseNumber(FormatGeneral(value));  // the text itself
}

bool GeneralReadBackInPlace(long double& value) {
#if LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384
  // The common case straight from the bits: a normal value, whole or within the fast rounding.
  unsigned char bytes[sizeof(long double)];
  std::memcpy(bytes, &value, sizeof bytes);
  uint64_t m;
  std::memcpy(&m, bytes, sizeof m);
  const int biased = (bytes[8] | (bytes[9] << 8)) & 0x7FFF;
  if (biased != 0 && biased != 0x7FFF && (m >> 63) != 0) {
    const int e = biased - 16383 - 63;
    if (IsSmallWholeNumber(m, e)) return true;
    RoundedDecimal rounded;
    if (RoundSignificantFast(m, e, kGeneralDigits, rounded) &&
        ReadRounded(rounded, (bytes[9] & 0x80) != 0, value)) {
      return true;
    }
  }
#endif
  const std::optional<long double> read = GeneralReadBack(value);
  if (!read) return false;
  value = *read;
  return true;
}

}  // namespace quorvex
