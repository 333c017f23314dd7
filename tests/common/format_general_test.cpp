#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "common/number_text.h"
#include "gtest/gtest.h"

namespace quorvex {
namespace {

struct FormatCase {
  const char* name;
  long double value;
  const char* expected;
};

const FormatCase kFormatCases[] = {
    {"ScientificLarge", 3.9e33L, "3,9E33"},
    {"ScientificSmall", 5.67051e-5L, "5,67051E-5"},
    {"TenToFifteenIsScientific", 1e15L, "1E15"},
    {"PlainInteger", 14960000000000.0L, "14960000000000"},
    {"PlainFraction", 3.14159265358979L, "3,14159265358979"},
    {"SmallPlain", 0.00729735308L, "0,00729735308"},
    {"SmallestPlain", 0.0001L, "0,0001"},
    {"OneThird", 1.0L / 3.0L, "0,333333333333333"},
    {"TwoThirdsRoundsUp", 2.0L / 3.0L, "0,666666666666667"},
    {"TwoToFifty", 1125899906842624.0L, "1,12589990684262E15"},
    {"TenToMinusFive", 1e-5L, "1E-5"},
    {"Pi", 3.14159265358979323846L, "3,14159265358979"},
    {"LargestPlain", 999999999999999.0L, "999999999999999"},
    {"CarryIntoScientific", 999999999999999.5L, "1E15"},
    {"CarryIntoNextDigit", 0.99999999999999999L, "1"},
    {"JustBelowPlainRange", 0.00009999L, "9,999E-5"},
    {"Integer", 123456.0L, "123456"},
    {"One", 1.0L, "1"},
    {"Negative", -2.5L, "-2,5"},
    {"NegativeScientific", -1e-20L, "-1E-20"},
    {"Zero", 0.0L, "0"},
    {"NegativeZero", -0.0L, "0"},
    {"Infinity", INFINITY, "INF"},
    {"MinusInfinity", -INFINITY, "-INF"},
    {"NotANumber", NAN, "NAN"},
    {"LargestExtended", LDBL_MAX, "1,18973149535723E4932"},
    {"SmallestNormal", LDBL_MIN, "3,36210314311209E-4932"},
    {"SmallestSubnormal", LDBL_TRUE_MIN, "3,64519953188247E-4951"},
    {"SixteenDigitsRoundDown", 1234567890123454.0L, "1,23456789012345E15"},
    // Exact ties at the 16th digit go away from zero (half to even would keep the 2 or 0).
    {"IntegerTieAwayFromZero", 1000000000000005.0L, "1,00000000000001E15"},
    {"FractionTieAwayFromZero", 123456789012.3125L, "123456789012,313"},
    {"NegativeTieAwayFromZero", -123456789012.3125L, "-123456789012,313"},
    {"JustBelowTie", 123456789012.3125L - 1.0L / 4096, "123456789012,312"},
};

class FormatGeneralTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatGeneralTest, Writes) {
  EXPECT_EQ(FormatGeneral(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, FormatGeneralTest, ::testing::ValuesIn(kFormatCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Reference: the exact decimal expansion from the C library (enough digits to be exact for
// every long double), rounded half away by hand. Returns the 15 digits and the exponent E of
// value = 0.d1...d15 × 10^E.
struct Reference {
  std::string digits;
  int exponent;
};

Reference ExactRound15(long double magnitude) {
  static char buffer[17000];
  std::snprintf(buffer, sizeof buffer, "%.16500Le", magnitude);
  std::string all;
  const char* p = buffer;
  for (; *p != 'e'; ++p) {
    if (*p >= '0' && *p <= '9') all += *p;
  }
  int exponent = std::atoi(p + 1) + 1;
  std::string digits = all.substr(0, 15);
  if (all[15] >= '5') {
    int k = 14;
    while (k >= 0 && digits[k] == '9') digits[k--] = '0';
    if (k >= 0) {
      ++digits[k];
    } else {
      digits = "1" + digits.substr(0, 14);
      ++exponent;
    }
  }
  return {digits, exponent};
}

std::string ReferenceText(long double value) {
  const Reference r = ExactRound15(std::fabs(value));
  std::string d = r.digits;
  while (d.size() > 1 && d.back() == '0') d.pop_back();
  const int e = r.exponent;
  std::string text = value < 0 ? "-" : "";
  if (e > 15 || e < -3) {
    text += d.substr(0, 1);
    if (d.size() > 1) text += "," + d.substr(1);
    text += "E" + std::to_string(e - 1);
  } else if (e > 0) {
    std::string integer = d.substr(0, std::min<size_t>(d.size(), e));
    integer.append(e - integer.size(), '0');
    text += integer;
    if (d.size() > static_cast<size_t>(e)) text += "," + d.substr(e);
  } else {
    text += "0," + std::string(-e, '0') + d;
  }
  return text;
}

// Values spread over the whole range, dense where the fast path works, plus exact ties.
std::vector<long double> SampleValues() {
  std::mt19937_64 random(2024);
  std::vector<long double> values;
  auto random_value = [&](int low, int high) {
    const uint64_t mantissa = random() | (1ull << 63);
    const int exponent = low + static_cast<int>(random() % (high - low + 1));
    long double v = std::ldexp(static_cast<long double>(mantissa), exponent - 64);
    return (random() & 1) ? -v : v;
  };
  for (int n = 0; n < 3000; ++n) values.push_back(random_value(-60, 70));
  for (int n = 0; n < 300; ++n) values.push_back(random_value(-16440, 16383));
  for (int n = 0; n < 300; ++n) {
    // Short mantissas: few binary digits, many exact decimal ties nearby.
    const long double short_value = static_cast<long double>(random() % 100000);
    values.push_back(std::ldexp(short_value, static_cast<int>(random() % 60) - 30));
  }
  // Exact ties m / 2^k = N × 10^-k with N a 16-digit number ending in 5.
  for (int k = 1; k <= 22; ++k) {
    const long double five_k = std::pow(5.0L, k);
    const uint64_t low = static_cast<uint64_t>(std::ceil(1e15L / five_k));
    const uint64_t high = static_cast<uint64_t>(std::floor((1e16L - 1) / five_k));
    for (int n = 0; n < 20 && low <= high; ++n) {
      uint64_t m = low + random() % (high - low + 1);
      if (m % 2 == 0) m = m + 1 <= high ? m + 1 : m - 1;
      if (m < low) continue;
      values.push_back(std::ldexp(static_cast<long double>(m), -k));
    }
  }
  // Integer ties t × 10^q with t a 16-digit number ending in 5.
  for (int q = 0; q <= 6; ++q) {
    for (int n = 0; n < 20; ++n) {
      const uint64_t t = (100000000000000ull + random() % 900000000000000ull) * 10 + 5;
      values.push_back(static_cast<long double>(t) * std::pow(10.0L, q));
    }
  }
  values.push_back(LDBL_MAX);
  values.push_back(LDBL_MIN);
  values.push_back(LDBL_TRUE_MIN);
  return values;
}

TEST(FormatGeneralExact, MatchesExactDecimalRounding) {
  for (const long double v : SampleValues()) {
    ASSERT_EQ(FormatGeneral(v), ReferenceText(v)) << static_cast<double>(v);
  }
}

// Reading a written number gives the value rounded to 15 digits, and writing that again gives
// the same text: answers survive being written back into an expression.
TEST(FormatGeneralExact, RoundTripsThroughParseNumber) {
  for (const long double v : SampleValues()) {
    const std::string text = FormatGeneral(v);
    const std::optional<long double> read = ParseNumber(text);
    ASSERT_TRUE(read.has_value()) << text;
    const Reference r = ExactRound15(std::fabs(v));
    const std::string c_text =
        std::string(v < 0 ? "-" : "") + "0." + r.digits + "E" + std::to_string(r.exponent);
    EXPECT_EQ(*read, std::strtold(c_text.c_str(), nullptr)) << text;
    EXPECT_EQ(FormatGeneral(*read), text);
  }
}

}  // namespace
}  // namespace quorvex
