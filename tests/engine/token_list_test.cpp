// A token's cached read against ParseNumber of its text: numbers the engine writes, texts
// that are set, edited in place, copied and moved, and the function row of a name.
#include "engine/token_list.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <utility>

#include "common/number_text.h"
#include "library/function_table.h"

namespace quorvex {
namespace {

std::string Describe(const std::optional<long double>& value) {
  if (!value) return "no number";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%La", *value);
  return buffer;
}

// What a token must give: its text and ParseNumber of that text.
void ExpectConsistent(const Token& token, const std::string& text) {
  EXPECT_EQ(token.View(), text);
  EXPECT_EQ(Describe(token.Number()), Describe(ParseNumber(text))) << text;
  EXPECT_EQ(token.text(), text);
  EXPECT_EQ(Describe(token.Number()), Describe(ParseNumber(text))) << text;
}

TEST(TokenNumber, AWrittenNumberReadsAsItsTextOverManyValues) {
  uint64_t state = 11;
  Token token;
  for (int i = 0; i < 100000; ++i) {
    state = state * 6364136223846793005ull + 1442695040888963407ull;
    const long double value =
        std::ldexp(static_cast<long double>(state >> 1), static_cast<int>(state % 160) - 140) *
        (i % 2 == 0 ? 1 : -1);
    token.SetNumber(value);
    EXPECT_EQ(Describe(token.Number()), Describe(ParseNumber(FormatGeneral(value))));
    if (i % 10 == 0) {
      EXPECT_EQ(token.text(), FormatGeneral(value));
    }
  }
}

struct NumberRow {
  const char* name;
  long double value;
};

class WrittenNumber : public testing::TestWithParam<NumberRow> {};

TEST_P(WrittenNumber, ReadsAsItsText) {
  Token token;
  token.SetNumber(GetParam().value);
  ExpectConsistent(token, FormatGeneral(GetParam().value));
}

const NumberRow kSpecialNumbers[] = {
    {"Zero", 0.0L},
    {"NegativeZeroWrites0", -0.0L},
    {"NotANumber", std::numeric_limits<long double>::quiet_NaN()},
    {"Infinity", std::numeric_limits<long double>::infinity()},
    {"LargestRoundsBeyondTheRange", std::numeric_limits<long double>::max()},
    {"SmallestSubnormal", std::numeric_limits<long double>::denorm_min()},
    {"OneThird", 1.0L / 3.0L},
    {"Huge", 1.5e300L},
};

INSTANTIATE_TEST_SUITE_P(Specials, WrittenNumber, testing::ValuesIn(kSpecialNumbers),
                         [](const auto& info) { return std::string(info.param.name); });

struct TextRow {
  const char* name;
  const char* text;
};

class SetText : public testing::TestWithParam<TextRow> {};

TEST_P(SetText, ReadsAsItsText) {
  Token token;
  token.SetText(GetParam().text);
  ExpectConsistent(token, GetParam().text);
}

const TextRow kTexts[] = {
    {"WholeNumber", "2"}, {"DecimalComma", "0,5"}, {"Negative", "-3"}, {"TwoCommas", "1,2,3"},
    {"TheVariable", "x"}, {"LoneMinus", "-"},      {"LoneComma", ","}, {"BeyondTheRange", "1E400"},
    {"Blanks", " 7 "},    {"LeadingZeros", "007"},
};

INSTANTIATE_TEST_SUITE_P(Texts, SetText, testing::ValuesIn(kTexts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TokenNumber, EditsCopiesAndMovesKeepTheReadInStepWithTheText) {
  Token token;
  token.SetNumber(2.5L);
  EXPECT_EQ(token.Number(), 2.5L);
  token.MutableText() += "5";  // "2,55"
  ExpectConsistent(token, "2,55");
  token.SetText("pi");
  ExpectConsistent(token, "pi");
  token.SetNumber(1.0L / 3.0L);
  Token copy = token;
  ExpectConsistent(copy, "0,333333333333333");
  Token moved = std::move(copy);
  ExpectConsistent(moved, "0,333333333333333");
  token = "(";
  EXPECT_TRUE(token.Is('('));
  ExpectConsistent(token, "(");
}

class WrittenNumberOperators : public testing::TestWithParam<NumberRow> {};

TEST_P(WrittenNumberOperators, AreNeverASingleOperator) {
  Token token;
  token.SetNumber(GetParam().value);
  for (const char c : std::string("+-*/^()[];x")) EXPECT_FALSE(token.Is(c)) << c;
}

const NumberRow kSingleDigitNumbers[] = {
    {"Zero", 0.0L}, {"One", 1.0L}, {"Nine", 9.0L}, {"MinusOne", -1.0L}};

INSTANTIATE_TEST_SUITE_P(SingleDigits, WrittenNumberOperators,
                         testing::ValuesIn(kSingleDigitNumbers),
                         [](const auto& info) { return std::string(info.param.name); });

class WrittenNumberAgain : public testing::TestWithParam<NumberRow> {};

TEST_P(WrittenNumberAgain, KeepsItsTextAndRead) {
  const long double value = GetParam().value;
  Token token;
  token.SetNumber(value);
  const std::optional<long double> first = token.Number();
  ASSERT_TRUE(first.has_value());
  token.SetNumber(*first);
  ExpectConsistent(token, FormatGeneral(value));
}

const NumberRow kRewritten[] = {
    {"OneThird", 1.0L / 3.0L}, {"TwoAndAHalf", 2.5L},
    {"MinusSeven", -7.0L},     {"HugeRepeatingDecimals", 1e20L / 3.0L},
    {"OneTenth", 0.1L},        {"TinyRepeatingDecimals", 1e-30L / 7.0L},
};

INSTANTIATE_TEST_SUITE_P(Values, WrittenNumberAgain, testing::ValuesIn(kRewritten),
                         [](const auto& info) { return std::string(info.param.name); });

// One-character texts are kept as their character and spelled on demand; edits in place and
// later texts must not leave a stale character or function row behind.
struct TextEditRow {
  const char* name;
  const char* first;
  const char* edit;  // appended in place
  const char* text;
  char single;
};

class TextEdit : public testing::TestWithParam<TextEditRow> {};

TEST_P(TextEdit, CharacterAndFunctionRowFollowTheText) {
  const TextEditRow& row = GetParam();
  Token token;
  token.SetText(row.first);
  EXPECT_EQ(token.Function(), FindFunction(row.first));
  token.MutableText() += row.edit;
  ExpectConsistent(token, row.text);
  EXPECT_EQ(token.Single(), row.single);
  EXPECT_EQ(token.Function(), FindFunction(row.text));
  Token copy;
  copy.SetText("ln");
  copy = token;
  EXPECT_EQ(copy.Single(), row.single);
  EXPECT_EQ(copy.Function(), FindFunction(row.text));
  ExpectConsistent(copy, row.text);
}

const TextEditRow kTextEdits[] = {
    {"ADigitGrowsIntoANumber", "1", "2", "12", '\0'},
    {"ANameGrowsIntoAnotherName", "s", "in", "sin", '\0'},
    {"AnEmptyTextBecomesOneCharacter", "", "(", "(", '('},
    {"ADelCharacterStaysOneCharacter", "\x7F", "", "\x7F", '\x7F'},
};

INSTANTIATE_TEST_SUITE_P(Rows, TextEdit, testing::ValuesIn(kTextEdits),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TokenText, ANumberDropsTheFunctionRowOfTheTextBefore) {
  Token token;
  token.SetText("sin");
  EXPECT_EQ(token.Function(), FindFunction("sin"));
  token.SetNumber(2);
  EXPECT_EQ(token.Function(), nullptr);
  EXPECT_EQ(token.Single(), '\0');
  token.SetText("ln");
  EXPECT_EQ(token.Function(), FindFunction("ln"));
  ASSERT_NE(FindFunction("ln"), nullptr);
}

TEST(TokenListRestore, CopyAndRemoveCarryTextsAndReads) {
  TokenList saved;
  saved.count = 3;
  saved[0].SetText("2");
  saved[1].SetText("*");
  saved[2].SetNumber(0.1L);
  saved[0].Number();
  TokenList working;
  working.CopyFrom(saved);
  EXPECT_EQ(working.Joined(), "2*0,1");
  EXPECT_EQ(working[0].Number(), 2.0L);
  working.Remove(0, 2);
  EXPECT_EQ(working.count, 1);
  EXPECT_EQ(working.Joined(), "0,1");
  EXPECT_EQ(Describe(working[0].Number()), Describe(ParseNumber("0,1")));
}

}  // namespace
}  // namespace quorvex
