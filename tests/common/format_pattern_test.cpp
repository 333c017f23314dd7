#include "common/format_pattern.h"

#include <cmath>
#include <string>

#include "gtest/gtest.h"

namespace quorvex {
namespace {

struct PatternCase {
  const char* name;
  const char* pattern;
  long double value;
  std::string expected;
};

const std::string kSep(1, kThousandsSeparator);
constexpr long double kPi = 3.14159265358979323846L;

const PatternCase kPatternCases[] = {
    // The documented table.
    {"TwoDecimals", "0.00", kPi, "3,14"},
    {"TwoDecimalsNegativePadded", "0.00", -2.5L, "-2,50"},
    {"Grouping", "#,##0", 1234567.8L, "1" + kSep + "234" + kSep + "568"},
    {"SmallValueRoundsToLastPlace", "0.####", 5.67051e-5L, "0,0001"},
    {"TinyValueRoundsToZero", "0.####", 7.5646e-15L, "0"},
    {"Scientific", "0.00E+00", 12345.0L, "1,23E+04"},
    {"NegativeSection", "0.0;(0.0);zero", -2.5L, "(2,5)"},
    {"RoundsIntoZeroSection", "0.0;(0.0);zero", 0.01L, "zero"},
    {"QuotedText", "'x='0", kPi, "x=3"},
    {"EmptyPatternIsGeneral", "", kPi, "3,14159265358979"},
    {"HalfAwayUp", "0", 2.5L, "3"},
    {"HalfAwayDown", "0", -2.5L, "-3"},
    {"TooLargeIsGeneral", "0.00", 1e20L, "1E20"},
    {"NoPlaceholders", "abc", 5.0L, "abc"},
    {"NoPlaceholdersNegative", "abc", -5.0L, "-abc"},
    // Placeholders.
    {"HashWritesNoLeadingZero", "#.##", 0.5L, ",5"},
    {"HashOnZeroWritesNothing", "#", 0.0L, ""},
    {"NoSeparatorWithoutFractionDigits", "0.##", 3.0L, "3"},
    {"PatternEndingInPointWritesNoSeparator", "00.", 3.7L, "04"},
    {"HashBeforeZeroInFractionActsAsZero", "0.0#0", 1.5L, "1,500"},
    {"HashAfterZeroInIntegerActsAsZero", "#0#.0", 5.0L, "05,0"},
    {"SurplusIntegerDigitsAtFirstPlaceholder", "x0y", 12345.0L, "x12345y"},
    {"FractionOnlyPattern", ".00", 12.5L, "12,50"},
    {"FurtherPointsIgnored", "0.0.0", 1.25L, "1,25"},
    {"TrailingFractionZerosDropped", "0.####", 1.5L, "1,5"},
    {"LiteralAmongDigits", "0 h", 2.0L, "2 h"},
    {"CarryIntoNewDigit", "0", 9.5L, "10"},
    {"CarryIntoInteger", "0.00", 0.995L, "1,00"},
    // Grouping.
    {"GroupingWithDecimals", "#,##0.00", 1234.5L, "1" + kSep + "234,50"},
    {"GroupingCommaAnywhere", "0,0", 1234567.0L, "1" + kSep + "234" + kSep + "567"},
    {"GroupingPaddedZeros", "0000,", 12.0L, "0" + kSep + "012"},
    {"GroupingNegative", "#,##0", -1234567.8L, "-1" + kSep + "234" + kSep + "568"},
    {"GroupingShortNumber", "#,##0", 999.0L, "999"},
    // Scientific notation.
    {"ExponentMinusFormPositive", "0.00E-00", 12345.0L, "1,23E04"},
    {"ExponentMinusFormNegative", "0.00E-00", 0.00012345L, "1,23E-04"},
    {"ExponentPlusFormNegative", "0.00E+00", 0.00012345L, "1,23E-04"},
    {"LowerCaseExponent", "0.00e+0", 12345.0L, "1,23e+4"},
    {"ExponentDigitsAtMostFour", "0E+0000000", 5.0L, "5E+0000"},
    {"ExponentWiderThanMinimum", "0E+0", 1e123L, "1E+123"},
    {"SeveralIntegerPlaceholders", "##0.0E+0", 12345.0L, "123,5E+2"},
    {"ScientificZero", "0.00E+00", 0.0L, "0,00E+00"},
    {"ScientificHasNoSizeLimit", "0.00E+00", 1e20L, "1,00E+20"},
    {"ScientificNegative", "0.0E+0", -12345.0L, "-1,2E+4"},
    {"ScientificRoundsToSignificantDigits", "0.0E+0", 9.96L, "1,0E+1"},
    {"LetterWithoutSignIsText", "0 EUR", 5.0L, "5 EUR"},
    {"TrailingLetterIsText", "0E", 5.0L, "5E"},
    // Quoted text.
    {"DoubleQuotedText", "\"t;\"0", 3.0L, "t;3"},
    {"QuotedPlaceholdersAreText", "0' #0.,'", 3.0L, "3 #0.,"},
    {"UnclosedQuoteRunsToEnd", "0'abc", 5.0L, "5abc"},
    // Sections and sign.
    {"EmptyNegativeSectionUsesFirst", "0.0;;zero", -2.5L, "-2,5"},
    {"ZeroUsesZeroSection", "0.0;(0.0);zero", 0.0L, "zero"},
    {"NegativeZeroUsesZeroSection", "0.0;(0.0);zero", -0.0L, "zero"},
    {"ZeroWithoutZeroSection", "0.0;(0.0)", 0.0L, "0,0"},
    {"RoundedZeroCarriesNoMinus", "0.0", -0.01L, "0,0"},
    {"RoundedZeroKeepsNegativeSection", "0.0;(0.0)", -0.01L, "(0,0)"},
    {"NegativeRoundedToZeroUsesZeroSection", "0.0;(0.0);zero", -0.01L, "zero"},
    {"EmptyFirstSectionIsGeneral", ";0.0", 5.0L, "5"},
    {"FourthSectionIgnored", "0;(0);z;w", 0.0L, "z"},
    {"ZeroSectionHasOwnDigits", "0.00;;0.0", 0.0L, "0,0"},
    // Rounding basis and limits.
    {"HalfAwayOnExactTie", "0.00", 0.125L, "0,13"},
    {"HalfAwayOnExactTieNegative", "0.00", -0.125L, "-0,13"},
    // 1.005 is stored a little below; rounding works on its 18 significant digits.
    {"RoundsOnEighteenDigits", "0.00", 1.005L, "1,01"},
    {"BelowSizeLimit", "0", 999999999999999999.0L, "999999999999999999"},
    {"AtSizeLimitIsGeneral", "0", 1e18L, "1E18"},
    {"NegativeAtSizeLimitIsGeneral", "0.0;(0.0)", -1e18L, "-1E18"},
    {"InfinityIsGeneral", "0.00E+00", INFINITY, "INF"},
    {"MinusInfinityIsGeneral", "0.00", -INFINITY, "-INF"},
    {"NotANumberIsGeneral", "0.00", NAN, "NAN"},
    {"BrowserPattern", "0.####", 6.62607015e-34L, "0"},
    {"TimingPattern", "0.##", 1.234L, "1,23"},
};

class FormatPatternTest : public ::testing::TestWithParam<PatternCase> {};

TEST_P(FormatPatternTest, Writes) {
  const PatternCase& c = GetParam();
  EXPECT_EQ(FormatPattern(c.pattern, c.value), c.expected) << "pattern: " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(Table, FormatPatternTest, ::testing::ValuesIn(kPatternCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FormatPatternSeparator, DiffersFromDecimalComma) { EXPECT_NE(kThousandsSeparator, ','); }

// Every pattern is valid: odd ones must neither crash nor read out of bounds.
TEST(FormatPatternRobustness, OddPatternsGiveText) {
  const char* const patterns[] = {"'",   "\"", ";", ";;", ";;;",   "E+",   "E-",  "e",
                                  "0E+", ".",  ",", "#,", "0.E+0", "''''", "0;'", "#E+0#"};
  const long double values[] = {0.0L, -0.0L, 1.0L, -1.0L, 1e-4000L, 1e4000L, 123.456L};
  for (const char* pattern : patterns) {
    for (const long double value : values) {
      EXPECT_NO_THROW(FormatPattern(pattern, value)) << pattern;
    }
  }
  EXPECT_EQ(FormatPattern("0E+", 12345.0L), "1E+4");
}

}  // namespace
}  // namespace quorvex
