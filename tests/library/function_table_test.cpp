#include "library/function_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tests/support/row_name.h"

namespace quorvex {
namespace {

using testing_support::RowName;

struct ExpectedRow {
  std::string_view name;
  int param_count;
  std::string_view category;
};

// The table in its order, as the functions browser and the lookup see it.
constexpr ExpectedRow kExpected[] = {
    {"!", 1, "p"},         {"abs", 1, "m"},      {"acirc", 1, "g"},     {"acos", 1, "t"},
    {"acosh", 1, "t"},     {"acot", 1, "t"},     {"acoth", 1, "t"},     {"acsc", 1, "t"},
    {"acsch", 1, "t"},     {"asec", 1, "t"},     {"asech", 1, "t"},     {"asin", 1, "t"},
    {"asinh", 1, "t"},     {"asphr", 1, "g"},    {"asqr", 1, "g"},      {"atan", 1, "t"},
    {"atanh", 1, "t"},     {"ccirc", 1, "g"},    {"ceil", 1, "m"},      {"cel>fah", 1, "cu"},
    {"cel>kel", 1, "cu"},  {"cel>ran", 1, "cu"}, {"cel>rea", 1, "cu"},  {"cos", 1, "t"},
    {"cosh", 1, "t"},      {"cot", 1, "t"},      {"coth", 1, "t"},      {"csc", 1, "t"},
    {"csch", 1, "t"},      {"cyc>deg", 1, "c"},  {"cyc>gra", 1, "c"},   {"cyc>rad", 1, "c"},
    {"dcount", 1, "mi"},   {"deg>cyc", 1, "c"},  {"deg>gra", 1, "c"},   {"deg>rad", 1, "c"},
    {"even", 1, "mi"},     {"exp", 1, "m"},      {"fah>cel", 1, "cu"},  {"fah>kel", 1, "cu"},
    {"fah>ran", 1, "cu"},  {"fah>rea", 1, "cu"}, {"feet>met", 1, "cu"}, {"fibo", 1, "mi"},
    {"floor", 1, "m"},     {"frac", 1, "m"},     {"gra>cyc", 1, "c"},   {"gra>deg", 1, "c"},
    {"gra>rad", 1, "c"},   {"int", 1, "m"},      {"kel>cel", 1, "cu"},  {"kel>fah", 1, "cu"},
    {"kel>ran", 1, "cu"},  {"kel>rea", 1, "cu"}, {"ln", 1, "m"},        {"luca", 1, "mi"},
    {"met>feet", 1, "cu"}, {"not", 1, "b"},      {"odd", 1, "mi"},      {"prime", 1, "mi"},
    {"primepi", 1, "mi"},  {"rad>cyc", 1, "c"},  {"rad>deg", 1, "c"},   {"rad>gra", 1, "c"},
    {"ran>cel", 1, "cu"},  {"ran>fah", 1, "cu"}, {"ran>kel", 1, "cu"},  {"ran>rea", 1, "cu"},
    {"rand", 1, "p"},      {"rea>cel", 1, "cu"}, {"rea>fah", 1, "cu"},  {"rea>kel", 1, "cu"},
    {"rea>ran", 1, "cu"},  {"rec", 1, "m"},      {"sec", 1, "t"},       {"sech", 1, "t"},
    {"sign", 1, "m"},      {"sin", 1, "t"},      {"sinh", 1, "t"},      {"sqrt", 1, "m"},
    {"tan", 1, "t"},       {"tanh", 1, "t"},     {"vcube", 1, "g"},     {"vsphr", 1, "g"},
    {"=", 2, "r"},         {"<>", 2, "r"},       {">", 2, "r"},         {"<", 2, "r"},
    {">=", 2, "r"},        {"<=", 2, "r"},       {"acone", 2, "g"},     {"aelip", 2, "g"},
    {"and", 2, "b"},       {"apoly", 2, "g"},    {"arect", 2, "g"},     {"atanxy", 2, "t"},
    {"atria", 2, "g"},     {"celip", 2, "g"},    {"div", 2, "mi"},      {"gcd", 2, "mi"},
    {"lcm", 2, "mi"},      {"log", 2, "m"},      {"lsh", 2, "b"},       {"hypot", 2, "m"},
    {"mod", 2, "m"},       {"nand", 2, "b"},     {"ncr", 2, "p"},       {"nor", 2, "b"},
    {"npr", 2, "p"},       {"or", 2, "b"},       {"randg", 2, "p"},     {"randr", 2, "p"},
    {"round", 2, "m"},     {"rsh", 2, "b"},      {"vcone", 2, "g"},     {"vcyl", 2, "g"},
    {"xnor", 2, "b"},      {"xor", 2, "b"},      {"yrtx", 2, "m"},      {"aseq", 3, "m"},
    {"atrap", 3, "g"},     {"gseq", 3, "m"},     {"slndep", 3, "f"},    {"velip", 3, "g"},
    {"vpyra", 3, "g"},     {"vrect", 3, "g"},    {"ddbal", 4, "f"},     {"efut", 4, "f"},
    {"eirate", 4, "f"},    {"epay", 4, "f"},     {"eper", 4, "f"},      {"epval", 4, "f"},
    {"sfut", 4, "f"},      {"sirate", 4, "f"},   {"spay", 4, "f"},      {"sper", 4, "f"},
    {"spval", 4, "f"},     {"syddep", 4, "f"},   {"eipay", 5, "f"},     {"eppay", 5, "f"},
    {"sipay", 5, "f"},     {"sppay", 5, "f"},    {"ave", 0, "s"},       {"count", 0, "s"},
    {"max", 0, "s"},       {"med", 0, "s"},      {"min", 0, "s"},       {"norm", 0, "s"},
    {"psdev", 0, "s"},     {"pvar", 0, "s"},     {"sdev", 0, "s"},      {"sum", 0, "s"},
    {"sumsq", 0, "s"},     {"svar", 0, "s"},     {"var", 0, "s"},
};

TEST(FunctionTableTest, HoldsEveryExpectedRow) {
  ASSERT_EQ(FunctionTable().size(), std::size(kExpected));
}

// Each row in its place, found by its own name, and a name the tokenizer reads as one name.
class FunctionTableRow : public testing::TestWithParam<size_t> {};

TEST_P(FunctionTableRow, MatchesItsPlaceAndIsFoundByItsName) {
  const size_t i = GetParam();
  const auto table = FunctionTable();
  ASSERT_LT(i, table.size());
  const FunctionRow& row = table[i];
  EXPECT_EQ(row.name, kExpected[i].name);
  EXPECT_EQ(row.param_count, kExpected[i].param_count);
  EXPECT_EQ(row.category, kExpected[i].category);
  EXPECT_FALSE(row.description.empty());
  EXPECT_NE(row.impl, nullptr);
  EXPECT_EQ(FindFunction(row.name), &row);
  EXPECT_EQ(row.name.find_first_of("0123456789,.+-*/^()[];"), std::string_view::npos);
}

INSTANTIATE_TEST_SUITE_P(EveryRow, FunctionTableRow,
                         testing::Range<size_t>(0, std::size(kExpected)),
                         [](const testing::TestParamInfo<size_t>& info) {
                           return RowName(info.param, kExpected[info.param].name);
                         });

TEST(FunctionTableTest, CountsPerCategoryAndParameterCount) {
  std::map<std::string_view, int> per_category;
  std::map<int, int> per_count;
  for (const FunctionRow& row : FunctionTable()) {
    ++per_category[row.category];
    ++per_count[row.param_count];
  }
  const std::map<std::string_view, int> want_category = {
      {"b", 9},  {"c", 12}, {"cu", 22}, {"f", 17}, {"g", 18}, {"mi", 10},
      {"m", 17}, {"p", 6},  {"r", 6},   {"s", 13}, {"t", 25}};
  const std::map<int, int> want_count = {{1, 84}, {2, 35}, {3, 7}, {4, 12}, {5, 4}, {0, 13}};
  EXPECT_EQ(per_category, want_category);
  EXPECT_EQ(per_count, want_count);
}

TEST(FunctionTableTest, NamesAreDistinct) {
  std::set<std::string_view> seen;
  for (const FunctionRow& row : FunctionTable()) {
    EXPECT_TRUE(seen.insert(row.name).second) << "duplicate " << row.name;
  }
}

struct MissCase {
  const char* what;
  std::string_view name;
};

class FunctionLookupMiss : public testing::TestWithParam<MissCase> {};

TEST_P(FunctionLookupMiss, FindsNoRow) { EXPECT_EQ(FindFunction(GetParam().name), nullptr); }

const MissCase kMisses[] = {{"UnknownName", "foo"},     {"CapitalLetter", "Sin"},
                            {"NumberToken", "2"},       {"EmptyName", ""},
                            {"PrefixOfAName", "si"},    {"NameWithBlank", "sin "},
                            {"HalfOfAUnitPair", "cel>"}};

INSTANTIATE_TEST_SUITE_P(Rows, FunctionLookupMiss, testing::ValuesIn(kMisses),
                         [](const auto& info) { return std::string(info.param.what); });

TEST(FunctionTableTest, LookupFindsTheLastRowAndARelation) {
  ASSERT_NE(FindFunction("var"), nullptr);
  EXPECT_EQ(FindFunction("var"), &FunctionTable().back());
  ASSERT_NE(FindFunction(">="), nullptr);
  EXPECT_EQ(FindFunction(">=")->param_count, 2);
}

struct CategoryCase {
  std::string_view code;
  std::string_view name;
};

// The categories in browser order.
constexpr CategoryCase kCategories[] = {
    {"b", "Bitwise Operators"}, {"c", "Conversion (Trig)"}, {"cu", "Conversion (Unit)"},
    {"f", "Financial"},         {"g", "Geometric"},         {"mi", "Math (Integer)"},
    {"m", "Math (Real)"},       {"p", "Probability"},       {"r", "Relational Operators"},
    {"s", "Statistic"},         {"t", "Trigonometric"}};

TEST(FunctionTableTest, HoldsEveryCategory) {
  ASSERT_EQ(FunctionCategories().size(), std::size(kCategories));
}

class FunctionCategory : public testing::TestWithParam<size_t> {};

TEST_P(FunctionCategory, HasItsPlaceAndName) {
  const size_t i = GetParam();
  const auto categories = FunctionCategories();
  ASSERT_LT(i, categories.size());
  EXPECT_EQ(categories[i].code, kCategories[i].code);
  EXPECT_EQ(categories[i].name, kCategories[i].name);
  EXPECT_EQ(FunctionCategoryName(kCategories[i].code), kCategories[i].name);
}

INSTANTIATE_TEST_SUITE_P(BrowserOrder, FunctionCategory,
                         testing::Range<size_t>(0, std::size(kCategories)),
                         [](const testing::TestParamInfo<size_t>& info) {
                           return RowName(info.param, kCategories[info.param].name);
                         });

TEST(FunctionTableTest, UnknownCategoryCodesHaveNoName) {
  EXPECT_EQ(FunctionCategoryName("x"), "");
  EXPECT_EQ(FunctionCategoryName("M"), "");
}

struct DescriptionCase {
  const char* what;
  std::string_view name;
  std::string_view description;
};

class FunctionDescriptionByName : public testing::TestWithParam<DescriptionCase> {};

TEST_P(FunctionDescriptionByName, KeepsWindows1252Bytes) {
  EXPECT_EQ(FunctionDescription(GetParam().name), GetParam().description);
}

const DescriptionCase kDescriptions[] = {
    {"FirstRow", "!", "Returns the factorial of n1"},
    {"EAcuteInTheMiddle", "cel>rea",
     "Converts n1 measurement in Celsius into R\xE9"
     "aumur"},
    {"EAcuteBeforeTheUnitPair", "rea>ran",
     "Converts n1 measurement in R\xE9"
     "aumur into Rankine"},
    {"RightQuoteByte", "round",
     "Rounds n1 to a specified digit (n2) or power of ten using 'Banker\x92"
     "s rounding'"},
    {"RelationName",
     "<=", "Returns 1 (true) if n1 is less or equal to n2, else it returns 0 (false)"},
    {"LastRow", "var", "Returns the statistical sample variance from an array"},
    {"UnknownNameHasNone", "nosuch", ""},
};

INSTANTIATE_TEST_SUITE_P(Rows, FunctionDescriptionByName, testing::ValuesIn(kDescriptions),
                         [](const auto& info) { return std::string(info.param.what); });

struct FormulaCase {
  const char* what;
  std::string_view name;
  std::string line;
};

class FormulaLineOf : public testing::TestWithParam<FormulaCase> {};

TEST_P(FormulaLineOf, NamesEveryParameter) {
  const FormulaCase& c = GetParam();
  const FunctionRow* row = FindFunction(c.name);
  ASSERT_NE(row, nullptr) << c.name;
  EXPECT_EQ(FormulaLine(*row), c.line);
}

const FormulaCase kFormulas[] = {{"OneParameter", "vcube", "vcube[n1]"},
                                 {"TwoParameters", "log", "log[n1;n2]"},
                                 {"ThreeParameters", "aseq", "aseq[n1;n2;n3]"},
                                 {"FourParameters", "ddbal", "ddbal[n1;n2;n3;n4]"},
                                 {"FiveParameters", "eipay", "eipay[n1;n2;n3;n4;n5]"},
                                 {"AnArray", "var", "var[n1;n2;...]"},
                                 {"AUnitPair", "cel>fah", "cel>fah[n1]"}};

INSTANTIATE_TEST_SUITE_P(Rows, FormulaLineOf, testing::ValuesIn(kFormulas),
                         [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace quorvex

namespace quorvex {
namespace {

TEST(FunctionTableState, OnlyTheRandomFunctionsDependOnMoreThanTheirParameters) {
  std::vector<std::string> drawing;
  for (const FunctionRow& row : FunctionTable()) {
    if (DrawsRandomNumbers(row)) drawing.emplace_back(row.name);
  }
  EXPECT_EQ(drawing, (std::vector<std::string>{"rand", "randg", "randr"}));
}

}  // namespace
}  // namespace quorvex
