// A token's cached read against ParseNumber of its text: numbers the engine writes, texts
// that are set, edited in place, copied and moved.
#include "engine/token_list.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <utility>

#include "common/number_text.h"

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
