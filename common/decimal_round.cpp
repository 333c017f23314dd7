#include "common/decimal_round.h"

#include <cmath>
#include <cstdio>

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

// x * 5^n into `x`; false when the product does not fit.
bool MulPow5(uint128& x, int n) {
  constexpr uint128 kMax = ~uint128{0};
  while (n > 0) {
    const int step = n < 27 ? n : 27;  // 5^27 < 2^63
    uint64_t factor = 1;
    for (int i = 0; i < step; ++i) factor *= 5;
    if (x > kMax / factor) return false;
    x *= factor;
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

}  // namespace

RoundedDecimal RoundSignificant(long double value, int count) {
  int binary_exponent = 0;
  const long double fraction = std::frexp(value, &binary_exponent);  // value = f * 2^be
  uint64_t m = static_cast<uint64_t>(std::ldexp(fraction, 64));
  int e = binary_exponent - 64;
  const int zeros = __builtin_ctzll(m);
  m >>= zeros;
  e += zeros;

  // floor(log10(value)) is this estimate or one more.
  int decimal_exponent =
      static_cast<int>(std::floor((binary_exponent - 1) * 0.30102999566398119521));
  const uint64_t low = kPow10[count - 1];
  const uint64_t high = kPow10[count];
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
