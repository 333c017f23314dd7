#include "common/decimal_round.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>

namespace quorvex {
namespace {

using uint128 = unsigned __int128;

constexpr uint64_t kPow10[20] = {1ull,
                                 10ull,
                                 100ull,
                                 1000ull,
                                 10000ull,
                                 100000ull,
                                 1000000ull,
                                 10000000ull,
                                 100000000ull,
                                 1000000000ull,
                                 10000000000ull,
                                 100000000000ull,
                                 1000000000000ull,
                                 10000000000000ull,
                                 100000000000000ull,
                                 1000000000000000ull,
                                 10000000000000000ull,
                                 100000000000000000ull,
                                 1000000000000000000ull,
                                 10000000000000000000ull};

int BitLength(uint128 x) {
  const uint64_t high = static_cast<uint64_t>(x >> 64);
  if (high != 0) return 128 - __builtin_clzll(high);
  const uint64_t low = static_cast<uint64_t>(x);
  return low == 0 ? 0 : 64 - __builtin_clzll(low);
}

constexpr uint64_t Pow5(int n) { return n == 0 ? 1 : 5 * Pow5(n - 1); }

constexpr uint64_t kPow5[28] = {Pow5(0),  Pow5(1),  Pow5(2),  Pow5(3),  Pow5(4),  Pow5(5),
                                Pow5(6),  Pow5(7),  Pow5(8),  Pow5(9),  Pow5(10), Pow5(11),
                                Pow5(12), Pow5(13), Pow5(14), Pow5(15), Pow5(16), Pow5(17),
                                Pow5(18), Pow5(19), Pow5(20), Pow5(21), Pow5(22), Pow5(23),
                                Pow5(24), Pow5(25), Pow5(26), Pow5(27)};

// x * 5^n into `x`; false when the product does not fit.
bool MulPow5(uint128& x, int n) {
  while (n > 0) {
    const int step = n < 27 ? n : 27;  // 5^27 < 2^63
    if (__builtin_mul_overflow(x, uint128{kPow5[step]}, &x)) return false;
    n -= step;
  }
  return true;
}

// x << n into `x`, keeping one spare bit so that 2*remainder never overflows.
bool Shift(uint128& x, int n) {
  if (x == 0) return true;
  if (BitLength(x) + n > 127) return false;
  x <<= n;
  return true;
}

// Computes round(m * 2^e * 10^p) half up, exactly, in 128-bit integers. With v = m * 2^e,
// v * 10^p = m * 5^p * 2^(e+p), so the powers of two collapse into shifts and only powers of
// five multiply. False when the numbers do not fit; `quotient` is truncated, `round_up` tells
// whether the remainder is at least one half.
bool ScaleExact(uint64_t m, int e, int p, uint128& quotient, bool& round_up) {
  uint128 a = m;
  uint128 b = 1;
  const int s = e + p;
  if (p >= 0) {
    if (!MulPow5(a, p)) return false;
  } else {
    if (!MulPow5(b, -p)) return false;
  }
  if (s >= 0) {
    if (!Shift(a, s)) return false;
  } else {
    if (!Shift(b, -s)) return false;
  }
  if (p >= 0) {
    // b is a power of two: shift and mask.
    const int k = s >= 0 ? 0 : -s;
    quotient = a >> k;
    const uint128 remainder = a & (b - 1);
    round_up = k > 0 && remainder >= (b >> 1);
  } else {
    quotient = a / b;
    const uint128 remainder = a % b;
    round_up = remainder >= b - remainder;
  }
  return true;
}

// The slow path for magnitudes the 128-bit scaling cannot hold. The C library prints the
// exact binary value correctly rounded half to even; half even and half away differ only on
// exact ties, and every exact tie is small enough for ScaleExact, so this is exact too.
RoundedDecimal RoundByPrintf(long double value, int count) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*Le", count - 1, value);
  uint64_t digits = 0;
  const char* p = buffer;
  // The decimal point depends on the C locale; skip whatever is not a digit.
  for (; *p != '\0' && *p != 'e'; ++p) {
    if (*p >= '0' && *p <= '9') digits = digits * 10 + static_cast<uint64_t>(*p - '0');
  }
  int exponent = 0;
  if (*p == 'e') {
    ++p;
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    for (; *p >= '0' && *p <= '9'; ++p) exponent = exponent * 10 + (*p - '0');
    if (negative) exponent = -exponent;
  }
  return {digits, exponent + 1};
}

// The common magnitudes (about 10^-13 to 10^count for 15 digits): 10^p with 0 <= p <= 27 is
// 5^p * 2^p, and 5^p < 2^63, so m * 5^p is one exact 64 x 64-bit product and the rest shifts.
// With the estimate one too low the product has one digit too many; dropping it rounds on that
// digit alone, since the exact remainder below it is less than one. Nullopt: the exact path.
// Values below 2^64 with more integer digits than count (p < 0) divide their integer part by
// 10^-p in 64 bits instead; the remainder and the fraction bits below the binary point judge
// the rounding exactly.
std::optional<RoundedDecimal> RoundByOneProduct(uint64_t m, int e, int count,
                                                int decimal_exponent) {
  const int p = count - 1 - decimal_exponent;
  uint128 quotient;
  bool round_up = false;
  if (p < 0) {
    if (p < -19 || e > 0 || e < -63) return std::nullopt;
    const int s = -e;  // value = whole + fraction / 2^s
    const uint64_t whole = m >> s;
    const uint64_t fraction = m & ((uint64_t{1} << s) - 1);
    const uint64_t divisor = kPow10[-p];
    quotient = whole / divisor;
    const uint64_t remainder = whole % divisor;
    // (remainder + fraction / 2^s) / divisor >= 1/2, scaled by 2^(s+1).
    round_up =
        (uint128{remainder} << (s + 1)) + (uint128{fraction} << 1) >= (uint128{divisor} << s);
  } else {
    if (p > 27) return std::nullopt;
    const uint128 a = uint128{m} * kPow5[p];
    const int s = e + p;  // value * 10^p = a * 2^s
    if (s >= 0) {
      if (BitLength(a) + s > 127) return std::nullopt;
      quotient = a << s;
    } else {
      const int k = -s;
      if (k >= 128) return std::nullopt;
      quotient = a >> k;
      const uint128 half = uint128{1} << (k - 1);
      round_up = (a & ((half << 1) - 1)) >= half;
    }
  }
  if (quotient >> 64 != 0) return std::nullopt;
  uint64_t q = static_cast<uint64_t>(quotient);
  const uint64_t low = kPow10[count - 1];
  const uint64_t high = kPow10[count];
  if (q >= high) {
    if (q / 10 >= high) return std::nullopt;
    round_up = q % 10 >= 5;
    q /= 10;
    ++decimal_exponent;
  }
  if (q < low) return std::nullopt;
  uint64_t digits = q + (round_up ? 1 : 0);
  if (digits == high) {
    digits = low;
    ++decimal_exponent;
  }
  return RoundedDecimal{digits, decimal_exponent + 1};
}

// value = m * 2^e exactly.
void DecomposeValue(long double value, uint64_t& m, int& e) {
#if LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384
  // x87 extended: the 64-bit significand with its explicit leading bit, then the exponent.
  unsigned char bytes[sizeof(long double)];
  std::memcpy(bytes, &value, sizeof bytes);
  std::memcpy(&m, bytes, sizeof m);
  const int biased = (bytes[8] | (bytes[9] << 8)) & 0x7FFF;
  e = (biased == 0 ? 1 : biased) - 16383 - 63;
#else
  int exponent_of_fraction = 0;
  const long double fraction = std::frexp(value, &exponent_of_fraction);
  m = static_cast<uint64_t>(std::ldexp(fraction, 64));
  e = exponent_of_fraction - 64;
#endif
}

}  // namespace

bool RoundSignificantFast(uint64_t m, int e, int count, RoundedDecimal& rounded) {
  const int binary_exponent = 64 - __builtin_clzll(m) + e;  // value < 2^binary_exponent
  // The estimate of RoundSignificantExact in integers (78913 / 2^18 is log10(2) to 6 digits);
  // the fast path checks the digit count it gets, so an estimate that is off only sends it to
  // the exact path.
  const std::optional<RoundedDecimal> fast =
      RoundByOneProduct(m, e, count, ((binary_exponent - 1) * 78913) >> 18);
  if (!fast) return false;
  // Field by field: a whole-struct copy reads both 8-byte halves as one 16-byte load, which
  // cannot be forwarded from the two stores just made.
  rounded.digits = fast->digits;
  rounded.exponent = fast->exponent;
  return true;
}

RoundedDecimal RoundSignificant(long double value, int count) {
  uint64_t m;
  int e;
  DecomposeValue(value, m, e);
  if (m == 0) return RoundByPrintf(value, count);  // not a valid extended encoding
  RoundedDecimal rounded;
  if (RoundSignificantFast(m, e, count, rounded)) return rounded;
  return RoundSignificantExact(value, count);
}

RoundedDecimal RoundSignificantExact(long double value, int count) {
  uint64_t m;
  int e;
  DecomposeValue(value, m, e);
  if (m == 0) return RoundByPrintf(value, count);
  const int binary_exponent = 64 - __builtin_clzll(m) + e;

  // floor(log10(value)) is this estimate or one more.
  int decimal_exponent =
      static_cast<int>(std::floor((binary_exponent - 1) * 0.30102999566398119521));
  const uint64_t low = kPow10[count - 1];
  const uint64_t high = kPow10[count];

  const int zeros = __builtin_ctzll(m);
  m >>= zeros;
  e += zeros;
  for (int attempt = 0; attempt < 3; ++attempt) {
    uint128 quotient = 0;
    bool round_up = false;
    if (!ScaleExact(m, e, count - 1 - decimal_exponent, quotient, round_up)) break;
    if (quotient >= high) {
      ++decimal_exponent;
      continue;
    }
    if (quotient < low) {
      --decimal_exponent;
      continue;
    }
    uint64_t digits = static_cast<uint64_t>(quotient) + (round_up ? 1 : 0);
    if (digits == high) {
      digits = low;
      ++decimal_exponent;
    }
    return {digits, decimal_exponent + 1};
  }
  return RoundByPrintf(value, count);
}

}  // namespace quorvex
