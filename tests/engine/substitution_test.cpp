#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/messages.h"
#include "solve_fixture.h"

namespace quorvex {
namespace {

using testing_support::SolveFixture;

std::string RepeatedOnePlus(int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += "1+";
  return text;
}

struct Variable {
  std::string name;
  std::string assignment;
};

struct SubstitutionCase {
  const char* name;
  std::vector<Variable> variables;
  std::string expression;
  std::string answer;
  std::string first_step = "";
};

class SubstitutionTest : public testing::TestWithParam<SubstitutionCase> {};

TEST_P(SubstitutionTest, Substitutes) {
  const SubstitutionCase& c = GetParam();
  SolveFixture fixture;
  for (const Variable& v : c.variables) fixture.Declare(v.name, v.assignment);
  fixture.Solve(c.expression);
  EXPECT_EQ(fixture.output.answer, c.answer);
  if (!c.first_step.empty()) {
    ASSERT_FALSE(fixture.output.steps.empty());
    EXPECT_EQ(fixture.output.steps.front(), c.first_step);
  }
}

const std::vector<Variable> kWorked = {{"b", "1+1"}, {"rad", "2"}, {"area", "pi*rad^2"}};

const SubstitutionCase kCases[] = {
    {"NoBracketsAroundVariable", kWorked, "b*3", "= 4", "Step 1: 1+1*3"},
    {"BracketedVariable", kWorked, "(b)*3", "= 6"},
    {"NestedVariablesDepthFirst", kWorked, "area", "= 12,5663706143592",
     "Step 1: 3,14159265358979*2^2"},
    {"VariableUsedTwice", kWorked, "b+b", "= 4"},
    {"EmptyAssignmentRemovesName", {{"b", ""}}, "2*b+1", messages::OperatorNaN("*")},
    {"ExponentInAssignmentIsNotANumber", {{"w", "1.5E-3"}}, "w", messages::OperatorNaN("*")},
    {"LiteralInAssignment", {{"w", "{1.5E-3}"}}, "w*2", "= 0,003"},
    {"ConstantWinsOverVariable", {{"pi", "3"}}, "pi", "= 3,14159265358979"},
    {"FirstDeclarationWins", {{"v", "1"}, {"v", "2"}}, "v", "= 1"},
    {"EmptyBracesInAssignment", {{"v", "{}"}}, "v", std::string(messages::kEmptyBraces)},
    {"CircularVariables", {{"b", "q"}, {"q", "b"}}, "b", std::string(messages::kVariableLoop)},
    {"SelfReferenceGrows", {{"b", "b+1"}}, "b", std::string(messages::kVariableLoop)},
    {"LongAssignmentOverflows",
     {{"b", RepeatedOnePlus(300) + "b"}},
     "b",
     std::string(messages::kTooLarge)},
};

INSTANTIATE_TEST_SUITE_P(Cases, SubstitutionTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Substitution, AnsIsThePreviousAnswerWithFifteenDigits) {
  SolveFixture fixture;
  ASSERT_TRUE(fixture.Solve("1/3"));
  ASSERT_TRUE(fixture.Solve("ans*2"));
  EXPECT_EQ(fixture.output.steps.front(), "Step 1: 0,333333333333333*2");
}

TEST(Substitution, XMakesAGraphRunAndIsRecorded) {
  SolveFixture fixture;
  fixture.Declare("b", "1+1");
  EXPECT_FALSE(fixture.Solve("sin[x]*b"));
  EXPECT_EQ(fixture.result.kind, SolveKind::kGraphRun);
  EXPECT_EQ(fixture.state->x_positions, std::vector<int>{2});
  EXPECT_EQ(fixture.state->saved.Joined(), "sin[x]*1+1");
  EXPECT_TRUE(fixture.output.steps.empty());
}

TEST(Substitution, VariableHoldingXMakesAGraphRun) {
  SolveFixture fixture;
  fixture.Declare("f", "x^2");
  fixture.Solve("f+1");
  EXPECT_EQ(fixture.result.kind, SolveKind::kGraphRun);
  EXPECT_EQ(fixture.state->x_positions, std::vector<int>{0});
}

TEST(Substitution, DeclarationWithoutAssignmentLineRemovesName) {
  SolveFixture fixture;
  fixture.variables.declarations = {"a", "b"};
  fixture.variables.assignments = {"5"};
  fixture.Solve("2*b+a");
  EXPECT_EQ(fixture.output.answer, messages::OperatorNaN("*"));
}

TEST(Substitution, FailureLeavesTheWorkingList) {
  SolveFixture fixture;
  fixture.Declare("b", "q");
  fixture.Declare("q", "b");
  EXPECT_FALSE(fixture.Solve("1+b"));
  EXPECT_EQ(fixture.output.answer, messages::kVariableLoop);
  EXPECT_LE(fixture.state->working.count, 1000);
}

}  // namespace
}  // namespace quorvex
