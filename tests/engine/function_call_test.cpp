#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/checked_float.h"
#include "engine/messages.h"
#include "solve_fixture.h"

namespace quorvex {
namespace {

using testing_support::SolveFixture;

struct CallCase {
  const char* name;
  std::string expression;
  std::string answer;
  std::vector<std::string> steps = {};
};

class FunctionCallTest : public testing::TestWithParam<CallCase> {};

TEST_P(FunctionCallTest, StepsAndAnswer) {
  const CallCase& c = GetParam();
  SolveFixture fixture;
  fixture.Solve(c.expression);
  EXPECT_EQ(fixture.output.answer, c.answer);
  if (!c.steps.empty()) {
    EXPECT_EQ(fixture.output.steps, c.steps);
  }
}

const CallCase kCalls[] = {
    {"NoStepForAnUnchangedCall", "sqrt[16]*2", "= 8", {"Step 1: sqrt[16]*2", "Step 2: 4*2"}},
    {"StepWhenAnOperatorRanInside",
     "sqrt[9+7]*2",
     "= 8",
     {"Step 1: sqrt[9+7]*2", "Step 2: sqrt[16]*2", "Step 3: 4*2"}},
    {"InnerCallFirst",
     "max[abs[-3];2]",
     "= 3",
     {"Step 1: max[abs[-3];2]", "Step 2: max[3;2]", "Step 3: 3"}},
    {"ResultAddedAfterwards", "sqrt[16]+1", "= 5", {"Step 1: sqrt[16]+1", "Step 2: 4+1"}},
    {"TheRoadOfOneRequest",
     "2*sqrt[16]+pi",
     "= 11,1415926535898",
     {"Step 1: 2*sqrt[16]+3,14159265358979", "Step 2: 2*4+3,14159265358979"}},
    {"ParametersReducedInOneCycle",
     "log[2^3;1+1]",
     "= 3",
     {"Step 1: log[2^3;1+1]", "Step 2: log[8;2]", "Step 3: 3"}},
    {"LastRowOfTheTable", "var[1;3]", "= 2"},
    {"ArrayOfOne", "ave[5]", "= 5"},
    {"ArrayCount", "count[7;7;7]", "= 3"},
    {"FixedCount", "vcube[2]", "= 8"},
    {"TooManyParameters", "sin[1;2]", "Function 'sin' need 1 parameter(s), got 2"},
    {"TooFewParameters", "log[8]", "Function 'log' need 2 parameter(s), got 1"},
    {"OneParameterFunction", "vcube[2;3]", "Function 'vcube' need 1 parameter(s), got 2"},
    {"UnknownName", "foo[1]", messages::NotAFunction("foo")},
    {"NamesAreCaseSensitive", "Sin[0]", messages::NotAFunction("Sin")},
    {"NumberBeforeBracket", "2[3]", messages::NotAFunction("2")},
    {"NoSlotForAName", "[2]", std::string(messages::kNoFunctionName)},
    {"NoSlotForANameInsideBrackets", "([2])", messages::NotAFunction("(")},
    {"EmptyParameter", "max[1;]", std::string(messages::kFirstOperandNaN)},
    {"UnknownParameter", "sin[foo]", std::string(messages::kFirstOperandNaN)},
    {"RoundGroupInsideCall", "sqrt[(9+7)]", "= 4"},
};

INSTANTIATE_TEST_SUITE_P(Cases, FunctionCallTest, testing::ValuesIn(kCalls),
                         [](const auto& info) { return std::string(info.param.name); });

std::string ArrayCall(int values) {
  std::string text = "count[";
  for (int i = 0; i < values; ++i) text += i == 0 ? "1" : ";1";
  return text + "]";
}

TEST(FunctionCallLimit, ArrayOf499ValuesFitsAnd500DoNot) {
  SolveFixture fixture;
  EXPECT_TRUE(fixture.Solve(ArrayCall(499)));
  EXPECT_EQ(fixture.output.answer, "= 499");
  EXPECT_FALSE(fixture.Solve(ArrayCall(500)));
  EXPECT_EQ(fixture.output.answer, messages::kTooLarge);
}

TEST(FunctionCallFaults, FormulaFaultsAreNotTrapped) {
  const char* faulting[] = {"rec[0]",   "cot[0]",   "![1755]",    "div[1;0]",
                            "lcm[0;5]", "log[8;1]", "gseq[1;1;5]"};
  for (const char* expression : faulting) {
    SolveFixture fixture;
    EXPECT_THROW(fixture.Solve(expression), UntrappedFault) << expression;
  }
}

TEST(FunctionCallFaults, DomainErrorsGoOnAsNotANumber) {
  SolveFixture fixture;
  fixture.Solve("asin[2]");
  EXPECT_EQ(fixture.output.steps.back(), "Step 2: NAN");
  fixture.Solve("exp[100000]");
  EXPECT_EQ(fixture.output.steps.back(), "Step 2: INF");
}

TEST(FunctionCallRandom, GeneratorsStartFromFixedStatesPerEngine) {
  SolveFixture fixture;
  std::vector<std::string> draws;
  for (int i = 0; i < 3; ++i) {
    fixture.Solve("rand[99]");
    draws.push_back(fixture.output.answer);
  }
  EXPECT_EQ(draws, (std::vector<std::string>{"= 49", "= 4", "= 86"}));
  SolveFixture fresh;
  fresh.Solve("rand[99]");
  EXPECT_EQ(fresh.output.answer, "= 49");
}

}  // namespace
}  // namespace quorvex
