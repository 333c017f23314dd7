// Inputs at and far beyond the engine's limits: each ends with its answer or message instead
// of running away, and the expression log takes a list of 100,000 items both ways.
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "app/calculator.h"
#include "gtest/gtest.h"
#include "settings/expression_log.h"
#include "support/temp_workdir.h"

namespace quorvex {
namespace {

using testing_support::TempWorkdir;

constexpr size_t kMillion = 1000000;
constexpr char kTooLarge[] = "Too large evaluate";

std::string Repeat(const std::string& piece, size_t times) {
  std::string text;
  text.reserve(piece.size() * times);
  for (size_t i = 0; i < times; ++i) text += piece;
  return text;
}

// depth round brackets around 1.
std::string Nested(size_t depth) { return Repeat("(", depth) + "1" + Repeat(")", depth); }

struct LimitCase {
  const char* name;
  std::function<std::string()> expression;
  std::string answer;
  size_t steps;  // with solcheck on
};

const LimitCase kLimits[] = {
    {"MillionCharactersOfSums", [] { return Repeat("1+", kMillion / 2); }, kTooLarge, 0},
    {"MillionOpeningBrackets", [] { return Repeat("(", kMillion); }, kTooLarge, 0},
    {"MillionCharactersOfCalls", [] { return Repeat("sin[", kMillion / 4); }, kTooLarge, 0},
    {"MillionCharactersOfNames", [] { return Repeat("a+", kMillion / 2); }, kTooLarge, 0},
    {"MillionCharactersOfLiterals", [] { return Repeat("{1}", kMillion / 3); }, kTooLarge, 0},
    // Blanks join digits: a million characters make one number, too large for any format.
    {"MillionDigitsAreOneNumber", [] { return Repeat("9 ", kMillion / 2); },
     "Error syntax, position 1 or first position after ( or [ is NaN", 1},
    {"MillionBlanksAreNothing", [] { return std::string(kMillion, ' '); },
     "Need something to evaluate", 0},
    {"MillionCharacterLiteral", [] { return "{" + std::string(kMillion, '7') + "}"; },
     "Error syntax, position 1 or first position after ( or [ is NaN", 1},
    {"ExactlyThousandTokens", [] { return Repeat("1+", 500); }, "= 500", 1},
    {"NestedBrackets499", [] { return Nested(499); }, "= 1", 499},
    {"NestedBrackets500AreTooMany", [] { return Nested(500); }, kTooLarge, 0},
    {"NestedCalls333", [] { return Repeat("abs[", 333) + "-1" + Repeat("]", 333); }, "= 1", 334},
};

class InputLimitTest : public ::testing::TestWithParam<LimitCase> {};

TEST_P(InputLimitTest, EndsWithItsAnswer) {
  TempWorkdir dir;
  Calculator calculator(dir.root(), LogWriting::kOff);
  const SolveOutcome outcome = calculator.Solve(GetParam().expression());
  EXPECT_EQ(outcome.answer, GetParam().answer);
  EXPECT_EQ(outcome.steps.size(), GetParam().steps);
  EXPECT_FALSE(outcome.fault.has_value());
}

INSTANTIATE_TEST_SUITE_P(Sizes, InputLimitTest, ::testing::ValuesIn(kLimits),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(InputLimit, VariableAtTheTokenLimitIsRefused) {
  TempWorkdir dir;
  Calculator calculator(dir.root(), LogWriting::kOff);
  calculator.variables().declarations = {"big"};
  calculator.variables().assignments = {Repeat("1+", kMillion / 2)};
  EXPECT_EQ(calculator.Solve("2*big").answer, kTooLarge);
}

TEST(InputLimit, LogOf100000LinesInsertsAndIsWrittenBack) {
  constexpr size_t kLines = 100000;
  TempWorkdir dir;
  std::string log;
  for (size_t i = 0; i < kLines; ++i) log += std::to_string(i) + "+1\r\n";
  dir.Write("bin/log.ini", log);

  std::vector<std::string> evaluate;
  ASSERT_TRUE(InsertExpressionLog(dir.File("bin/log.ini"), evaluate));
  ASSERT_EQ(evaluate.size(), kLines);
  EXPECT_EQ(evaluate.front(), "0+1");
  EXPECT_EQ(evaluate.back(), "99999+1");

  // The next solve logs the whole list again.
  Calculator calculator(dir.root());
  calculator.general().logcheck = true;
  const SolveOutcome outcome = calculator.Solve(evaluate, kLines - 1);
  EXPECT_EQ(outcome.answer, "= 100000");
  EXPECT_EQ(dir.Read("bin/log.ini"), log);
}

}  // namespace
}  // namespace quorvex
