#include "common/cp1252.h"

#include <string>

#include "gtest/gtest.h"

namespace quorvex {
namespace {

struct ConversionCase {
  const char* name;
  std::string cp1252;
  std::string utf8;
};

// Pairs that convert both ways.
const ConversionCase kBothWays[] = {
    {"Ascii", "sqrt[16]+1", "sqrt[16]+1"},
    {"Empty", "", ""},
    {"NulByte", std::string("a\0b", 3), std::string("a\0b", 3)},
    {"EAcute", "caf\xE9", "caf\xC3\xA9"},
    {"RightQuote", "Euler\x92s", "Euler\xE2\x80\x99s"},
    {"Euro", "\x80", "\xE2\x82\xAC"},
    {"TradeMark", "\x99", "\xE2\x84\xA2"},
    {"YDiaeresis", "\x9F", "\xC5\xB8"},
    {"NoBreakSpace", "\xA0", "\xC2\xA0"},
    {"YWithDiaeresisLatin1", "\xFF", "\xC3\xBF"},
    {"UndefinedBytesKeepTheirControls", "\x81\x8D\x8F\x90\x9D",
     "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
};

class Cp1252BothWaysTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(Cp1252BothWaysTest, Converts) {
  EXPECT_EQ(Cp1252ToUtf8(GetParam().cp1252), GetParam().utf8);
  EXPECT_EQ(Utf8ToCp1252(GetParam().utf8), GetParam().cp1252);
}

INSTANTIATE_TEST_SUITE_P(Table, Cp1252BothWaysTest, ::testing::ValuesIn(kBothWays),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Cp1252RoundTrip, EveryByteSurvives) {
  std::string all;
  for (int byte = 0; byte < 256; ++byte) all += static_cast<char>(byte);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
}

struct LossyCase {
  const char* name;
  std::string utf8;
  std::string cp1252;
};

// UTF-8 that has no Windows-1252 form, or is malformed: each bad piece becomes one "?".
const LossyCase kLossy[] = {
    {"CharacterOutsideCodePage", "\xE2\x88\x9A", "?"},  // square root sign
    {"C1ControlWithByteOfOwn", "\xC2\x80", "?"},        // U+0080; 0x80 is the euro sign
    {"Emoji",
     "a\xF0\x9F\x98\x80"
     "b",
     "a?b"},
    {"StrayContinuation",
     "a\x80"
     "b",
     "a?b"},
    {"TruncatedAtEnd", "a\xE2\x82", "a?"},
    {"TruncatedBeforeAscii",
     "\xE2\x82"
     "b",
     "?b"},
    {"OverlongSlash", "\xC0\xAF", "??"},
    {"OverlongThreeBytes", "\xE0\x80\xAF", "???"},
    {"Surrogate", "\xED\xA0\x80", "???"},
    {"BeyondUnicode", "\xF4\x90\x80\x80", "????"},
    {"InvalidLeadByte",
     "\xFF"
     "a",
     "?a"},
};

class Utf8LossyTest : public ::testing::TestWithParam<LossyCase> {};

TEST_P(Utf8LossyTest, BecomesQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1252(GetParam().utf8), GetParam().cp1252);
}

INSTANTIATE_TEST_SUITE_P(Table, Utf8LossyTest, ::testing::ValuesIn(kLossy),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvex
