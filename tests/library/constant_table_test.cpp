#include "library/constant_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>
#include <string>

#include "common/number_text.h"

namespace quorvex {
namespace {

TEST(ConstantTableTest, SixtyFiveDistinctRowsInByteOrder) {
  const auto table = ConstantTable();
  ASSERT_EQ(table.size(), 65u);
  for (size_t i = 1; i < table.size(); ++i) {
    EXPECT_LT(table[i - 1].name, table[i].name) << "row " << i + 1;
  }
  EXPECT_EQ(table.front().name, "a");
  EXPECT_EQ(table.back().name, "yr");
}

TEST(ConstantTableTest, EveryRowIsFoundAtItsOwnIndex) {
  const auto table = ConstantTable();
  for (size_t i = 0; i < table.size(); ++i) {
    EXPECT_EQ(FindConstant(table[i].name), &table[i]) << table[i].name;
    EXPECT_EQ(FindConstantIndex(table[i].name), static_cast<int>(i)) << table[i].name;
  }
}

TEST(ConstantTableTest, EveryValueTextIsANumberInTheGeneralForm) {
  for (const ConstantRow& row : ConstantTable()) {
    const std::optional<long double> value = ParseNumber(row.value);
    ASSERT_TRUE(value.has_value()) << row.name << " " << row.value;
    // The texts are what the general form writes, so substituting them loses nothing.
    EXPECT_EQ(FormatGeneral(*value), row.value) << row.name;
    EXPECT_EQ(row.value.find('.'), std::string_view::npos) << row.name;
    EXPECT_EQ(row.value.find('+'), std::string_view::npos) << row.name;
  }
}

TEST(ConstantTableTest, CategoriesAndTheirRowCounts) {
  struct Row {
    int position;
    std::string_view code;
    std::string_view name;
    int rows;
  };
  const Row rows[] = {
      {1, "i", "Analytic Inequalities", 1},
      {2, "a", "Approximation", 4},
      {3, "as", "Astronomical", 8},
      {4, "d", "Discrete Structures", 4},
      {5, "f", "Functional Iteration", 4},
      {6, "n", "Number Theory", 17},
      {7, "p", "Physical", 16},
      {8, "w", "Well-known", 11},
  };
  std::map<std::string_view, int> counts;
  for (const ConstantRow& row : ConstantTable()) ++counts[row.category];
  ASSERT_EQ(ConstantCategories().size(), std::size(rows));
  for (const Row& row : rows) {
    const ConstantCategoryInfo& info = ConstantCategories()[row.position - 1];
    EXPECT_EQ(info.code, row.code);
    EXPECT_EQ(info.name, row.name);
    EXPECT_EQ(ConstantCategoryCode(row.position), row.code);
    EXPECT_EQ(ConstantCategoryName(row.code), row.name);
    EXPECT_EQ(counts[row.code], row.rows) << row.name;
  }
  EXPECT_EQ(counts.size(), std::size(rows)) << "a row has an unknown code";
  EXPECT_EQ(FindConstant("cyclic")->category, "i");
  EXPECT_EQ(ConstantCategoryCode(0), "");  // "All"
  EXPECT_EQ(ConstantCategoryCode(9), "");
  EXPECT_EQ(ConstantCategoryName("x"), "");
  EXPECT_EQ(ConstantCategoryName("A"), "");
}

struct ValueCase {
  std::string_view name;
  std::string_view value;
  std::string_view category;
  std::string_view description;
};

const ValueCase kValueCases[] = {
    // Single letters are constants too.
    {"a", "7,5646E-15", "p", "Returns the radiation density constant in erg/cm^3 Kelvin^4"},
    {"c", "29979245800", "p", "Returns the speed of light in cm/s"},
    {"e", "2,71828182845904", "w",
     "Returns the value of the Natural Logarithmic Base constant. Accurate to 15 digits"},
    {"g", "0,91596559417721", "w",
     "Returns the value of the Catalan's constant. Accurate to 15 digits"},
    {"h", "6,6260755E-27", "p", "Returns the Planck constant in erg seconds"},
    {"k", "2,6854520010653", "w",
     "Returns the value of the Khintchine's constant. Accurate to 15 digits"},
    {"r", "2,1798741E-11", "p", "Returns the Rydberg constant in ergs"},
    {"y", "0,57721566490153", "w",
     "Returns the value of the Euler-Mascheroni constant. Accurate to 15 digits"},
    // Look-alikes that are other constants.
    {"grav", "6,67259E-8", "p", "Returns the gravitational constant in cm^3/gram sec^2"},
    {"boltz", "1,380658E-16", "p", "Returns the Boltzmann constant in erg/Kelvin"},
    // The three forms of the value texts, and the integer-born ones.
    {"sigma", "5,67051E-5", "p",
     "Returns the Stefan-Boltzmann constant in erg/cm^2 Kelvin^4 sec. Accurate to 11 digits"},
    {"alpha", "0,00729735308", "p", "Returns the Fine Structure constant. Accurate to 12 digits"},
    {"au", "14960000000000", "as", "Returns the astronomical unit in cm"},
    {"ly", "9,463E17", "as", "Returns the light year in cm"},
    {"n_a", "6,0221367E23", "p", "Returns the Avagadro number #/mole"},
    {"r_sun", "69600000000", "as", "Returns the Solar radius in cm"},
    {"t_sun", "5780", "as", "Returns the Solar temperature in Kelvin"},
    {"yr", "31560000", "as", "Returns the number of seconds in a year"},
    {"pi", "3,14159265358979", "w",
     "Returns the value of the Archimedes' constant. Accurate to 15 digits"},
    // Windows-1252 bytes in the descriptions.
    {"apery", "1,20205690315959", "w",
     "Returns the value of the Ap\xE9ry's constant. Accurate to 15 digits"},
    {"frobin", "2,80777024202851", "n",
     "Returns the value of the Frans\xE9n-Robinson constant. Accurate to 15 digits"},
    {"oninth", "0,10765391922648", "a",
     "Returns the value of the 'One-Ninth' constant. Accurate to 15 digits"},
    {"m_e", "9,1093897E-28", "p", "Returns the mass of an electon in grams"},
};

class ConstantValueTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(ConstantValueTest, RowHoldsItsTexts) {
  const ConstantRow* row = FindConstant(GetParam().name);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->name, GetParam().name);
  EXPECT_EQ(row->value, GetParam().value);
  EXPECT_EQ(row->category, GetParam().category);
  EXPECT_EQ(row->description, GetParam().description);
}

INSTANTIATE_TEST_SUITE_P(Rows, ConstantValueTest, ::testing::ValuesIn(kValueCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Each value against the constant's definition: mathematical constants against published
// values to 30 digits and more, the physical ones against the 1986 CGS values the table is
// built from. A value may be rounded or cut at its last written digit, no more.
struct TruthCase {
  const char* name;
  long double truth;
  long double tolerance;  // in units of the last written digit, or relative when below 0
};

// One unit of the last digit of a value text such as "0,3739558136192" or "6,6260755E-27".
long double LastDigitUnit(const std::string& text) {
  const size_t e = text.find('E');
  const std::string mantissa = text.substr(0, e);
  const int exponent = e == std::string::npos ? 0 : std::stoi(text.substr(e + 1));
  const size_t comma = mantissa.find(',');
  const int decimals =
      comma == std::string::npos ? 0 : static_cast<int>(mantissa.size() - comma - 1);
  return std::pow(10.0L, exponent - decimals);
}

void PrintTo(const TruthCase& c, std::ostream* os) { *os << c.name; }

class ConstantTruthTest : public ::testing::TestWithParam<TruthCase> {};

TEST_P(ConstantTruthTest, ValueAgreesWithDefinition) {
  const TruthCase& c = GetParam();
  const ConstantRow* row = FindConstant(c.name);
  ASSERT_NE(row, nullptr) << c.name;
  const auto value = ParseNumber(row->value);
  ASSERT_TRUE(value.has_value()) << c.name;
  const long double allowed = c.tolerance < 0
                                  ? -c.tolerance * std::fabs(c.truth)
                                  : c.tolerance * LastDigitUnit(std::string(row->value));
  EXPECT_LE(std::fabs(*value - c.truth), allowed)
      << c.name << " = " << row->value << ", off by " << static_cast<double>(*value - c.truth);
}

constexpr long double kCut = 1;         // rounded or cut at the last written digit
constexpr long double kCodata = -2E-7;  // the 1986 value to its 7 or 8 digits

const TruthCase kTruths[] = {
    {"alladi", 0.80939402054063913071793188059409L, kCut},
    {"apery", 1.20205690315959428539973816151145L, kCut},
    {"artin", 0.37395581361920228805472805434642L, kCut},
    {"bhouse", 1.45607494858268967139959535111654L, kCut},
    {"bstein", 0.28016949902386913303643649123067L, kCut},
    {"conway", 1.30357726903429639125709911215255L, kCut},
    {"cyclic", 0.4945668172L, kCut},
    {"e", 2.71828182845904523536028747135266L, kCut},
    {"falpha", 2.50290787509589282228390287321822L, kCut},
    {"fdelta", 4.66920160910299067185320382046620L, kCut},
    {"frobin", 2.80777024202851936522150118655777L, kCut},
    {"g", 0.91596559417721901505460351493238L, kCut},
    {"gauss", 2.62205755429211981046483958989112L, kCut},
    {"gibbs", 1.85193705198246617036105337015799L, kCut},
    {"gkw", 0.30366300289873265859744812190156L, kCut},
    {"glaish", 1.28242712910062263687534256886979L, kCut},
    {"golomb", 0.62432998854355087099293638310083L, kCut},
    {"hardsqr", 1.50304808247533226432206632947555L, kCut},
    {"hsm", 0.35323637185499598454351655043268L, kCut},
    {"k", 2.68545200106530644530971483548180L, kCut},
    {"landau", 0.76422365358922066299069873125009L, kCut},
    {"lehmer", 0.59263271820163619710407860L, kCut},
    {"lengyel", 1.09868580552518701L, kCut},
    {"llimit", 0.66274341934918158097474209710925L, kCut},
    {"loga", 0.69314718055994530941723212145818L, kCut},
    {"mert", 0.26149721284764278375542683860870L, kCut},
    {"mills", 1.30637788386308069046861449260261L, kCut},
    {"niven", 1.70521114010536776428855145343451L, kCut},
    {"oninth", 0.10765391922648457661532344509094L, kCut},
    {"phi", 1.61803398874989484820458683436564L, kCut},
    {"pi", 3.14159265358979323846264338327950L, kCut},
    {"porter", 1.46707807943397547289779848470722L, kCut},
    {"pyth", 1.41421356237309504880168872420970L, kCut},
    {"soldner", 1.45136923488338105028396848589202L, kCut},
    // (4/3)^(3/2)
    {"sqrice", 1.53960071783900203869106341467188L, kCut},
    {"stolar", 0.8125565590160063L, kCut},
    {"twinp", 0.66016181584686957392781211001456L, kCut},
    {"y", 0.57721566490153286060651209008240L, kCut},
    {"alpha", 0.00729735308L, kCodata},
    {"amu", 1.6605402E-24L, kCodata},
    {"boltz", 1.380658E-16L, kCodata},
    {"c", 29979245800.0L, kCodata},
    {"elec", 4.8032068E-10L, kCodata},
    // 1,60217733E-19 C in ergs per volt
    {"ev", 1.60217733E-12L, kCodata},
    {"grav", 6.67259E-8L, kCodata},
    {"h", 6.6260755E-27L, kCodata},
    {"m_e", 9.1093897E-28L, kCodata},
    {"m_n", 1.6749286E-24L, kCodata},
    {"m_p", 1.6726231E-24L, kCodata},
    {"n_a", 6.0221367E23L, kCodata},
    // 13,6056981 eV
    {"r", 2.1798741E-11L, kCodata},
    {"sigma", 5.67051E-5L, kCodata},
};

INSTANTIATE_TEST_SUITE_P(Definitions, ConstantTruthTest, ::testing::ValuesIn(kTruths),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ConstantTableTest, DescriptionsAreWindows1252) {
  // Only the two é bytes lie outside ASCII; no UTF-8 sequence slipped in.
  std::set<std::string_view> with_high_bytes;
  for (const ConstantRow& row : ConstantTable()) {
    for (unsigned char ch : row.description) {
      if (ch >= 0x80) {
        EXPECT_EQ(ch, 0xE9) << row.name;
        with_high_bytes.insert(row.name);
      }
    }
    EXPECT_FALSE(row.description.empty()) << row.name;
  }
  EXPECT_EQ(with_high_bytes, (std::set<std::string_view>{"apery", "frobin"}));
}

TEST(ConstantTableTest, LookupIsExactAndCaseSensitive) {
  struct Row {
    const char* why;
    std::string_view text;
  };
  const Row rows[] = {
      {"capital first letter", "Pi"},
      {"all capitals", "PI"},
      {"leading blank", " pi"},
      {"trailing blank", "pi "},
      {"x is no constant", "x"},
      {"ans is no constant", "ans"},
      {"prefix of a name", "l_su"},
      {"longer than a name", "pis"},
      {"empty text", ""},
      {"capital single letter", "E"},
      {"embedded nul", std::string_view("pi\0", 3)},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(FindConstant(row.text), nullptr) << row.why;
    EXPECT_EQ(FindConstantIndex(row.text), -1) << row.why;
  }
}

TEST(ConstantTableTest, FormulaLineRoundsToFourDecimals) {
  struct Row {
    std::string_view name;
    std::string_view line;
  };
  const Row rows[] = {
      {"pi", "pi = 3,1416..."},
      {"e", "e = 2,7183..."},
      {"a", "a = 0..."},
      {"sigma", "sigma = 0,0001..."},
      {"c", "c = 29979245800..."},
      {"ly", "ly = 946300000000000000..."},
      {"pc", "pc = 3,086E18..."},
      {"l_sun", "l_sun = 3,9E33..."},
      {"t_sun", "t_sun = 5780..."},
      {"brun", "brun = 1,9022..."},
  };
  for (const Row& row : rows) {
    const ConstantRow* constant = FindConstant(row.name);
    ASSERT_NE(constant, nullptr) << row.name;
    EXPECT_EQ(ConstantFormulaLine(*constant), row.line);
  }
}

}  // namespace
}  // namespace quorvex
