#include "library/random_generators.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "tests/library/call_function.h"

namespace quorvex {
namespace {

using testing_support::CallFunction;

TEST(RandGeneratorTest, FirstDrawsFromTheFixedStart) {
  // S = S * 0x15A00004E35 + 1 from S = 0x15A4E36, bits 32..62 of each new state.
  RandGenerator rand;
  EXPECT_EQ(rand.Draw(), 1410184549U);
  EXPECT_EQ(rand.Draw(), 672584604U);
  EXPECT_EQ(rand.Draw(), 1915668986U);
}

TEST(RangeGeneratorTest, DrawsFollowTheStateFromZero) {
  // G = G * 134775813 + 1 from G = 0: 1, 134775814, 3698175007, ...
  RangeGenerator range;
  EXPECT_EQ(range.DrawBelow(4294967295U), 0U);  // G = 1
  EXPECT_EQ(range.DrawBelow(0), 0U);            // G = 134775814, limit 0
  EXPECT_EQ(range.DrawUnit(), 3698175007.0L / 4294967296.0L);
  RangeGenerator other;
  EXPECT_EQ(other.DrawUnit(), 1.0L / 4294967296.0L);
}

TEST(RangeGeneratorTest, DrawsStayInTheirRanges) {
  RangeGenerator range;
  for (int i = 0; i < 1000; ++i) {
    EXPECT_LT(range.DrawBelow(7), 7U);
    const long double unit = range.DrawUnit();
    EXPECT_GE(unit, 0.0L);
    EXPECT_LT(unit, 1.0L);
  }
}

TEST(RandFunctionTest, SequenceAfterProgramStart) {
  RandomGenerators random;
  EXPECT_EQ(CallFunction("rand", {99}, random), 49);
  EXPECT_EQ(CallFunction("rand", {99}, random), 4);
  EXPECT_EQ(CallFunction("rand", {99}, random), 86);
}

TEST(RandFunctionTest, RandOfZeroGivesZeroButStillDraws) {
  RandomGenerators random;
  EXPECT_EQ(CallFunction("rand", {0}, random), 0);
  EXPECT_EQ(CallFunction("rand", {99}, random), 4);
}

TEST(RandFunctionTest, RandOfMinusOneDrawsNothing) {
  // k = trunc(n1 + 1) = 0: no draw, so the sequence starts unchanged.
  RandomGenerators random;
  EXPECT_EQ(CallFunction("rand", {-1}, random), 0);
  EXPECT_EQ(CallFunction("rand", {99}, random), 49);
}

TEST(RandFunctionTest, RangesOfTheResult) {
  RandomGenerators random;
  std::set<long double> dice;
  for (int i = 0; i < 600; ++i) {
    const long double negative = CallFunction("rand", {-5}, random);  // modulo |-4|
    EXPECT_GE(negative, 0);
    EXPECT_LE(negative, 3);
    dice.insert(CallFunction("rand", {5.9L}, random));  // trunc(6.9) = 6: 0 to 5
  }
  EXPECT_EQ(dice, (std::set<long double>{0, 1, 2, 3, 4, 5}));
}

TEST(RandFunctionTest, RandrSequenceAfterProgramStart) {
  RandomGenerators random;
  const long double want[] = {1, 1, 6, 2, 2, 5};
  for (long double w : want) EXPECT_EQ(CallFunction("randr", {1, 6}, random), w);
}

TEST(RandFunctionTest, RandrBounds) {
  RandomGenerators random;
  std::set<long double> reversed;
  for (int i = 0; i < 200; ++i) reversed.insert(CallFunction("randr", {5, 2}, random));
  EXPECT_EQ(reversed, (std::set<long double>{3, 4}));

  std::set<long double> inclusive;
  for (int i = 0; i < 400; ++i) inclusive.insert(CallFunction("randr", {-2, 2}, random));
  EXPECT_EQ(inclusive, (std::set<long double>{-2, -1, 0, 1, 2}));
}

TEST(RandFunctionTest, RandrWithEmptySpanStillDraws) {
  RandomGenerators random;
  EXPECT_EQ(CallFunction("randr", {5, 4}, random), 5);
  EXPECT_EQ(CallFunction("randr", {3, 3}, random), 3);
  // Two draws were used, so the third of the 1..6 sequence comes next.
  EXPECT_EQ(CallFunction("randr", {1, 6}, random), 6);
}

// Bounds up to the largest 32-bit integer: n2 + 1 must not wrap to -2^31, which put every
// draw below n1. The first three draws from the fixed start G = 0 are worked out by hand:
// G = 1, 134775814, 3698175007 and the draw is n1 + G * span / 2^32, truncated.
struct WideBoundsCase {
  const char* name;
  long double n1;
  long double n2;
  long double first_draws[3];
};

void PrintTo(const WideBoundsCase& c, std::ostream* os) { *os << c.name; }

class RandrWideBoundsTest : public ::testing::TestWithParam<WideBoundsCase> {};

TEST_P(RandrWideBoundsTest, StaysWithinTheBounds) {
  const WideBoundsCase& c = GetParam();
  RandomGenerators random;
  for (int i = 0; i < 500; ++i) {
    long double got = -1E30L;
    EXPECT_NO_THROW(got = CallFunction("randr", {c.n1, c.n2}, random)) << c.name;
    if (i < 3) {
      EXPECT_EQ(got, c.first_draws[i]) << c.name << " draw " << i;
    }
    EXPECT_TRUE(got >= c.n1 && got <= c.n2)
        << c.name << " draw " << i << " gave " << static_cast<double>(got);
  }
}

const WideBoundsCase kWideBounds[] = {
    {"ZeroToLargestInteger", 0, 2147483647, {0, 67387907, 1849087503}},
    {"WholeIntegerRange", -2147483648.0L, 2147483647, {-2147483647, -2012707834, 1550691359}},
    {"NegativeToLargestInteger", -5, 2147483647, {-5, 67387902, 1849087502}},
};

INSTANTIATE_TEST_SUITE_P(Randr, RandrWideBoundsTest, ::testing::ValuesIn(kWideBounds),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RandFunctionTest, RandgHasTheGivenMeanAndDeviation) {
  RandomGenerators random;
  constexpr int kDraws = 20000;
  long double sum = 0;
  long double sum_sq = 0;
  for (int i = 0; i < kDraws; ++i) {
    const long double x = CallFunction("randg", {10, 2}, random);
    sum += x;
    sum_sq += x * x;
  }
  const long double mean = sum / kDraws;
  const long double deviation = std::sqrt(sum_sq / kDraws - mean * mean);
  EXPECT_NEAR(static_cast<double>(mean), 10.0, 0.05);
  EXPECT_NEAR(static_cast<double>(deviation), 2.0, 0.05);
}

TEST(RandFunctionTest, RandgWithZeroDeviationIsTheMean) {
  RandomGenerators random;
  EXPECT_EQ(CallFunction("randg", {7, 0}, random), 7);
}

TEST(RandFunctionTest, GeneratorsAreIndependent) {
  RandomGenerators random;
  CallFunction("randr", {1, 6}, random);
  CallFunction("randg", {0, 1}, random);
  EXPECT_EQ(CallFunction("rand", {99}, random), 49);
}

}  // namespace
}  // namespace quorvex
