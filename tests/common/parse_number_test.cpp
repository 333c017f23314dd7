#include <locale.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>

#include "common/number_text.h"
#include "gtest/gtest.h"

namespace quorvex {
namespace {

struct ParseCase {
  const char* name;
  const char* text;
  std::optional<long double> expected;
};

const ParseCase kParseCases[] = {
    {"Integer", "42", 42.0L},
    {"DecimalComma", "3,25", 3.25L},
    {"LeadingComma", ",5", 0.5L},
    {"TrailingComma", "5,", 5.0L},
    // The mantissa may be the comma alone; it reads as zero.
    {"LoneCommaIsZero", ",", 0.0L},
    {"SignedLoneComma", "-,", 0.0L},
    {"PlusSign", "+7", 7.0L},
    {"MinusSign", "-7,5", -7.5L},
    {"BlanksAround", "   12,5  ", 12.5L},
    {"ExponentUpper", "1E5", 1e5L},
    {"ExponentLower", "1e5", 1e5L},
    {"ExponentPlus", "2,5E+3", 2500.0L},
    {"ExponentMinus", "2,5E-3", 0.0025L},
    {"ExponentAfterComma", "5,E2", 500.0L},
    {"LeadingZeros", "007", 7.0L},
    {"ZeroFractionLeadingZeros", "0,000125", 0.000125L},
    {"ExponentLeadingZeros", "1E0000000000000000000000003", 1000.0L},
    {"LargestExtendedRange", "1,18973149535723E4932", 1.18973149535723E4932L},
    {"UnderflowIsZero", "1E-99999", 0.0L},
    {"Subnormal", "1E-4940", 1e-4940L},
    {"ManyDigits", "123456789012345678901234567890", 123456789012345678901234567890.0L},
    {"Empty", "", std::nullopt},
    {"OnlyBlanks", "   ", std::nullopt},
    {"LoneMinus", "-", std::nullopt},
    {"LonePlus", "+", std::nullopt},
    {"DoubleSign", "--5", std::nullopt},
    {"TwoCommas", "1,2,3", std::nullopt},
    {"PointIsNotDecimal", "1.5", std::nullopt},
    {"ExponentWithoutDigits", "5E", std::nullopt},
    {"ExponentSignWithoutDigits", "5E+", std::nullopt},
    {"ExponentOnly", "E5", std::nullopt},
    {"CommaInExponent", "1E2,5", std::nullopt},
    {"TrailingText", "12abc", std::nullopt},
    {"BlankInside", "1 2", std::nullopt},
    {"BlankAfterSign", "- 5", std::nullopt},
    {"TabIsNotBlank", "\t5", std::nullopt},
    {"Nan", "NAN", std::nullopt},
    {"Inf", "INF", std::nullopt},
    {"MinusInf", "-INF", std::nullopt},
    {"HexIsNoNumber", "0x10", std::nullopt},
    {"OverflowIsNoNumber", "1E5000", std::nullopt},
    {"NegativeOverflowIsNoNumber", "-1,2E4932", std::nullopt},
    {"HugeExponentIsNoNumber", "1E99999999999999999999", std::nullopt},
};

class ParseNumberTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberTest, ReadsText) {
  const ParseCase& c = GetParam();
  const std::optional<long double> got = ParseNumber(c.text);
  ASSERT_EQ(got.has_value(), c.expected.has_value()) << "text: '" << c.text << "'";
  if (c.expected) {
    EXPECT_EQ(*got, *c.expected) << "text: '" << c.text << "'";
  }
}

INSTANTIATE_TEST_SUITE_P(Table, ParseNumberTest, ::testing::ValuesIn(kParseCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ParseNumberBytes, NulByteInsideIsNoNumber) {
  EXPECT_FALSE(ParseNumber(std::string_view("5\0"
                                            "1",
                                            3))
                   .has_value());
}

TEST(ParseNumberBytes, NegativeZeroKeepsSign) {
  const std::optional<long double> got = ParseNumber("-0");
  ASSERT_TRUE(got.has_value());
  EXPECT_EQ(*got, 0.0L);
  EXPECT_TRUE(std::signbit(*got));
}

// Random decimal texts against the C library's correctly rounded reader, through both the
// exact short path (up to 19 digits, small exponents) and the long path.
TEST(ParseNumberRounding, MatchesCorrectlyRoundedConversion) {
  std::mt19937_64 random(12345);
  for (int n = 0; n < 20000; ++n) {
    const int digits = 1 + static_cast<int>(random() % 30);
    std::string text;
    std::string c_text;
    const int comma_at = static_cast<int>(random() % (digits + 1));
    for (int k = 0; k < digits; ++k) {
      if (k == comma_at) {
        text += ',';
        c_text += '.';
      }
      const char digit = static_cast<char>('0' + random() % 10);
      text += digit;
      c_text += digit;
    }
    const int exponent = static_cast<int>(random() % 121) - 60;
    text += "E" + std::to_string(exponent);
    c_text += "E" + std::to_string(exponent);
    const long double expected = std::strtold(c_text.c_str(), nullptr);
    const std::optional<long double> got = ParseNumber(text);
    ASSERT_TRUE(got.has_value()) << text;
    ASSERT_EQ(*got, expected) << text;
  }
}

TEST(ParseNumberLocale, IgnoresProcessLocale) {
  // A process locale with a decimal comma must not change how text is read.
  const char* previous = setlocale(LC_NUMERIC, nullptr);
  const std::string saved = previous != nullptr ? previous : "C";
  if (setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "no de_DE locale";
  const std::optional<long double> got = ParseNumber("1234567890,12345678901E3");
  setlocale(LC_NUMERIC, saved.c_str());
  ASSERT_TRUE(got.has_value());
  EXPECT_EQ(*got, 1234567890123.45678901L);
}

struct TruncCase {
  const char* name;
  long double value;
  int32_t expected;
};

const TruncCase kTruncCases[] = {
    {"PositiveTowardZero", 3.9L, 3},
    {"NegativeTowardZero", -3.9L, -3},
    {"LowBitsKept", 4294967301.0L, 5},
    {"WrapsToNegative", 2147483648.0L, -2147483648},
    {"LargestInt32", 2147483647.0L, 2147483647},
    {"NegativeHighBits", -4294967297.0L, -1},
    {"NearLowest64Bit", -9223372036854775803.0L, 5},
    {"Highest64Bit", 9223372036854775807.0L, -1},
    {"Beyond64Bit", 9223372036854775808.0L, 0},
    {"BelowLowest64Bit", -9223372036854775809.0L, 0},
    {"HugeIsZero", 1e20L, 0},
    {"Infinity", INFINITY, 0},
    {"MinusInfinity", -INFINITY, 0},
    {"NotANumber", NAN, 0},
};

class TruncToInt32Test : public ::testing::TestWithParam<TruncCase> {};

TEST_P(TruncToInt32Test, Converts) {
  EXPECT_EQ(TruncToInt32(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, TruncToInt32Test, ::testing::ValuesIn(kTruncCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvex
