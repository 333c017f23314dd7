#include <locale.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "common/number_text.h"

namespace quorvex {
namespace {

// Powers of ten that long double holds exactly (5^27 < 2^64).
constexpr long double kExactPow10[28] = {1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,
                                         1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L,
                                         1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L,
                                         1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};

constexpr int kMaxFastDigits = 19;  // 10^19 < 2^64
constexpr int kExponentClamp = 100000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The C library's reader with the "C" locale, so that the process locale (which a window
// toolkit may set from the environment) cannot change the decimal point. Correctly rounded.
long double ReadWithCLibrary(const char* text) {
  static const locale_t c_locale = newlocale(LC_ALL_MASK, "C", locale_t{});
  if (c_locale == locale_t{}) return std::strtold(text, nullptr);
  return strtold_l(text, nullptr, c_locale);
}

}  // namespace

std::optional<long double> ParseNumber(std::string_view text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && text[begin] == ' ') ++begin;
  while (end > begin && text[end - 1] == ' ') --end;

  size_t i = begin;
  bool negative = false;
  if (i < end && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }

  uint64_t mantissa = 0;
  int significant = 0;  // digits from the first non-zero one on
  int scale = 0;        // decimal exponent contributed by the mantissa's digit positions
  int digit_count = 0;
  bool comma = false;
  for (; i < end; ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      ++digit_count;
      if (comma) --scale;
      if (significant == 0 && c == '0') continue;
      if (significant < kMaxFastDigits) {
        mantissa = mantissa * 10 + static_cast<uint64_t>(c - '0');
      }
      ++significant;
    } else if (c == ',' && !comma) {
      comma = true;
    } else {
      break;
    }
  }
  // A lone comma counts as a mantissa; a sign alone does not.
  if (digit_count == 0 && !comma) return std::nullopt;

  int exponent = 0;
  if (i < end && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    bool exponent_negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
      exponent_negative = text[i] == '-';
      ++i;
    }
    if (i == end || !IsDigit(text[i])) return std::nullopt;
    for (; i < end && IsDigit(text[i]); ++i) {
      if (exponent < kExponentClamp) exponent = exponent * 10 + (text[i] - '0');
    }
    if (exponent_negative) exponent = -exponent;
  }
  if (i != end) return std::nullopt;

  if (significant == 0) return negative ? -0.0L : 0.0L;

  if (significant <= kMaxFastDigits) {
    // Exact mantissa and exact power of ten: one correctly rounded operation.
    int power = scale + exponent;
    while (power > 27 && mantissa < UINT64_MAX / 10) {
      mantissa *= 10;
      --power;
    }
    if (power >= -27 && power <= 27) {
      long double value = static_cast<long double>(mantissa);
      value = power >= 0 ? value * kExactPow10[power] : value / kExactPow10[-power];
      return negative ? -value : value;
    }
  }

  // Too many digits or too large an exponent: the C reader on a copy with a decimal point.
  char small[128];
  std::string large;
  char* copy = small;
  const size_t length = end - begin;
  if (length >= sizeof small) {
    large.resize(length + 1);
    copy = large.data();
  }
  for (size_t k = 0; k < length; ++k) {
    const char c = text[begin + k];
    copy[k] = c == ',' ? '.' : c;
  }
  copy[length] = '\0';
  const long double value = ReadWithCLibrary(copy);
  if (std::isinf(value)) return std::nullopt;
  return value;
}

}  // namespace quorvex
