#include "engine/answer_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace quorvex {
namespace {

struct BaseCase {
  const char* name;
  long double value;
  const char* binary;
  const char* hexadecimal;
  const char* octal;
  const char* quaternary;
};

class NumberSystemTest : public testing::TestWithParam<BaseCase> {};

std::string Answer(long double value, int system) {
  GeneralSettings general;
  general.numbersys = system;
  return FormatAnswer(value, general, MaskSettings{}).answer;
}

TEST_P(NumberSystemTest, AllFourSystems) {
  const BaseCase& c = GetParam();
  EXPECT_EQ(Answer(c.value, kBinary), c.binary);
  EXPECT_EQ(Answer(c.value, kHexadecimal), c.hexadecimal);
  EXPECT_EQ(Answer(c.value, kOctal), c.octal);
  EXPECT_EQ(Answer(c.value, kQuaternary), c.quaternary);
}

const BaseCase kBaseCases[] = {
    {"Five", 5, "0  101", "0  5", "0  5", "0  11"},
    {"AllOnes", 255, "0  11111111", "0  FF", "0  377", "0  3333"},
    {"PowerOfTwo", 256, "0  100000000", "0  100", "0  400", "0  10000"},
    {"HalfFraction", 2.5L, "0  10  1", "0  2  8", "0  2  4", "0  2  2"},
    {"OnlyFraction", 0.75L, "0  0  11", "0  0  C", "0  0  6", "0  0  3"},
    {"MinusOne", -1, "1  1", "1  1", "1  1", "1  1"},
    {"MinusFive", -5, "1  1011", "1  B", "1  13", "1  23"},
    {"NegativeFraction", -0.5L, "1  0  1", "1  0  8", "1  0  4", "1  0  2"},
    {"Zero", 0, "0  0", "0  0", "0  0", "0  0"},
    {"FractionCutAfter24Bits", 0.1L, "0  0  000110011001100110011001", "0  0  199999",
     "0  0  06314631", "0  0  012121212121"},
    {"Largest48Bit", 281474976710655.0L, "0  111111111111111111111111111111111111111111111111",
     "0  FFFFFFFFFFFF", "0  7777777777777777", "0  333333333333333333333333"},
    {"BeyondLimit", 281474976710656.0L, "Max 48 bit conversion", "Max 48 bit conversion",
     "Max 48 bit conversion", "Max 48 bit conversion"},
    {"BeyondLimitByFraction", 281474976710655.5L, "Max 48 bit conversion", "Max 48 bit conversion",
     "Max 48 bit conversion", "Max 48 bit conversion"},
    {"Infinity", std::numeric_limits<long double>::infinity(), "Max 48 bit conversion",
     "Max 48 bit conversion", "Max 48 bit conversion", "Max 48 bit conversion"},
    {"NotANumber", std::numeric_limits<long double>::quiet_NaN(), "NAN", "NAN", "NAN", "NAN"},
};

INSTANTIATE_TEST_SUITE_P(Cases, NumberSystemTest, testing::ValuesIn(kBaseCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NumberSystem, LargestNegativeHasFortyNineDigits) {
  EXPECT_EQ(Answer(-281474976710655.0L, kBinary), "1  1" + std::string(47, '0') + "1");
}

TEST(NumberSystem, TwosComplementIsShortestWithTopOne) {
  EXPECT_EQ(Answer(-2, kBinary), "1  10");
  EXPECT_EQ(Answer(-3, kBinary), "1  101");
}

struct BitCase {
  const char* name;
  long double value;
  const char* bits;
};

class BitCount : public testing::TestWithParam<BitCase> {};

TEST_P(BitCount, Text) {
  const BitCase& c = GetParam();
  EXPECT_EQ(BitCountText(c.value), c.bits) << double(c.value);
}

const BitCase kBitCases[] = {
    {"ZeroHasNoBits", 0, "0 bit"},
    {"HalfHasNoBits", 0.5L, "0 bit"},
    {"OneHasNoBits", 1, "0 bit"},
    {"TwoHasOneBit", 2, "1 bit"},
    {"ThreeHasTwoBits", 3, "2 bit"},
    {"FourHasTwoBits", 4, "2 bit"},
    {"MinusFourCountsAsFour", -4, "2 bit"},
    {"FiveHasThreeBits", 5, "3 bit"},
    {"EightHasThreeBits", 8, "3 bit"},
    {"ThousandHasTenBits", 1000, "10 bit"},
    {"FractionCountsLikeItsWholePart", 2.5L, "2 bit"},
    {"InfinityWritesINF", std::numeric_limits<long double>::infinity(), "INF bit"},
};

INSTANTIATE_TEST_SUITE_P(Cases, BitCount, testing::ValuesIn(kBitCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct ScientificCase {
  const char* name;
  long double value;
  const char* text;
};

class Scientific : public testing::TestWithParam<ScientificCase> {};

TEST_P(Scientific, Text) {
  const ScientificCase& c = GetParam();
  EXPECT_EQ(FormatScientific(c.value), c.text) << double(c.value);
}

const ScientificCase kScientificCases[] = {
    {"MantissaWithDecimals", 12345, "1,2345*10^4"},
    {"NegativeKeepsItsSign", -250, "-2,5*10^2"},
    {"NegativeExponent", 0.05L, "5*10^-2"},
    {"TenStaysTenToTheZero", 10, "10*10^0"},
    {"HundredIsTenToTheOne", 100, "10*10^1"},
    {"ThousandIsTenToTheTwo", 1000, "10*10^2"},
    {"One", 1, "1*10^0"},
    {"Zero", 0, "0*10^0"},
    {"InfinityWritesINF", std::numeric_limits<long double>::infinity(), "INF"},
    {"NotANumberWritesNAN", std::numeric_limits<long double>::quiet_NaN(), "NAN"},
};

INSTANTIATE_TEST_SUITE_P(Cases, Scientific, testing::ValuesIn(kScientificCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Decimal, MaskAndScientific) {
  GeneralSettings general;
  MaskSettings mask;
  EXPECT_EQ(FormatAnswer(20, general, mask).answer, "= 20");
  EXPECT_EQ(FormatAnswer(0, general, mask).answer, "= 0");
  EXPECT_EQ(FormatAnswer(0.1L, general, mask).answer, "= 0,1");
  mask = {"x = ", "", " m"};
  EXPECT_EQ(FormatAnswer(20, general, mask).answer, "x = 20 m");
  mask = {"Result: ", "0.000", " m"};
  EXPECT_EQ(FormatAnswer(2, general, mask).answer, "Result: 2,000 m");
  mask = {"= ", "0.00", ""};
  EXPECT_EQ(FormatAnswer(1e20L, general, mask).answer, "= 1E20");
  general.scicheck = true;
  EXPECT_EQ(FormatAnswer(20, general, {"x = ", "", " m"}).answer, "2*10^1");
  general.numbersys = kHexadecimal;  // the number system wins over scientific notation
  EXPECT_EQ(FormatAnswer(20, general, {"x = ", "", " m"}).answer, "0  14");
  EXPECT_EQ(FormatAnswer(20, general, {"x = ", "", " m"}).bits, "5 bit");
}

}  // namespace
}  // namespace quorvex
