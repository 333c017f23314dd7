#include "engine/tokenizer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/messages.h"

namespace quorvex {
namespace {

std::vector<std::string> Tokens(const TokenList& list) {
  std::vector<std::string> texts;
  for (int i = 0; i < list.count; ++i) texts.push_back(list[i].text());
  return texts;
}

struct TokenCase {
  const char* name;
  std::string input;
  std::vector<std::string> tokens;
};

class TokenizeTest : public testing::TestWithParam<TokenCase> {};

TEST_P(TokenizeTest, Splits) {
  TokenList list;
  ASSERT_EQ(Tokenize(GetParam().input, 0, list), std::nullopt);
  EXPECT_EQ(Tokens(list), GetParam().tokens);
}

const TokenCase kTokenCases[] = {
    {"Sum", "2+3", {"2", "+", "3"}},
    {"DecimalComma", "12,5*4", {"12,5", "*", "4"}},
    {"DotBecomesComma", "12.5*4", {"12,5", "*", "4"}},
    {"NumberThenName", "2x", {"2", "*", "x"}},
    {"NameThenNumber", "x2", {"x", "*", "2"}},
    {"NumberThenConstant", "2pi", {"2", "*", "pi"}},
    {"NumberThenBracket", "2(3)", {"2", "*", "(", "3", ")"}},
    {"CloseThenOpen", "(1)(2)", {"(", "1", ")", "*", "(", "2", ")"}},
    {"FunctionCall", "sin[0;1]", {"sin", "[", "0", ";", "1", "]"}},
    {"LeadingSign", "-5+2", {"-5", "+", "2"}},
    {"BinaryMinus", "2-5", {"2", "-", "5"}},
    {"SignAfterOperator", "2*-5", {"2", "*", "-5"}},
    {"SignedExponent", "2^-1", {"2", "^", "-1"}},
    {"DoubleMinus", "2--3", {"2", "-", "-3"}},
    {"SignBeforeBracket", "-(2)", {"-", "*", "(", "2", ")"}},
    {"SignBeforeName", "-x", {"-", "x"}},
    {"TwoSigns", "--5", {"-", "-", "5"}},
    {"SignAfterOpen", "(-1)", {"(", "-1", ")"}},
    {"BlankSign", "- 5", {"-5"}},
    {"BlanksJoinNumbers", "2 3", {"23"}},
    {"BlanksJoinNames", "a b", {"ab"}},
    {"Literal", "{1.5E-3}", {"1,5E-3"}},
    {"NumberThenLiteral", "2{1E3}", {"2", "*", "1E3"}},
    {"LiteralKeepsOperators", "{1+2}", {"1+2"}},
    {"UnclosedLiteral", "{abc", {"abc"}},
    {"NameThenLiteral", "x{5}", {"x", "*", "5"}},
    {"CloseThenLiteral", "){5}", {")", "*", "5"}},
    {"LiteralThenNumber", "{5}2", {"5", "*", "2"}},
    {"LastBraceIsName", "2{", {"2", "*", "{"}},
    {"Underscore", "a_b", {"a_b"}},
    {"DigitEndsName", "a1", {"a", "*", "1"}},
    {"NameBeforeBracketIsCall", "sin(0)", {"sin", "*", "(", "0", ")"}},
    {"CaseKept", "Ab+ab", {"Ab", "+", "ab"}},
    {"HighBytesAreNames", "\xE9t\xE9", {"\xE9t\xE9"}},
    {"BlanksOnly", "   ", {}},
    {"Empty", "", {}},
};

INSTANTIATE_TEST_SUITE_P(Cases, TokenizeTest, testing::ValuesIn(kTokenCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TokenizeFailure, EmptyBraces) {
  TokenList list;
  EXPECT_EQ(Tokenize("{}", 0, list), messages::kEmptyBraces);
  EXPECT_EQ(Tokenize("2*{}", 0, list), messages::kEmptyBraces);
}

std::string OnesJoinedByPlus(int operands) {
  std::string text;
  for (int i = 0; i < operands; ++i) text += "1+";
  return text;
}

TEST(TokenizeLimit, ThousandTokensFitAndOneMoreFails) {
  TokenList list;
  EXPECT_EQ(Tokenize(OnesJoinedByPlus(500), 0, list), std::nullopt);
  EXPECT_EQ(list.count, 1000);
  EXPECT_EQ(Tokenize(OnesJoinedByPlus(500) + "1", 0, list), messages::kTooLarge);
}

TEST(TokenizeLimit, SpliceBaseCountsAgainstTheLimit) {
  TokenList list;
  EXPECT_EQ(Tokenize("1+1", 997, list), std::nullopt);
  EXPECT_EQ(Tokenize("1+1", 998, list), messages::kTooLarge);
}

TEST(TokenizeLimit, ImplicitProductAtTheLimitNeverOverruns) {
  // Each "2x" yields three tokens, one of them inserted; the limit must hold mid-pair too.
  std::string text;
  for (int i = 0; i < 400; ++i) text += "2x+";
  TokenList list;
  EXPECT_EQ(Tokenize(text, 0, list), messages::kTooLarge);
  EXPECT_LE(list.count, TokenList::kCapacity);
}

}  // namespace
}  // namespace quorvex
