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

TEST(TokenNumber, SpecialValuesAndTextsReadAsTheirText) {
  const struct {
    const char* name;
    long double value;
  } numbers[] = {
      {"zero", 0.0L},
      {"negative zero writes 0", -0.0L},
      {"nan", std::numeric_limits<long double>::quiet_NaN()},
      {"infinity", std::numeric_limits<long double>::infinity()},
      {"largest rounds beyond the range", std::numeric_limits<long double>::max()},
      {"smallest subnormal", std::numeric_limits<long double>::denorm_min()},
      {"one third", 1.0L / 3.0L},
      {"huge", 1.5e300L},
  };
  for (const auto& row : numbers) {
    SCOPED_TRACE(row.name);
    Token token;
    token.SetNumber(row.value);
    ExpectConsistent(token, FormatGeneral(row.value));
  }
  for (const char* text : {"2", "0,5", "-3", "1,2,3", "x", "-", ",", "1E400", " 7 ", "007"}) {
    Token token;
    token.SetText(text);
    ExpectConsistent(token, text);
  }
}

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

TEST(TokenNumber, AWrittenNumberIsNeverASingleOperator) {
  Token token;
  for (const long double value : {0.0L, 1.0L, 9.0L, -1.0L}) {
    token.SetNumber(value);
    for (const char c : std::string("+-*/^()[];x")) EXPECT_FALSE(token.Is(c)) << c;
  }
}

TEST(TokenNumber, WritingAWrittenNumberAgainKeepsItsTextAndRead) {
  const long double values[] = {1.0L / 3.0L, 2.5L, -7.0L, 1e20L / 3.0L, 0.1L, 1e-30L / 7.0L};
  for (const long double value : values) {
    Token token;
    token.SetNumber(value);
    const std::optional<long double> first = token.Number();
    ASSERT_TRUE(first.has_value());
    token.SetNumber(*first);
    ExpectConsistent(token, FormatGeneral(value));
  }
}

// One-character texts are kept as their character and spelled on demand; edits in place and
// later texts must not leave a stale character or function row behind.
TEST(TokenText, CharactersAndFunctionRowsFollowTheText) {
  const struct {
    const char* name;
    const char* first;
    const char* edit;  // appended in place
    const char* text;
    char single;
  } rows[] = {
      {"a digit grows into a number", "1", "2", "12", '\0'},
      {"a name grows into another name", "s", "in", "sin", '\0'},
      {"an empty text becomes one character", "", "(", "(", '('},
      {"a DEL character stays one character", "\x7F", "", "\x7F", '\x7F'},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
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
