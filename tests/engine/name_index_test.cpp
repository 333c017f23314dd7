// The engine's name index against the tables' own first-match scans, over every name of both
// tables and near misses of them.
#include "engine/name_index.h"

#include <gtest/gtest.h>

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "library/constant_table.h"
#include "library/function_table.h"
#include "tests/support/row_name.h"

namespace quorvex {
namespace {

using testing_support::RowName;

// A name and the texts one edit away from it: cut short, extended, another case.
std::vector<std::string> NameAndNearMisses(std::string_view row_name) {
  const std::string name(row_name);
  std::string upper = name;
  for (char& c : upper) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
  return {name, name.substr(0, name.size() - 1), name + "2", upper};
}

class ConstantName : public testing::TestWithParam<size_t> {};

TEST_P(ConstantName, AndItsNearMissesFindTheSameRowAsTheTable) {
  const NameIndex<ConstantRow> index(ConstantTable());
  for (const std::string& name : NameAndNearMisses(ConstantTable()[GetParam()].name)) {
    EXPECT_EQ(index.Find(name), FindConstant(name)) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryRow, ConstantName, testing::Range<size_t>(0, ConstantTable().size()),
                         [](const testing::TestParamInfo<size_t>& info) {
                           return RowName(info.param, ConstantTable()[info.param].name);
                         });

class FunctionName : public testing::TestWithParam<size_t> {};

TEST_P(FunctionName, AndItsNearMissesFindTheSameRowAsTheTable) {
  const NameIndex<FunctionRow> index(FunctionTable());
  for (const std::string& name : NameAndNearMisses(FunctionTable()[GetParam()].name)) {
    EXPECT_EQ(index.Find(name), FindFunction(name)) << name;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryRow, FunctionName, testing::Range<size_t>(0, FunctionTable().size()),
                         [](const testing::TestParamInfo<size_t>& info) {
                           return RowName(info.param, FunctionTable()[info.param].name);
                         });

// Texts that are no name of either table, or only the start of one.
struct OddName {
  const char* what;
  const char* text;
};

class OddNameLookup : public testing::TestWithParam<OddName> {};

TEST_P(OddNameLookup, FindsTheSameRowsAsTheTables) {
  const std::string name = GetParam().text;
  EXPECT_EQ(NameIndex<ConstantRow>(ConstantTable()).Find(name), FindConstant(name));
  EXPECT_EQ(NameIndex<FunctionRow>(FunctionTable()).Find(name), FindFunction(name));
}

const OddName kOddNames[] = {
    {"EmptyText", ""}, {"TheVariableX", "x"},     {"TheAnswerName", "ans"},  {"AnOperator", "("},
    {"ADigit", "2"},   {"ADelCharacter", "\x7F"}, {"ALatin1Letter", "\xE9"},
};

INSTANTIATE_TEST_SUITE_P(Rows, OddNameLookup, testing::ValuesIn(kOddNames),
                         [](const auto& info) { return std::string(info.param.what); });

struct NamedRow {
  std::string_view name;
  int id;
};

struct FirstRowCase {
  const char* what;
  const char* name;
  int id;  // 0: none
};

class FirstOfRowsWithTheSameName : public testing::TestWithParam<FirstRowCase> {};

TEST_P(FirstOfRowsWithTheSameName, IsTheOneFound) {
  const NamedRow rows[] = {{"pi", 1}, {"p", 2}, {"pi", 3}, {"", 4}, {"", 5}, {"q", 6}};
  const NameIndex<NamedRow> index{std::span<const NamedRow>(rows)};
  const FirstRowCase& c = GetParam();
  const NamedRow* row = index.Find(c.name);
  EXPECT_EQ(row == nullptr ? 0 : row->id, c.id) << c.name;
}

const FirstRowCase kFirstRowCases[] = {
    {"RepeatedNameGivesTheFirstRow", "pi", 1},    {"PrefixOfARepeatedNameIsItsOwnRow", "p", 2},
    {"RepeatedEmptyNameGivesTheFirstRow", "", 4}, {"NameAfterTheRepeatsIsFound", "q", 6},
    {"LongerThanEveryNameIsNotFound", "pix", 0},  {"NameOfNoRowIsNotFound", "r", 0},
};

INSTANTIATE_TEST_SUITE_P(Rows, FirstOfRowsWithTheSameName, testing::ValuesIn(kFirstRowCases),
                         [](const auto& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace quorvex
