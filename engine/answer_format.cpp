#include "engine/answer_format.h"

#include <cmath>
#include <cstdint>

#include "common/number_text.h"
#include "engine/messages.h"

namespace quorvex {
namespace {

constexpr long double kMaxConvertible = 281474976710655.0L;  // 2^48 - 1
constexpr int kFractionDigits = 24;

// Bits per digit of each number system position; 0 for decimal.
constexpr int kGroupBits[] = {4, 0, 3, 2, 1};

char GroupDigit(int value) {
  return static_cast<char>(value < 10 ? '0' + value : 'A' + value - 10);
}

// Fraction bits, most significant first, one digit per group counted from the radix point.
std::string FractionDigits(long double fraction, int group_bits) {
  std::string bits;
  while (fraction != 0 && static_cast<int>(bits.size()) < kFractionDigits) {
    fraction *= 2;
    if (fraction < 1) {
      bits += '0';
    } else {
      bits += '1';
      fraction -= 1;
    }
  }
  std::string digits;
  for (size_t start = 0; start < bits.size(); start += group_bits) {
    int value = 0;
    for (int i = 0; i < group_bits; ++i) {
      const size_t at = start + i;
      value = value * 2 + (at < bits.size() && bits[at] == '1' ? 1 : 0);
    }
    digits += GroupDigit(value);
  }
  return digits;
}

// Integer bits (two's complement when negative), one digit per group from the least
// significant bit.
std::string IntegerDigits(uint64_t n, bool negative, int group_bits) {
  if (n == 0) return "0";
  std::string bits;  // least significant first
  for (; n != 0; n /= 2) bits += static_cast<char>('0' + n % 2);
  if (negative) {
    for (char& bit : bits) bit = bit == '0' ? '1' : '0';
    for (char& bit : bits) {
      if (bit == '1') {
        bit = '0';
      } else {
        bit = '1';
        break;
      }
    }
    if (bits.back() == '0') bits += '1';
  }
  std::string digits;
  for (size_t start = 0; start < bits.size(); start += group_bits) {
    int value = 0;
    for (int i = group_bits - 1; i >= 0; --i) {
      const size_t at = start + i;
      value = value * 2 + (at < bits.size() && bits[at] == '1' ? 1 : 0);
    }
    digits.insert(digits.begin(), GroupDigit(value));
  }
  return digits;
}

}  // namespace

std::string BitCountText(long double value) {
  if (value == 0) return "0 bit";
  return FormatGeneral(std::ceil(std::log2(std::ceil(std::fabs(value))))) + " bit";
}

std::string FormatScientific(long double value) {
  if (value == 0) return "0*10^0";
  if (!std::isfinite(value)) return FormatGeneral(value);
  std::string sign;
  if (value < 0) {
    sign = "-";
    value = -value;
  }
  int exponent = 0;
  if (value >= 1) {
    while (value > 10) {
      value *= 0.1L;
      ++exponent;
    }
  } else {
    while (value < 1) {
      value *= 10;
      --exponent;
    }
  }
  return sign + FormatGeneral(value) + "*10^" + std::to_string(exponent);
}

std::string ConvertToBase(long double value, int group_bits) {
  const bool negative = value < 0;
  const long double magnitude = std::fabs(value);
  const long double whole = std::floor(magnitude);
  const std::string fraction = FractionDigits(magnitude - whole, group_bits);
  std::string text = negative ? "1  " : "0  ";
  text += IntegerDigits(static_cast<uint64_t>(whole), negative, group_bits);
  if (!fraction.empty()) text += "  " + fraction;
  return text;
}

FormattedAnswer FormatAnswer(long double ans, const GeneralSettings& general,
                             const MaskSettings& mask) {
  FormattedAnswer result;
  result.bits = BitCountText(ans);
  const int system = general.numbersys;
  if (system == kDecimal || system < 0 || system > kBinary) {
    result.answer = general.scicheck ? FormatScientific(ans) : MaskedText(mask, ans);
  } else if (ans == 0) {
    result.answer = "0  0";
  } else if (std::isnan(ans)) {
    result.answer = FormatGeneral(ans);
  } else if (std::fabs(ans) > kMaxConvertible) {
    result.answer = messages::kMax48Bit;
  } else {
    result.answer = ConvertToBase(ans, kGroupBits[system]);
  }
  return result;
}

}  // namespace quorvex
