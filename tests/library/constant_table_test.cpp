#include "library/constant_table.h"

#include <gtest/gtest.h>

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
