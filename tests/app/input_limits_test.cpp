// Inputs at and far beyond the engine's limits: each ends with its answer or message instead
// of running away, and the expression log takes a list of 100,000 items both ways.
#include <filesystem>
#include <functional>
#include <ostream>
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

constexpr char kTooLong[] = "Too long expression: at most 65536 characters";
constexpr char kTooLongSubstituted[] =
    "Too long expression once its variables are in: at most 65536 characters. See "
    "(Tools/Variables/Assignments)";
constexpr size_t kLimit = 65536;

const LimitCase kLimits[] = {
    // Past the length limit nothing is even tokenized.
    {"MillionCharactersOfSums", [] { return Repeat("1+", kMillion / 2); }, kTooLong, 0},
    {"MillionOpeningBrackets", [] { return Repeat("(", kMillion); }, kTooLong, 0},
    {"MillionBlanks", [] { return std::string(kMillion, ' '); }, kTooLong, 0},
    {"OneCharacterOverTheLimit", [] { return Repeat("(1)", kLimit / 3) + "+10"; }, kTooLong, 0},
    // Within it, the token capacity still decides.
    {"SumsAtTheLengthLimit", [] { return Repeat("1+", kLimit / 2 - 1) + "11"; }, kTooLarge, 0},
    {"CallsPastTheTokenCapacity", [] { return Repeat("sin[", 16000); }, kTooLarge, 0},
    {"NamesPastTheTokenCapacity", [] { return Repeat("a+", 30000); }, kTooLarge, 0},
    {"LiteralsPastTheTokenCapacity", [] { return Repeat("{1}", 20000); }, kTooLarge, 0},
    // Blanks join digits: they make one number, which is no number at all.
    {"DigitsJoinedByBlanksAreOneNumber", [] { return Repeat("9 ", 30000); },
     "Error syntax, position 1 or first position after ( or [ is NaN", 1},
    {"BlanksAreNothing", [] { return std::string(kLimit, ' '); }, "Need something to evaluate", 0},
    {"LiteralOf60000Digits", [] { return "{" + std::string(60000, '7') + "}"; },
     "Error syntax, position 1 or first position after ( or [ is NaN", 1},
    {"NumberAtTheLengthLimit", [] { return std::string(kLimit - 1, '0') + "1"; }, "= 1", 1},
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
  calculator.variables().assignments = {Repeat("1+", 30000)};
  EXPECT_EQ(calculator.Solve("2*big").answer, kTooLarge);
}

// The substituted text is held to the same length: a variable's text counts at every use,
// constants and ans count with their values.
struct SubstitutedCase {
  const char* name;
  std::vector<std::string> declarations;
  std::vector<std::string> assignments;
  std::string expression;
  std::string answer;
};

void PrintTo(const SubstitutedCase& row, std::ostream* out) { *out << row.name; }

std::string LongNumber(size_t length) { return std::string(length - 1, '0') + "1"; }

const SubstitutedCase kSubstituted[] = {
    {"VariableOf20KbUsedThreeTimes", {"v"}, {LongNumber(20000)}, "v+v+v", "= 3"},
    {"VariableOf20KbUsedFourTimes", {"v"}, {LongNumber(20000)}, "v+v+v+v", kTooLongSubstituted},
    {"VariableOf20KbUsed120Times",
     {"v"},
     {LongNumber(20000)},
     "v" + Repeat("+v", 119),
     kTooLongSubstituted},
    {"NestedVariablesMultiply",
     {"outer", "inner"},
     {"inner+inner+inner+inner", LongNumber(9000)},
     "outer+outer",
     kTooLongSubstituted},
    {"ConstantsCountWithTheirValues",
     {},
     {},
     LongNumber(60000) + Repeat("+pi", 300),
     kTooLongSubstituted},
    {"LongExpressionPlusAVariable",
     {"v"},
     {LongNumber(2000)},
     LongNumber(64000) + "+v",
     kTooLongSubstituted},
};

class SubstitutedLimitTest : public ::testing::TestWithParam<SubstitutedCase> {};

TEST_P(SubstitutedLimitTest, EndsWithItsAnswer) {
  TempWorkdir dir;
  Calculator calculator(dir.root(), LogWriting::kOff);
  calculator.variables().declarations = GetParam().declarations;
  calculator.variables().assignments = GetParam().assignments;
  const SolveOutcome outcome = calculator.Solve(GetParam().expression);
  EXPECT_EQ(outcome.answer, GetParam().answer);
  if (GetParam().answer == kTooLongSubstituted) {
    EXPECT_TRUE(outcome.steps.empty());
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, SubstitutedLimitTest, ::testing::ValuesIn(kSubstituted),
                         [](const auto& info) { return std::string(info.param.name); });

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
