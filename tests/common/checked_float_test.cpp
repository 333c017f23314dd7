#include "common/checked_float.h"

#include <cfloat>
#include <cmath>
#include <optional>
#include <string>

#include "gtest/gtest.h"

namespace quorvex {
namespace {

enum class Op { kAdd, kSub, kMul, kDiv };

struct CheckedCase {
  const char* name;
  Op op;
  long double a;
  long double b;
  long double expected;                 // compared when no fault is expected
  std::optional<FloatFaultKind> fault;  // the fault that must be thrown
  const char* message;
};

constexpr long double kInf = INFINITY;
constexpr long double kNan = NAN;

const CheckedCase kCheckedCases[] = {
    {"AddPlain", Op::kAdd, 1.5L, 2.25L, 3.75L, std::nullopt, ""},
    {"SubPlain", Op::kSub, 1.5L, 2.25L, -0.75L, std::nullopt, ""},
    {"MulPlain", Op::kMul, 1.5L, -4.0L, -6.0L, std::nullopt, ""},
    {"DivPlain", Op::kDiv, 1.0L, 4.0L, 0.25L, std::nullopt, ""},
    {"DivZeroByNumber", Op::kDiv, 0.0L, 5.0L, 0.0L, std::nullopt, ""},
    {"UnderflowIsQuiet", Op::kMul, LDBL_MIN, LDBL_MIN, 0.0L, std::nullopt, ""},
    {"AddOverflow", Op::kAdd, LDBL_MAX, LDBL_MAX, 0, FloatFaultKind::kOverflow,
     "Floating point overflow"},
    {"SubOverflow", Op::kSub, -LDBL_MAX, LDBL_MAX, 0, FloatFaultKind::kOverflow,
     "Floating point overflow"},
    {"MulOverflow", Op::kMul, 1e3000L, 1e3000L, 0, FloatFaultKind::kOverflow,
     "Floating point overflow"},
    {"DivOverflow", Op::kDiv, 1e3000L, 1e-3000L, 0, FloatFaultKind::kOverflow,
     "Floating point overflow"},
    {"DivByZero", Op::kDiv, 1.0L, 0.0L, 0, FloatFaultKind::kDivisionByZero,
     "Floating point division by zero"},
    {"DivByNegativeZero", Op::kDiv, -3.0L, -0.0L, 0, FloatFaultKind::kDivisionByZero,
     "Floating point division by zero"},
    {"ZeroByZero", Op::kDiv, 0.0L, 0.0L, 0, FloatFaultKind::kInvalidOperation,
     "Invalid floating point operation"},
    {"InfMinusInf", Op::kAdd, kInf, -kInf, 0, FloatFaultKind::kInvalidOperation,
     "Invalid floating point operation"},
    {"InfSubInf", Op::kSub, kInf, kInf, 0, FloatFaultKind::kInvalidOperation,
     "Invalid floating point operation"},
    {"ZeroTimesInf", Op::kMul, 0.0L, kInf, 0, FloatFaultKind::kInvalidOperation,
     "Invalid floating point operation"},
    {"InfOverInf", Op::kDiv, kInf, -kInf, 0, FloatFaultKind::kInvalidOperation,
     "Invalid floating point operation"},
    // An infinite operand is no overflow: the result was already infinite.
    {"InfPlusNumber", Op::kAdd, kInf, 1.0L, kInf, std::nullopt, ""},
    {"InfTimesNumber", Op::kMul, -kInf, 2.0L, -kInf, std::nullopt, ""},
    {"NumberOverInf", Op::kDiv, 1.0L, kInf, 0.0L, std::nullopt, ""},
};

long double Apply(Op op, long double a, long double b) {
  switch (op) {
    case Op::kAdd:
      return CheckedAdd(a, b);
    case Op::kSub:
      return CheckedSub(a, b);
    case Op::kMul:
      return CheckedMul(a, b);
    case Op::kDiv:
      return CheckedDiv(a, b);
  }
  return 0;
}

class CheckedFloatTest : public ::testing::TestWithParam<CheckedCase> {};

TEST_P(CheckedFloatTest, ComputesOrFaults) {
  const CheckedCase& c = GetParam();
  if (!c.fault) {
    EXPECT_EQ(Apply(c.op, c.a, c.b), c.expected);
    return;
  }
  try {
    Apply(c.op, c.a, c.b);
    FAIL() << "no fault";
  } catch (const FloatFault& fault) {
    EXPECT_EQ(fault.kind(), *c.fault);
    EXPECT_STREQ(fault.what(), c.message);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, CheckedFloatTest, ::testing::ValuesIn(kCheckedCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A not-a-number operand passes quietly through every operation, also "over zero".
TEST(CheckedFloatNan, PassesQuietly) {
  EXPECT_TRUE(std::isnan(CheckedAdd(kNan, 1.0L)));
  EXPECT_TRUE(std::isnan(CheckedSub(1.0L, kNan)));
  EXPECT_TRUE(std::isnan(CheckedMul(kNan, kInf)));
  EXPECT_TRUE(std::isnan(CheckedDiv(kNan, 0.0L)));
  EXPECT_TRUE(std::isnan(CheckedDiv(0.0L, kNan)));
}

TEST(CheckedFloatFault, IsAnUntrappedFault) {
  try {
    CheckedDiv(1.0L, 0.0L);
    FAIL() << "no fault";
  } catch (const UntrappedFault& fault) {
    EXPECT_STREQ(fault.what(), "Floating point division by zero");
  }
}

}  // namespace
}  // namespace quorvex
