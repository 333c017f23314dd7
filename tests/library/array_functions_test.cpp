#include "library/array_functions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "common/checked_float.h"

namespace quorvex {
namespace {

long double Call(FunctionImpl fn, const std::vector<long double>& values) {
  RandomGenerators random;
  const FunctionArgs args{values.data(), static_cast<int>(values.size()), random};
  return fn(args);
}

struct ArrayCase {
  const char* name;
  FunctionImpl fn;
  std::vector<long double> values;
  long double expected;
};

void PrintTo(const ArrayCase& c, std::ostream* os) { *os << c.name; }

class ArrayResultTest : public testing::TestWithParam<ArrayCase> {};

TEST_P(ArrayResultTest, GivesExpectedValue) {
  const ArrayCase& c = GetParam();
  const long double result = Call(c.fn, c.values);
  EXPECT_NEAR(static_cast<double>(result), static_cast<double>(c.expected),
              1e-14 * std::max(1.0, std::fabs(static_cast<double>(c.expected))))
      << c.name;
}

// Sample statistics of 2, 4, 4, 4, 5, 5, 7, 9: mean 5, squared deviations summing to 32.
const std::vector<long double> kTextbook = {2, 4, 4, 4, 5, 5, 7, 9};

const ArrayCase kResults[] = {
    {"CountOfThree", ArrayCount, {5, 6, 7}, 3},
    {"CountOfZeroValue", ArrayCount, {0}, 1},
    {"SumOfOneToThree", ArraySum, {1, 2, 3}, 6},
    {"SumsqOfOneToThree", ArraySumsq, {1, 2, 3}, 14},
    {"AveOfEvens", ArrayAve, {2, 4, 6}, 4},
    {"AveWithFraction", ArrayAve, {1, 2}, 1.5L},
    {"AveOfSingleValue", ArrayAve, {5}, 5},
    {"MaxFindsLargest", ArrayMax, {3, -1, 7, 2}, 7},
    {"MinFindsSmallest", ArrayMin, {3, -1, 7, 2}, -1},
    {"MaxOfSingleNegative", ArrayMax, {-5}, -5},
    {"MinOfSingleValue", ArrayMin, {4.25L}, 4.25L},
    {"MaxAtStart", ArrayMax, {9, 1, 2}, 9},
    {"MinAtEnd", ArrayMin, {9, 1, -2}, -2},
    {"MedOddCount", ArrayMed, {3, 1, 2}, 2},
    {"MedEvenCountAveragesMiddlePair", ArrayMed, {4, 1, 3, 2}, 2.5L},
    {"MedWithRepeatedValues", ArrayMed, {7, 7, 1, 7}, 7},
    {"MedSingleValue", ArrayMed, {5}, 5},
    {"MedOfNegativesAndDuplicates", ArrayMed, {-3, 10, -3, 0, 8, -3}, -1.5L},
    {"NormOfThreeFour", ArrayNorm, {3, 4}, 5},
    {"NormOfNegatives", ArrayNorm, {-2, -3, -6}, 7},
    {"SvarOfOneToFive", ArraySvar, {1, 2, 3, 4, 5}, 10},
    {"PvarOfOneToFive", ArrayPvar, {1, 2, 3, 4, 5}, 2},
    {"VarOfOneToFive", ArrayVar, {1, 2, 3, 4, 5}, 2.5L},
    {"PsdevOfOneToFive", ArrayPsdev, {1, 2, 3, 4, 5}, std::sqrt(2.0L)},
    {"SdevOfOneToFive", ArraySdev, {1, 2, 3, 4, 5}, std::sqrt(2.5L)},
    {"VarOfTwoValues", ArrayVar, {1, 3}, 2},
    {"SdevOfTwoValues", ArraySdev, {1, 3}, std::sqrt(2.0L)},
    {"SvarOfSingleValueIsZero", ArraySvar, {5}, 0},
    {"PvarOfSingleValueIsZero", ArrayPvar, {5}, 0},
    {"PsdevOfSingleValueIsZero", ArrayPsdev, {5}, 0},
    {"TextbookAve", ArrayAve, kTextbook, 5},
    {"TextbookSvar", ArraySvar, kTextbook, 32},
    {"TextbookPsdev", ArrayPsdev, kTextbook, 2},
    {"TextbookVar", ArrayVar, kTextbook, 32.0L / 7},
    {"TextbookSdev", ArraySdev, kTextbook, std::sqrt(32.0L / 7)},
    {"TextbookMed", ArrayMed, kTextbook, 4.5L},
};

INSTANTIATE_TEST_SUITE_P(Statistics, ArrayResultTest, testing::ValuesIn(kResults),
                         [](const testing::TestParamInfo<ArrayCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(ArrayFunctionsTest, ValuesAreRoundedToDoubleBeforeUse) {
  // 1 + 2^-60 exists in extended precision but rounds to 1 as a double.
  const long double fine = 1.0L + std::ldexp(1.0L, -60);
  EXPECT_EQ(Call(ArraySum, {fine, -1.0L}), 0.0L);
  EXPECT_EQ(Call(ArrayMax, {0.1L}), static_cast<long double>(0.1));
  EXPECT_NE(Call(ArrayMax, {0.1L}), 0.1L);
  EXPECT_EQ(Call(ArrayMed, {0.1L, 0.3L, 0.2L}), static_cast<long double>(0.2));
}

TEST(ArrayFunctionsTest, SumsAreExtendedSoDoubleExtremesDoNotOverflow) {
  const long double big = std::numeric_limits<double>::max();
  EXPECT_EQ(Call(ArrayAve, {big, big}), big);
  EXPECT_EQ(Call(ArrayMed, {big, big}), big);
  EXPECT_GT(Call(ArraySumsq, {big}), big);
}

TEST(ArrayFunctionsTest, ManyValuesFitAndAgreeWithClosedForms) {
  // 499 is the most the token list holds; the functions themselves take any count.
  for (int n : {499, 5000}) {
    std::vector<long double> values;
    for (int i = n; i >= 1; --i) values.push_back(i);
    const long double count = n;
    EXPECT_EQ(Call(ArrayCount, values), count) << n;
    EXPECT_EQ(Call(ArraySum, values), count * (count + 1) / 2) << n;
    EXPECT_EQ(Call(ArraySumsq, values), count * (count + 1) * (2 * count + 1) / 6) << n;
    EXPECT_EQ(Call(ArrayMed, values), (count + 1) / 2) << n;
    EXPECT_EQ(Call(ArrayMin, values), 1.0L) << n;
    EXPECT_EQ(Call(ArrayMax, values), count) << n;
    // Population variance of 1..n is (n^2 - 1) / 12.
    EXPECT_NEAR(static_cast<double>(Call(ArrayPvar, values)),
                static_cast<double>((count * count - 1) / 12), 1e-9)
        << n;
  }
}

// Variances of values close together, from the squared deviations: expected values are exact
// for the double values (Python fractions), to 40 digits in the comments.
struct SpreadCase {
  const char* name;
  FunctionImpl fn;
  std::vector<long double> values;
  long double expected;  // exactly 0 where all values are equal
};

void PrintTo(const SpreadCase& c, std::ostream* os) { *os << c.name; }

class ArraySpreadTest : public testing::TestWithParam<SpreadCase> {};

TEST_P(ArraySpreadTest, DeviationsFromTheMean) {
  const SpreadCase& c = GetParam();
  long double result = -1;
  EXPECT_NO_THROW(result = Call(c.fn, c.values)) << c.name;
  if (c.expected == 0) {
    EXPECT_EQ(result, 0.0L) << c.name;
  } else {
    EXPECT_NEAR(static_cast<double>(result / c.expected), 1.0, 1e-13) << c.name;
  }
}

const std::vector<long double> kThreeEqual = {5.55, 5.55, 5.55};
const std::vector<long double> kFiveEqual(5, 0.3);
const std::vector<long double> kLargeEqual = {100000000.1, 100000000.1, 100000000.1};
const std::vector<long double> kLargeClose = {100000000.1, 100000000.2, 100000000.3};
const std::vector<long double> kBillionApart = {1000000000.5, 1000000001.5, 1000000002.5};

const SpreadCase kSpreads[] = {
    {"VarOfEqualValuesIsZero", ArrayVar, kThreeEqual, 0},
    {"SdevOfEqualValuesIsZero", ArraySdev, kThreeEqual, 0},
    {"SvarOfEqualValuesIsZero", ArraySvar, kFiveEqual, 0},
    {"PvarOfEqualValuesIsZero", ArrayPvar, kFiveEqual, 0},
    {"PsdevOfEqualValuesIsZero", ArrayPsdev, kFiveEqual, 0},
    {"SdevOfEqualLargeValuesIsZero", ArraySdev, kLargeEqual, 0},
    {"PsdevOfEqualLargeValuesIsZero", ArrayPsdev, kLargeEqual, 0},
    // 0,02000000059604648920223250267251084248225
    {"SvarOfCloseLargeValues", ArraySvar, kLargeClose, 0.02000000059604648920223250267251084L},
    // 0,01000000029802324460111625133625542124112
    {"VarOfCloseLargeValues", ArrayVar, kLargeClose, 0.01000000029802324460111625133625542L},
    // 0,1000000014901162119033496317953351917343
    {"SdevOfCloseLargeValues", ArraySdev, kLargeClose, 0.1000000014901162119033496317953352L},
    // 0,08164965930944739547730266897471541910983
    {"PsdevOfCloseLargeValues", ArrayPsdev, kLargeClose, 0.08164965930944739547730266897471542L},
    // Squares near 3E18 leave S2 - S1^2 / N no digit of the exact 1.
    {"VarOfValuesOneApartNearBillion", ArrayVar, kBillionApart, 1},
    {"PvarOfValuesOneApartNearBillion", ArrayPvar, kBillionApart, 2.0L / 3},
};

INSTANTIATE_TEST_SUITE_P(Spread, ArraySpreadTest, testing::ValuesIn(kSpreads),
                         [](const testing::TestParamInfo<SpreadCase>& info) {
                           return std::string(info.param.name);
                         });

struct ArrayFaultCase {
  const char* name;
  FunctionImpl fn;
  std::vector<long double> values;
  const char* text;
};

void PrintTo(const ArrayFaultCase& c, std::ostream* os) { *os << c.name; }

class ArrayFaultTest : public testing::TestWithParam<ArrayFaultCase> {};

TEST_P(ArrayFaultTest, ThrowsFloatFault) {
  const ArrayFaultCase& c = GetParam();
  try {
    Call(c.fn, c.values);
    FAIL() << c.name << " did not throw";
  } catch (const FloatFault& fault) {
    EXPECT_STREQ(fault.what(), c.text) << c.name;
  }
}

const char kInvalid[] = "Invalid floating point operation";
const char kOverflow[] = "Floating point overflow";

const ArrayFaultCase kFaults[] = {
    {"VarOfSingleValueDividesZeroByZero", ArrayVar, {5}, kInvalid},
    {"SdevOfSingleValueDividesZeroByZero", ArraySdev, {5}, kInvalid},
    {"ValueBeyondDoubleRange", ArraySum, {1, 1e400L}, kOverflow},
    {"NegativeValueBeyondDoubleRange", ArrayMin, {-1e309L}, kOverflow},
    {"EmptyArrayHasNoAverage", ArrayAve, {}, kInvalid},
    {"EmptyArrayHasNoMax", ArrayMax, {}, kInvalid},
    {"EmptyArrayHasNoMin", ArrayMin, {}, kInvalid},
    {"EmptyArrayHasNoMedian", ArrayMed, {}, kInvalid},
};

INSTANTIATE_TEST_SUITE_P(Faults, ArrayFaultTest, testing::ValuesIn(kFaults),
                         [](const testing::TestParamInfo<ArrayFaultCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(ArrayFunctionsTest, TableRowsCallTheseFunctions) {
  struct Entry {
    const char* name;
    FunctionImpl fn;
  };
  const Entry entries[] = {
      {"ave", ArrayAve},   {"count", ArrayCount}, {"max", ArrayMax},     {"med", ArrayMed},
      {"min", ArrayMin},   {"norm", ArrayNorm},   {"psdev", ArrayPsdev}, {"pvar", ArrayPvar},
      {"sdev", ArraySdev}, {"sum", ArraySum},     {"sumsq", ArraySumsq}, {"svar", ArraySvar},
      {"var", ArrayVar},
  };
  for (const Entry& e : entries) {
    const FunctionRow* row = FindFunction(e.name);
    ASSERT_NE(row, nullptr) << e.name;
    EXPECT_EQ(row->impl, e.fn) << e.name;
    EXPECT_EQ(row->param_count, 0) << e.name;
  }
}

}  // namespace
}  // namespace quorvex
