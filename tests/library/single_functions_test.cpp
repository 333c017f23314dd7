#include "library/single_functions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "common/checked_float.h"
#include "common/number_text.h"
#include "tests/library/call_function.h"

namespace quorvex {
namespace {

using testing_support::CallFunction;
using testing_support::NearlyEqual;

constexpr long double kInf = std::numeric_limits<long double>::infinity();
// Exact mathematical values to extended precision, independent of the code's own constants.
constexpr long double kPi = 3.14159265358979323846264338327950288L;
constexpr long double kE = 2.71828182845904523536028747135266250L;

struct Case {
  const char* what;
  const char* name;
  long double n1;
  long double want;
};

class SingleValueTest : public ::testing::TestWithParam<Case> {};

TEST_P(SingleValueTest, GivesTheKnownValue) {
  const Case& c = GetParam();
  RandomGenerators random;
  long double got = std::nanl("");
  EXPECT_NO_THROW(got = CallFunction(c.name, {c.n1}, random)) << c.what;
  EXPECT_TRUE(NearlyEqual(got, c.want))
      << c.what << ": " << c.name << "[" << static_cast<double>(c.n1) << "]";
}

std::string CaseName(const ::testing::TestParamInfo<Case>& info) { return info.param.what; }

const Case kStandard[] = {
    {"AbsDropsSign", "abs", -2.5L, 2.5L},
    {"CeilRoundsUp", "ceil", -2.1L, -2},
    {"CeilPositive", "ceil", 2.1L, 3},
    {"FloorRoundsDown", "floor", -2.5L, -3},
    {"ExpOfOneIsE", "exp", 1, kE},
    {"LnOfTen", "ln", 10, 2.302585092994045684018L},
    {"LnOfE", "ln", kE, 1},
    {"SqrtOfSixteen", "sqrt", 16, 4},
    {"SqrtOfTwo", "sqrt", 2, 1.414213562373095048802L},
    {"SinOfPiSixth", "sin", kPi / 6, 0.5L},
    {"CosOfPiThird", "cos", kPi / 3, 0.5L},
    {"TanOfPiQuarter", "tan", kPi / 4, 1},
    {"AsinOfHalf", "asin", 0.5L, kPi / 6},
    {"AcosOfHalf", "acos", 0.5L, kPi / 3},
    {"AtanOfOne", "atan", 1, kPi / 4},
    {"SinhOfOne", "sinh", 1, 1.175201193643801456882L},
    {"CoshOfOne", "cosh", 1, 1.543080634815243778478L},
    {"TanhOfOne", "tanh", 1, 0.7615941559557648881195L},
};
INSTANTIATE_TEST_SUITE_P(Standard, SingleValueTest, ::testing::ValuesIn(kStandard), CaseName);

const Case kReciprocal[] = {
    {"CotOfOne", "cot", 1, 0.6420926159343307030064L},
    {"CotOfPiQuarter", "cot", kPi / 4, 1},
    {"SecOfZero", "sec", 0, 1},
    {"SecOfOne", "sec", 1, 1.850815717680925617912L},
    {"CscOfOne", "csc", 1, 1.188395105778121216262L},
    {"CscOfPiSixth", "csc", kPi / 6, 2},
    {"CothOfOne", "coth", 1, 1.313035285499331303636L},
    {"CothOfMinusOne", "coth", -1, -1.313035285499331303636L},
    {"CothAboveLimitIsOne", "coth", 6000, 1},
    {"CothBelowLimitIsMinusOne", "coth", -6000, -1},
    {"SechOfZero", "sech", 0, 1},
    {"SechOfOne", "sech", 1, 0.648054273663885399575L},
    {"CschOfOne", "csch", 1, 0.8509181282393215451338L},
    {"CschOfMinusOne", "csch", -1, -0.8509181282393215451338L},
    // Near 0 the quotients of exponentials cancel; exact values by Python decimal, 50 digits.
    // coth 1E-10 = 10000000000,000000000033333333333333333333444444444
    {"CothNearZero", "coth", 1E-10L, 10000000000.000000000033333333333L},
    // coth 1E-20 = 1E20 + 1E-20
    {"CothVeryNearZero", "coth", 1E-20L, 1E20L},
    // coth -0,001 = -1000,0003333333111111132275130158730372508128641872
    {"CothNearZeroNegative", "coth", -0.001L, -1000.00033333331111111322751301587L},
    // csch 1E-10 = 9999999999,9999999999833333333333333333365277777778
    {"CschNearZero", "csch", 1E-10L, 9999999999.9999999999833333333333L},
    {"CschVeryNearZero", "csch", -1E-20L, -1E20L},
    // csch 0,5 = 1,9190347513349437194922028787270061595871798715331
    {"CschOfHalf", "csch", 0.5L, 1.91903475133494371949220287872700616L},
    // sech 1E-10 = 0,99999999999999999999500000000000000000002083333335
    {"SechNearZero", "sech", 1E-10L, 0.999999999999999999995L},
    // The exponential underflows or overflows far out: 0 on both sides.
    {"SechFarNegativeIsZero", "sech", -12000, 0},
    {"SechFarPositiveIsZero", "sech", 12000, 0},
    {"CschFarNegativeIsZero", "csch", -12000, 0},
    {"CschFarPositiveIsZero", "csch", 12000, 0},
};
INSTANTIATE_TEST_SUITE_P(Reciprocal, SingleValueTest, ::testing::ValuesIn(kReciprocal), CaseName);

const Case kInverseHyperbolic[] = {
    {"AcoshOfOneIsZero", "acosh", 1, 0},
    {"AcoshBelowOneIsZero", "acosh", 0.5L, 0},
    {"AcoshNegativeIsZero", "acosh", -7, 0},
    {"AcoshOfTwo", "acosh", 2, 1.316957896924816708625L},
    {"AcoshLargeUsesLogForm", "acosh", 1E11L, 26.02158320349444783362L},
    {"AsinhOfZero", "asinh", 0, 0},
    {"AsinhOfOne", "asinh", 1, 0.8813735870195430252326L},
    {"AsinhIsOdd", "asinh", -1, -0.8813735870195430252326L},
    {"AsinhLargeUsesLogForm", "asinh", 1E11L, 26.02158320349444783362L},
    {"AsinhTinyKeepsDigits", "asinh", 1E-10L, 1E-10L},
    {"AtanhOfZero", "atanh", 0, 0},
    {"AtanhOfHalf", "atanh", 0.5L, 0.5493061443340548456976L},
    {"AtanhOfMinusHalf", "atanh", -0.5L, -0.5493061443340548456976L},
    {"AtanhOfOneIsFixedLarge", "atanh", 1, 1.1E4932L},
    {"AtanhBeyondMinusOneIsFixedLarge", "atanh", -2, -1.1E4932L},
};
INSTANTIATE_TEST_SUITE_P(InverseHyperbolic, SingleValueTest,
                         ::testing::ValuesIn(kInverseHyperbolic), CaseName);

const Case kInverseReciprocal[] = {
    {"AcotOfOne", "acot", 1, kPi / 4},
    {"AcotOfMinusOne", "acot", -1, -kPi / 4},
    {"AsecOfTwo", "asec", 2, kPi / 3},
    {"AcscOfTwo", "acsc", 2, kPi / 6},
    {"AcothOfTwo", "acoth", 2, 0.5493061443340548456976L},
    {"AcothOfOneIsFixedLarge", "acoth", 1, 1.1E4932L},
    {"AcothOfMinusHalfIsFixedLarge", "acoth", -0.5L, -1.1E4932L},
    {"AsechOfHalf", "asech", 0.5L, 1.316957896924816708625L},
    {"AsechOfTwoIsZero", "asech", 2, 0},
    {"AsechNegativeIsZero", "asech", -0.5L, 0},
    {"AcschOfOne", "acsch", 1, 0.8813735870195430252326L},
};
INSTANTIATE_TEST_SUITE_P(InverseReciprocal, SingleValueTest,
                         ::testing::ValuesIn(kInverseReciprocal), CaseName);

const Case kAngles[] = {
    {"DegToRad", "deg>rad", 180, kPi},
    {"RadToDeg", "rad>deg", kPi, 180},
    {"GraToRad", "gra>rad", 200, kPi},
    {"RadToGra", "rad>gra", kPi, 200},
    {"CycToRad", "cyc>rad", 1, 2 * kPi},
    {"RadToCyc", "rad>cyc", 2 * kPi, 1},
    {"DegToGra", "deg>gra", 90, 100},
    {"DegToCyc", "deg>cyc", 360, 1},
    {"GraToDeg", "gra>deg", 100, 90},
    {"GraToCyc", "gra>cyc", 400, 1},
    {"CycToDeg", "cyc>deg", 1, 360},
    {"CycToGra", "cyc>gra", 1, 400},
    {"NegativeAngle", "deg>rad", -90, -kPi / 2},
};
INSTANTIATE_TEST_SUITE_P(Angles, SingleValueTest, ::testing::ValuesIn(kAngles), CaseName);

const Case kUnits[] = {
    {"CelFahBoiling", "cel>fah", 100, 212}, {"CelFahMinusFortyMeets", "cel>fah", -40, -40},
    {"CelKel", "cel>kel", 0, 273.15L},      {"CelRan", "cel>ran", 0, 491.67L},
    {"CelRea", "cel>rea", 100, 80},         {"FahCel", "fah>cel", 212, 100},
    {"FahKel", "fah>kel", 32, 273.15L},     {"FahRan", "fah>ran", 0, 459.67L},
    {"FahRea", "fah>rea", 212, 80},         {"KelCel", "kel>cel", 0, -273.15L},
    {"KelFah", "kel>fah", 0, -459.67L},     {"KelRan", "kel>ran", 100, 180},
    {"KelRea", "kel>rea", 373.15L, 80},     {"RanCel", "ran>cel", 671.67L, 100},
    {"RanFah", "ran>fah", 671.67L, 212},    {"RanKel", "ran>kel", 180, 100},
    {"RanRea", "ran>rea", 671.67L, 80},     {"ReaCel", "rea>cel", 80, 100},
    {"ReaFah", "rea>fah", 80, 212},         {"ReaKel", "rea>kel", 0, 273.15L},
    {"ReaRan", "rea>ran", 0, 491.67L},      {"FeetMet", "feet>met", 10, 3.048L},
    {"MetFeet", "met>feet", 1, 3.2808L},
};
INSTANTIATE_TEST_SUITE_P(Units, SingleValueTest, ::testing::ValuesIn(kUnits), CaseName);

// The boundaries of the temperature scales, typed as text the way the engine reads them, come
// out exact (no residue such as 2,27E-14 for kel>cel[273,15]).
struct TextCase {
  const char* what;
  const char* name;
  const char* n1;
  const char* want;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.what; }

class TemperatureBoundaryTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(TemperatureBoundaryTest, IsExact) {
  const TextCase& c = GetParam();
  const auto n1 = ParseNumber(c.n1);
  const auto want = ParseNumber(c.want);
  ASSERT_TRUE(n1 && want) << c.what;
  RandomGenerators random;
  long double got = std::nanl("");
  EXPECT_NO_THROW(got = CallFunction(c.name, {*n1}, random)) << c.what;
  EXPECT_EQ(got, *want) << c.what << ": " << static_cast<double>(got);
}

const TextCase kBoundaries[] = {
    {"KelCelAtZeroCelsius", "kel>cel", "273,15", "0"},
    {"KelReaAtZeroCelsius", "kel>rea", "273,15", "0"},
    {"KelCelAtBoiling", "kel>cel", "373,15", "100"},
    {"CelKelAtAbsoluteZero", "cel>kel", "-273,15", "0"},
    {"CelRanAtAbsoluteZero", "cel>ran", "-273,15", "0"},
    {"CelKelAtBoiling", "cel>kel", "100", "373,15"},
    {"FahKelAtAbsoluteZero", "fah>kel", "-459,67", "0"},
    {"FahRanAtAbsoluteZero", "fah>ran", "-459,67", "0"},
    {"RanFahAtZeroFahrenheit", "ran>fah", "459,67", "0"},
    {"RanCelAtZeroCelsius", "ran>cel", "491,67", "0"},
    {"RanReaAtZeroCelsius", "ran>rea", "491,67", "0"},
    {"ReaKelAtAbsoluteZero", "rea>kel", "-218,52", "0"},
    {"ReaRanAtAbsoluteZero", "rea>ran", "-218,52", "0"},
};
INSTANTIATE_TEST_SUITE_P(Units, TemperatureBoundaryTest, ::testing::ValuesIn(kBoundaries),
                         [](const auto& info) { return std::string(info.param.what); });

const Case kGeometric[] = {
    {"AcircOfTwo", "acirc", 2, 4 * kPi},
    {"CcircOfOne", "ccirc", 1, 2 * kPi},
    {"AsphrOfMinusOne", "asphr", -1, 4 * kPi},
    {"AsqrOfNegativeIsPositive", "asqr", -3, 9},
    {"VcubeOfNegativeIsNegative", "vcube", -2, -8},
    {"VcubeOfThree", "vcube", 3, 27},
    {"VsphrOfOne", "vsphr", 1, 4 * kPi / 3},
    {"VsphrOfThree", "vsphr", 3, 36 * kPi},
};
INSTANTIATE_TEST_SUITE_P(Geometric, SingleValueTest, ::testing::ValuesIn(kGeometric), CaseName);

const Case kReal[] = {
    {"RecOfFour", "rec", 4, 0.25L},
    {"RecOfNegative", "rec", -0.5L, -2},
    {"SignNegative", "sign", -0.001L, -1},
    {"SignZero", "sign", 0, 0},
    {"SignNegativeZero", "sign", -0.0L, 0},
    {"SignPositive", "sign", 5, 1},
    {"SignBelowDoubleRangeIsZero", "sign", 1E-4000L, 0},
    {"IntTruncatesTowardZero", "int", -2.5L, -2},
    {"IntPositive", "int", 2.9L, 2},
    {"FracKeepsSign", "frac", -2.5L, -0.5L},
    {"FracPositive", "frac", 2.75L, 0.75L},
    {"FracOfWhole", "frac", 7, 0},
};
INSTANTIATE_TEST_SUITE_P(Real, SingleValueTest, ::testing::ValuesIn(kReal), CaseName);

const Case kInteger[] = {
    {"FactorialOfFive", "!", 5, 120},
    {"FactorialOfZero", "!", 0, 1},
    {"FactorialOfOne", "!", 1, 1},
    {"FactorialOfNegative", "!", -3, 1},
    {"FactorialTruncates", "!", 5.9L, 120},
    {"FactorialOfTwenty", "!", 20, 2432902008176640000.0L},
    {"DcountOfSeven", "dcount", 7, 3},
    {"DcountOfEight", "dcount", 8, 1},
    {"DcountFloors", "dcount", 7.9L, 3},
    {"DcountOfByte", "dcount", 255, 8},
    {"DcountOfZero", "dcount", 0, 0},
    {"DcountOfNegative", "dcount", -5, 0},
    {"DcountOfPowerOfTwo", "dcount", 1099511627776.0L, 1},
    {"EvenZero", "even", 0, 1},
    {"EvenNegative", "even", -4, 1},
    {"EvenFractionIsNot", "even", 2.5L, 0},
    {"EvenOdd", "even", 3, 0},
    {"OddNegative", "odd", -3, 1},
    {"OddThree", "odd", 3, 1},
    {"OddFractionIsNot", "odd", 2.5L, 0},
    {"OddEven", "odd", 4, 0},
    {"FiboOne", "fibo", 1, 1},
    {"FiboTwo", "fibo", 2, 1},
    {"FiboSix", "fibo", 6, 8},
    {"FiboTen", "fibo", 10, 55},
    {"FiboFloors", "fibo", 10.7L, 55},
    {"FiboZero", "fibo", 0, 0},
    {"FiboNegative", "fibo", -2, 0},
    {"FiboNinetyThreeExact", "fibo", 93, 12200160415121876738.0L},
    {"LucaZero", "luca", 0, 2},
    {"LucaNegative", "luca", -1, 2},
    {"LucaOne", "luca", 1, 1},
    {"LucaTwo", "luca", 2, 3},
    {"LucaFive", "luca", 5, 11},
    {"LucaTen", "luca", 10, 123},
    {"PrimeTwo", "prime", 2, 1},
    {"PrimeThree", "prime", 3, 1},
    {"PrimeNinetySeven", "prime", 97, 1},
    {"PrimeOneIsNot", "prime", 1, 0},
    {"PrimeFour", "prime", 4, 0},
    {"PrimeNineIsSquare", "prime", 9, 0},
    {"PrimeTwentyFiveIsSquare", "prime", 25, 0},
    {"PrimeFractionIsNot", "prime", 7.5L, 0},
    {"PrimeNegativeIsNot", "prime", -7, 0},
    {"PrimeLarge", "prime", 999999999989.0L, 1},
    {"PrimeLargeComposite", "prime", 999999999991.0L, 0},
    {"PrimepiTen", "primepi", 10, 4},
    {"PrimepiFloors", "primepi", 10.9L, 4},
    {"PrimepiTwo", "primepi", 2, 1},
    {"PrimepiOne", "primepi", 1, 0},
    {"PrimepiHundred", "primepi", 100, 25},
    {"PrimepiMillion", "primepi", 1000000, 78498},
    {"NotZero", "not", 0, -1},
    {"NotFive", "not", 5, -6},
    {"NotMinusOne", "not", -1, 0},
    {"NotWrapsThrough32Bits", "not", 4294967296.0L, -1},
    {"NotTruncates", "not", 5.9L, -6},
};
INSTANTIATE_TEST_SUITE_P(Integer, SingleValueTest, ::testing::ValuesIn(kInteger), CaseName);

TEST(SingleFunctionTest, FactorialOfLargestFiniteArgument) {
  RandomGenerators random;
  const long double result = CallFunction("!", {1754}, random);
  EXPECT_TRUE(std::isfinite(result));
  EXPECT_GT(result, 1E4930L);
}

TEST(SingleFunctionTest, LengthFactorsAreNotInverse) {
  RandomGenerators random;
  const long double metres = CallFunction("feet>met", {1}, random);
  EXPECT_TRUE(NearlyEqual(CallFunction("met>feet", {metres}, random), 0.99998784L));
}

// Out of a standard routine's domain the result is NaN or infinite, without a fault.
struct DomainCase {
  const char* what;
  const char* name;
  long double n1;
  bool want_nan;
  long double want_inf;  // when not NaN
};

class SingleDomainTest : public ::testing::TestWithParam<DomainCase> {};

TEST_P(SingleDomainTest, YieldsNanOrInfinityQuietly) {
  const DomainCase& c = GetParam();
  RandomGenerators random;
  long double result = 0;
  ASSERT_NO_THROW(result = CallFunction(c.name, {c.n1}, random));
  if (c.want_nan) {
    EXPECT_TRUE(std::isnan(result)) << static_cast<double>(result);
  } else {
    EXPECT_EQ(result, c.want_inf);
  }
}

const DomainCase kDomain[] = {
    {"SqrtOfNegative", "sqrt", -1, true, 0},
    {"LnOfNegative", "ln", -1, true, 0},
    {"LnOfZero", "ln", 0, false, -kInf},
    {"AsinOutside", "asin", 2, true, 0},
    {"AcosOutside", "acos", -2, true, 0},
    {"AsecInsideUnit", "asec", 0.5L, true, 0},
    {"AcscInsideUnit", "acsc", -0.5L, true, 0},
    {"ExpOverflows", "exp", 20000, false, kInf},
    {"CoshOverflows", "cosh", 20000, false, kInf},
    {"AcircOfHugeRadius", "acirc", 1E4000L, false, kInf},
};
INSTANTIATE_TEST_SUITE_P(Domain, SingleDomainTest, ::testing::ValuesIn(kDomain),
                         [](const auto& info) { return std::string(info.param.what); });

// Faults of the formula's own arithmetic end the solve with FloatFault.
struct FaultCase {
  const char* what;
  const char* name;
  long double n1;
  FloatFaultKind kind;
  const char* message;
};

constexpr const char* kDivisionText = "Floating point division by zero";
constexpr const char* kOverflowText = "Floating point overflow";

class SingleFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(SingleFaultTest, ThrowsFloatFault) {
  const FaultCase& c = GetParam();
  RandomGenerators random;
  try {
    CallFunction(c.name, {c.n1}, random);
    FAIL() << c.name << " did not fault";
  } catch (const FloatFault& fault) {
    EXPECT_EQ(fault.kind(), c.kind);
    EXPECT_STREQ(fault.what(), c.message);
  }
}

const FaultCase kFaults[] = {
    {"RecOfZero", "rec", 0, FloatFaultKind::kDivisionByZero, kDivisionText},
    {"CotOfZero", "cot", 0, FloatFaultKind::kDivisionByZero, kDivisionText},
    {"CscOfZero", "csc", 0, FloatFaultKind::kDivisionByZero, kDivisionText},
    {"CothOfZero", "coth", 0, FloatFaultKind::kDivisionByZero, kDivisionText},
    {"CschOfZero", "csch", 0, FloatFaultKind::kDivisionByZero, kDivisionText},
    {"AcotOfZero", "acot", 0, FloatFaultKind::kDivisionByZero, kDivisionText},
    {"AsecOfZero", "asec", 0, FloatFaultKind::kDivisionByZero, kDivisionText},
    {"AcscOfZero", "acsc", 0, FloatFaultKind::kDivisionByZero, kDivisionText},
    {"AcothOfZero", "acoth", 0, FloatFaultKind::kDivisionByZero, kDivisionText},
    {"AsechOfZero", "asech", 0, FloatFaultKind::kDivisionByZero, kDivisionText},
    {"AcschOfZero", "acsch", 0, FloatFaultKind::kDivisionByZero, kDivisionText},
    {"FactorialOverflows", "!", 1755, FloatFaultKind::kOverflow, kOverflowText},
    {"FiboOverflows", "fibo", 30000, FloatFaultKind::kOverflow, kOverflowText},
    {"LucaOverflowsOnHugeArgument", "luca", 1E300L, FloatFaultKind::kOverflow, kOverflowText},
    {"CelFahOverflows", "cel>fah", 1E4932L, FloatFaultKind::kOverflow, kOverflowText},
};
INSTANTIATE_TEST_SUITE_P(Faults, SingleFaultTest, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(SingleFunctionTest, PrimeLoopsRefuseArgumentsBeyondTheirLimit) {
  struct Refusal {
    const char* name;
    long double n1;
    const char* message;
  };
  const Refusal refusals[] = {{"prime", 1E16L, "'prime' accepts numbers up to 1E15"},
                              {"primepi", 1E8L, "'primepi' accepts numbers up to 1E7"}};
  RandomGenerators random;
  for (const Refusal& r : refusals) {
    try {
      CallFunction(r.name, {r.n1}, random);
      ADD_FAILURE() << r.name << " did not refuse";
    } catch (const FloatFault&) {
      ADD_FAILURE() << r.name << " refused with an arithmetic fault";
    } catch (const UntrappedFault& fault) {
      EXPECT_STREQ(fault.what(), r.message);
    }
  }
}

}  // namespace
}  // namespace quorvex
