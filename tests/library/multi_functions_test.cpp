#include "library/multi_functions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/checked_float.h"
#include "tests/library/call_function.h"

namespace quorvex {
namespace {

using testing_support::CallFunction;
using testing_support::NearlyEqual;

// Exact mathematical value to extended precision, independent of the code's own constant.
constexpr long double kPi = 3.14159265358979323846264338327950288L;

struct Case {
  const char* what;
  const char* name;
  std::vector<long double> n;
  long double want;
};

std::string CaseName(const ::testing::TestParamInfo<Case>& info) { return info.param.what; }

class MultiValueTest : public ::testing::TestWithParam<Case> {};

TEST_P(MultiValueTest, GivesTheKnownValue) {
  const Case& c = GetParam();
  RandomGenerators random;
  EXPECT_TRUE(NearlyEqual(CallFunction(c.name, c.n, random), c.want)) << c.name;
}

const Case kRelational[] = {
    {"EqualSameDecimals", "=", {0.1L, 0.1L}, 1},
    {"EqualDifferent", "=", {0.1L, 0.2L}, 0},
    {"EqualHasNoTolerance", "=", {1, 1 + 1E-18L}, 0},
    {"NotEqualDifferent", "<>", {1, 2}, 1},
    {"NotEqualSame", "<>", {2, 2}, 0},
    {"GreaterOfEqualIsFalse", ">", {2, 2}, 0},
    {"Greater", ">", {3, 2}, 1},
    {"Less", "<", {-1, 0}, 1},
    {"LessOfEqualIsFalse", "<", {0, 0}, 0},
    {"GreaterEqualOfEqual", ">=", {2, 2}, 1},
    {"GreaterEqualFalse", ">=", {1, 2}, 0},
    {"LessEqualOfEqual", "<=", {2, 2}, 1},
    {"LessEqualFalse", "<=", {3, 2}, 0},
};
INSTANTIATE_TEST_SUITE_P(Relational, MultiValueTest, ::testing::ValuesIn(kRelational), CaseName);

const Case kBitwise[] = {
    {"And", "and", {12, 10}, 8},
    {"Or", "or", {12, 10}, 14},
    {"Xor", "xor", {12, 10}, 6},
    {"Nand", "nand", {12, 10}, -9},
    {"Nor", "nor", {12, 10}, -15},
    {"NorOfZeros", "nor", {0, 0}, -1},
    {"Xnor", "xnor", {12, 10}, -7},
    {"XnorOfZeros", "xnor", {0, 0}, -1},
    {"AndWrapsTo32Bits", "and", {4294967295.0L, 1}, 1},
    {"AndTruncates", "and", {3.9L, 2.9L}, 2},
    {"LshIntoSignBit", "lsh", {1, 31}, -2147483648.0L},
    {"LshByThirtyTwoIsByZero", "lsh", {1, 32}, 1},
    {"LshByMinusOneIsByThirtyOne", "lsh", {1, -1}, -2147483648.0L},
    {"LshLosesHighBits", "lsh", {3, 31}, -2147483648.0L},
    {"LshSmall", "lsh", {3, 2}, 12},
    {"RshKeepsSign", "rsh", {-8, 1}, -4},
    {"RshByThirtyThreeIsByOne", "rsh", {8, 33}, 4},
    {"RshOfMinusOneStays", "rsh", {-1, 31}, -1},
};
INSTANTIATE_TEST_SUITE_P(Bitwise, MultiValueTest, ::testing::ValuesIn(kBitwise), CaseName);

const Case kInteger[] = {
    {"DivWhole", "div", {7, 2}, 3},
    {"DivNegativeTruncates", "div", {-7, 2}, -3},
    {"DivTruncatesParameters", "div", {7.9L, 2.9L}, 3},
    {"DivHasNo32BitLimit", "div", {1E15L, 7}, 142857142857142.0L},
    {"ModWhole", "mod", {7, 3}, 1},
    {"ModKeepsSignOfN1", "mod", {-7, 3}, -1},
    {"ModNegativeDivisor", "mod", {7, -3}, 1},
    {"ModByZeroIsZero", "mod", {7, 0}, 0},
    {"ModOfZero", "mod", {0, 5}, 0},
    {"ModOfFraction", "mod", {7.5L, 2}, 1.5L},
    {"GcdSmallFirst", "gcd", {12, 18}, 6},
    {"GcdLargeFirst", "gcd", {18, 12}, 6},
    {"GcdFloors", "gcd", {12.7L, 18.2L}, 6},
    {"GcdCoprime", "gcd", {17, 5}, 1},
    {"GcdBeyond32Bits", "gcd", {4611686018427387904.0L, 1099511627776.0L}, 1099511627776.0L},
    {"GcdWithZeroIsZero", "gcd", {0, 5}, 0},
    {"GcdWithNegativeIsZero", "gcd", {-4, 6}, 0},
    {"Lcm", "lcm", {4, 6}, 12},
    {"LcmSwapped", "lcm", {6, 4}, 12},
    {"LcmOfCoprime", "lcm", {7, 5}, 35},
    {"Npr", "npr", {5, 2}, 20},
    {"NprAll", "npr", {10, 10}, 3628800},
    {"NprOfNegativeK", "npr", {5, -1}, 1},
    {"NprMoreThanAvailable", "npr", {3, 4}, 0},
    {"Ncr", "ncr", {5, 2}, 10},
    {"NcrOfZero", "ncr", {5, 0}, 1},
    {"NcrMoreThanAvailable", "ncr", {3, 4}, 0},
    {"NcrPokerHands", "ncr", {52, 5}, 2598960},
    {"NcrTruncates", "ncr", {10.9L, 5.9L}, 252},
};
INSTANTIATE_TEST_SUITE_P(Integer, MultiValueTest, ::testing::ValuesIn(kInteger), CaseName);

const Case kReal[] = {
    {"LogOfEight", "log", {8, 2}, 3},
    {"LogOfHundred", "log", {100, 10}, 2},
    {"LogFractional", "log", {2, 4}, 0.5L},
    {"LogOfOne", "log", {1, 10}, 0},
    {"YrtxCubeRoot", "yrtx", {27, 3}, 3},
    {"YrtxOfZero", "yrtx", {0, 2}, 0},
    {"YrtxTenthRoot", "yrtx", {2, 10}, 1.071773462536293164213L},
    {"YrtxNegativeRoot", "yrtx", {16, -2}, 0.25L},
    {"Hypot", "hypot", {3, 4}, 5},
    {"HypotNegativeSide", "hypot", {-5, 12}, 13},
    {"AtanxyUp", "atanxy", {1, 0}, kPi / 2},
    {"AtanxyDiagonal", "atanxy", {1, 1}, kPi / 4},
    {"AtanxyLeft", "atanxy", {0, -1}, kPi},
    {"AtanxyThirdQuadrant", "atanxy", {-1, -1}, -3 * kPi / 4},
    {"RoundToDecimals", "round", {1234.5678L, -2}, 1234.57L},
    {"RoundToHundreds", "round", {1234, 2}, 1200},
    {"RoundTieToEvenDown", "round", {2.5L, 0}, 2},
    {"RoundTieToEvenUp", "round", {3.5L, 0}, 4},
    {"RoundNegativeTie", "round", {-2.5L, 0}, -2},
    {"RoundHundredsTie", "round", {1250, 2}, 1200},
    {"RoundHundredsTieUp", "round", {1350, 2}, 1400},
    {"RoundDigitUsesLowEightBits", "round", {5, 300}, 0},
    {"AseqGauss", "aseq", {1, 100, 100}, 5050},
    {"GseqDoubling", "gseq", {1, 2, 10}, 1023},
    {"GseqHalving", "gseq", {3, 0.5L, 3}, 5.25L},
};
INSTANTIATE_TEST_SUITE_P(Real, MultiValueTest, ::testing::ValuesIn(kReal), CaseName);

const Case kFigures[] = {
    {"Arect", "arect", {3, 4}, 12},
    {"Atria", "atria", {3, 4}, 6},
    {"Aelip", "aelip", {3, 4}, 3 * kPi},
    {"CelipOfCircleIsPiTimesDiameter", "celip", {2, 2}, 2 * kPi},
    {"Celip", "celip", {3, 4}, 11.10720734539591561754L},
    {"ApolyHexagon", "apoly", {6, 2}, 10.39230484541326376116L},
    {"ApolySquare", "apoly", {4, 1}, 2},
    {"AconeWithBase", "acone", {3, 4}, 24 * kPi},
    {"Vcone", "vcone", {3, 4}, 12 * kPi},
    {"Vcyl", "vcyl", {3, 4}, 36 * kPi},
    {"Atrap", "atrap", {2, 4, 3}, 9},
    {"VelipOfSphere", "velip", {1, 1, 1}, 4 * kPi / 3},
    {"Velip", "velip", {2, 3, 4}, 32 * kPi},
    {"Vpyra", "vpyra", {3, 4, 5}, 20},
    {"Vrect", "vrect", {2, 3, 4}, 24},
};
INSTANTIATE_TEST_SUITE_P(Figures, MultiValueTest, ::testing::ValuesIn(kFigures), CaseName);

TEST(MultiFunctionTest, OutOfDomainGivesNanQuietly) {
  struct Nan {
    const char* what;
    const char* name;
    std::vector<long double> n;
  };
  const Nan cases[] = {{"YrtxOfNegative", "yrtx", {-8, 3}},
                       {"AtanxyOfOrigin", "atanxy", {0, 0}},
                       {"GseqNegativeRatioFractionalCount", "gseq", {1, -8, 0.5L}}};
  RandomGenerators random;
  for (const Nan& c : cases) {
    long double result = 0;
    ASSERT_NO_THROW(result = CallFunction(c.name, c.n, random)) << c.what;
    EXPECT_TRUE(std::isnan(result)) << c.what;
  }
}

struct FaultCase {
  const char* what;
  const char* name;
  std::vector<long double> n;
  FloatFaultKind kind;
  const char* message;
};

constexpr const char* kDivisionText = "Floating point division by zero";
constexpr const char* kInvalidText = "Invalid floating point operation";
constexpr const char* kOverflowText = "Floating point overflow";

class MultiFaultTest : public ::testing::TestWithParam<FaultCase> {};

TEST_P(MultiFaultTest, ThrowsFloatFault) {
  const FaultCase& c = GetParam();
  RandomGenerators random;
  try {
    CallFunction(c.name, c.n, random);
    FAIL() << c.name << " did not fault";
  } catch (const FloatFault& fault) {
    EXPECT_EQ(fault.kind(), c.kind);
    EXPECT_STREQ(fault.what(), c.message);
  }
}

constexpr FloatFaultKind kDivision = FloatFaultKind::kDivisionByZero;
constexpr FloatFaultKind kInvalid = FloatFaultKind::kInvalidOperation;
constexpr FloatFaultKind kOverflow = FloatFaultKind::kOverflow;

const FaultCase kFaults[] = {
    {"DivByZero", "div", {1, 0}, kDivision, kDivisionText},
    {"DivByTruncatedZero", "div", {7, 0.5L}, kDivision, kDivisionText},
    {"DivZeroByZero", "div", {0, 0}, kInvalid, kInvalidText},
    {"LcmWithZeroIsZeroByZero", "lcm", {0, 5}, kInvalid, kInvalidText},
    {"LcmWithNegative", "lcm", {-3, 5}, kDivision, kDivisionText},
    {"LogBaseOne", "log", {8, 1}, kDivision, kDivisionText},
    {"LogOfOneBaseOne", "log", {1, 1}, kInvalid, kInvalidText},
    {"LogOfZero", "log", {0, 2}, kDivision, kDivisionText},
    {"LogOfNegative", "log", {-8, 2}, kInvalid, kInvalidText},
    {"LogNegativeBase", "log", {8, -2}, kInvalid, kInvalidText},
    {"YrtxZerothRoot", "yrtx", {8, 0}, kDivision, kDivisionText},
    {"GseqRatioOne", "gseq", {1, 1, 5}, kInvalid, kInvalidText},
    {"ApolyNoSides", "apoly", {0, 2}, kDivision, kDivisionText},
    {"NprOverflows", "npr", {2000, 1800}, kOverflow, kOverflowText},
    {"NcrOverflows", "ncr", {2000, 1800}, kOverflow, kOverflowText},
    {"RoundQuotientBeyond64Bits", "round", {1E300L, 0}, kInvalid, kInvalidText},
    {"RoundNegativeDigitWraps", "round", {5, -300}, kInvalid, kInvalidText},
    {"ArectOverflows", "arect", {1E4000L, 1E4000L}, kOverflow, kOverflowText},
};
INSTANTIATE_TEST_SUITE_P(Faults, MultiFaultTest, ::testing::ValuesIn(kFaults),
                         [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace quorvex
