#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/checked_float.h"
#include "common/number_text.h"
#include "engine/messages.h"
#include "solve_fixture.h"

namespace quorvex {
namespace {

using testing_support::SolveFixture;

struct SolveCase {
  const char* name;
  std::string expression;
  std::string answer;  // the answer box: "= " and the value, or a message
  std::vector<std::string> steps = {};
};

class SolveTest : public testing::TestWithParam<SolveCase> {};

TEST_P(SolveTest, AnswersAndSteps) {
  const SolveCase& c = GetParam();
  SolveFixture fixture;
  const bool message = c.answer.rfind("= ", 0) != 0;
  EXPECT_EQ(fixture.Solve(c.expression), !message);
  EXPECT_EQ(fixture.output.answer, c.answer);
  if (!c.steps.empty()) {
    EXPECT_EQ(fixture.output.steps, c.steps);
  }
}

const SolveCase kPrecedence[] = {
    {"ProductBeforeSum", "2+3*4", "= 14", {"Step 1: 2+3*4"}},
    {"SumAfterProduct", "2*3+4", "= 10"},
    {"DifferencesFromLeft", "10-2-3", "= 5"},
    {"PowersFromLeft", "2^3^2", "= 64"},
    {"QuotientsFromLeft", "8/2/2", "= 2"},
    {"NegativeExponent", "2^-1", "= 0,5"},
    {"MinusNegative", "2--3", "= 5"},
    {"SignedNumberSquared", "-2^2", "= 4"},
    {"ZeroMinusConstant", "0-pi", "= -3,14159265358979"},
    {"NegativeOneTimesConstant", "-1*pi", "= -3,14159265358979"},
    {"TrailingOperatorIgnored", "2+", "= 2"},
    {"SemicolonsWithoutBrackets", "1;2", "= 2"},
    {"LeadingZerosRewritten", "007", "= 7", {"Step 1: 007"}},
    {"LiteralExponent", "{1.5E-3}*2", "= 0,003"},
};
INSTANTIATE_TEST_SUITE_P(Precedence, SolveTest, testing::ValuesIn(kPrecedence),
                         [](const auto& info) { return std::string(info.param.name); });

const SolveCase kSteps[] = {
    {"InnerGroupFirst", "4*(2+3)", "= 20", {"Step 1: 4*(2+3)", "Step 2: 4*(5)"}},
    {"LeftmostOfEqualDepth",
     "(1+2)*(3+4)",
     "= 21",
     {"Step 1: (1+2)*(3+4)", "Step 2: (3)*(3+4)", "Step 3: 3*(7)"}},
    {"OnePairPerCycle", "((5))", "= 5", {"Step 1: ((5))", "Step 2: (5)"}},
    {"FifteenDigitIntermediates",
     "(1/3)*3",
     "= 0,999999999999999",
     {"Step 1: (1/3)*3", "Step 2: (0,333333333333333)*3"}},
    {"OneStepWithoutBrackets", "2+3", "= 5", {"Step 1: 2+3"}},
    {"ConstantSubstitutedBeforeFirstStep",
     "2*pi",
     "= 6,28318530717958",
     {"Step 1: 2*3,14159265358979"}},
};
INSTANTIATE_TEST_SUITE_P(Steps, SolveTest, testing::ValuesIn(kSteps),
                         [](const auto& info) { return std::string(info.param.name); });

const SolveCase kFailures[] = {
    {"NothingToEvaluate", "", std::string(messages::kNothingToEvaluate)},
    {"BlanksOnly", "   ", std::string(messages::kNothingToEvaluate)},
    {"RoundUnbalanced", "(2+3", std::string(messages::kRoundUnbalanced)},
    {"CloseBeforeOpen", ")(", std::string(messages::kRoundUnbalanced)},
    {"SquareUnbalanced", "sin[0", std::string(messages::kSquareUnbalanced)},
    {"SquareCloseFirst", "]sin[0", std::string(messages::kSquareUnbalanced)},
    {"SemicolonsInRoundGroup",
     "(1;2)",
     std::string(messages::kInvalidNesting),
     {"Step 1: (1;2)", "Step 2: (1;2)"}},
    {"SignBeforeBracket", "-(2)", messages::OperatorNaN("*")},
    {"SignBeforeConstant", "-pi", std::string(messages::kFirstOperandNaN)},
    {"DivisionByZero", "1/0", messages::OperatorNaN("/")},
    {"ZeroByZero", "0/0", messages::OperatorNaN("/")},
    {"UnknownRightOperand", "1+foo", messages::OperatorNaN("+")},
    {"UnknownFirstOperand", "foo+1", std::string(messages::kFirstOperandNaN)},
    {"OperatorBeforeClose", "(2+)", messages::OperatorNaN("+")},
    {"EmptyGroup", "()", std::string(messages::kFirstOperandNaN)},
    {"CaseSensitiveConstant", "Pi*2", messages::OperatorNaN("*")},
    {"ProductOverflow", "{1E4000}*{1E4000}", messages::OperatorNaN("*")},
    {"SumOverflow", "{1E4932}+{1E4932}", messages::OperatorNaN("+")},
    {"PowerOverflow", "10^5000", messages::OperatorNaN("^")},
    // Powers that are no real number fail at their own operator, not at a later one.
    {"FractionalPowerOfNegativeFailsAtPower", "(-8)^0,5*2", messages::OperatorNaN("^")},
    {"FractionalPowerAfterProductNamesPower", "2*(-8)^0,5", messages::OperatorNaN("^")},
    {"ZeroToNegativePowerAlone", "0^-1", messages::OperatorNaN("^")},
    {"ZeroToNegativePowerInSum", "1+0^-1", messages::OperatorNaN("^")},
    {"NegativeZeroToNegativeOddPower", "{-0}^-3", messages::OperatorNaN("^")},
    {"PowerAsFunctionParameter", "sqrt[(-1)^0,5]", messages::OperatorNaN("^")},
    {"TrailingSemicolon", "1;", std::string(messages::kFirstOperandNaN)},
    {"ExponentTextIsNoNumber", "1E5", messages::OperatorNaN("*")},
};
INSTANTIATE_TEST_SUITE_P(Failures, SolveTest, testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SolveState, FailureKeepsStepsAndTokens) {
  SolveFixture fixture;
  EXPECT_FALSE(fixture.Solve("2*(1+foo)"));
  EXPECT_EQ(fixture.output.answer, messages::OperatorNaN("+"));
  EXPECT_EQ(fixture.output.steps, std::vector<std::string>{"Step 1: 2*(1+foo)"});
  EXPECT_EQ(fixture.state->working.Joined(), "2*(1+foo)");
  EXPECT_FALSE(fixture.output.formatted);
}

TEST(SolveState, WithoutSolcheckNoStepsSameAnswer) {
  SolveFixture fixture;
  fixture.general.solcheck = false;
  EXPECT_TRUE(fixture.Solve("4*(2+3)"));
  EXPECT_TRUE(fixture.output.steps.empty());
  EXPECT_EQ(fixture.output.answer, "= 20");
}

TEST(SolveState, AnsCarriesOverAndStartsAtZero) {
  SolveFixture fixture;
  EXPECT_TRUE(fixture.Solve("ans+1"));
  EXPECT_EQ(fixture.output.answer, "= 1");
  EXPECT_TRUE(fixture.Solve("1/3"));
  EXPECT_TRUE(fixture.Solve("ans*2"));
  EXPECT_EQ(fixture.output.steps.front(), "Step 1: 0,333333333333333*2");
}

TEST(SolveState, SumsAccumulateAtFullPrecision) {
  // The chain is rounded once, at the end, not after each term.
  SolveFixture fixture;
  EXPECT_TRUE(fixture.Solve("0,5+{1E15}-{1E15}"));
  EXPECT_EQ(fixture.output.answer, "= 0,5");
}

TEST(SolveState, NotANumberTextFailsAtTheNextReduction) {
  // "NAN" written back into the list is no number, so even as the last value it fails.
  SolveFixture fixture;
  EXPECT_FALSE(fixture.Solve("sqrt[-1]"));
  EXPECT_EQ(fixture.output.answer, messages::kFirstOperandNaN);
  EXPECT_EQ(fixture.output.steps, (std::vector<std::string>{"Step 1: sqrt[-1]", "Step 2: NAN"}));
}

TEST(SolveState, ThousandTokensSolve) {
  std::string text;
  for (int i = 0; i < 500; ++i) text += "1+";
  SolveFixture fixture;
  EXPECT_TRUE(fixture.Solve(text));
  EXPECT_EQ(fixture.output.answer, "= 500");
  EXPECT_FALSE(fixture.Solve(text + "1"));
  EXPECT_EQ(fixture.output.answer, messages::kTooLarge);
}

TEST(SolveState, DeepNestingSolves) {
  SolveFixture fixture;
  EXPECT_TRUE(fixture.Solve(std::string(300, '(') + "1" + std::string(300, ')')));
  EXPECT_EQ(fixture.output.answer, "= 1");
}

}  // namespace
}  // namespace quorvex
