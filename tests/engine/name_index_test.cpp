// The engine's name index against the tables' own first-match scans, over every name of both
// tables and near misses of them.
#include "engine/name_index.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "library/constant_table.h"
#include "library/function_table.h"

namespace quorvex {
namespace {

// Every name, and the texts one edit away from it: cut short, extended, another case.
template <typename Row>
std::vector<std::string> NamesAndNearMisses(std::span<const Row> rows) {
  std::vector<std::string> names = {"", "x", "ans", "(", "2", "\x7F", "\xE9"};
  for (const Row& row : rows) {
    const std::string name(row.name);
    names.push_back(name);
    names.push_back(name.substr(0, name.size() - 1));
    names.push_back(name + "2");
    std::string upper = name;
    for (char& c : upper) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    names.push_back(upper);
  }
  return names;
}

TEST(NameIndex, FindsTheSameConstantRowAsTheTable) {
  const NameIndex<ConstantRow> index(ConstantTable());
  for (const std::string& name : NamesAndNearMisses(ConstantTable())) {
    EXPECT_EQ(index.Find(name), FindConstant(name)) << name;
  }
}

TEST(NameIndex, FindsTheSameFunctionRowAsTheTable) {
  const NameIndex<FunctionRow> index(FunctionTable());
  for (const std::string& name : NamesAndNearMisses(FunctionTable())) {
    EXPECT_EQ(index.Find(name), FindFunction(name)) << name;
  }
}

struct NamedRow {
  std::string_view name;
  int id;
};

TEST(NameIndex, ReturnsTheFirstOfRowsWithTheSameName) {
  const NamedRow rows[] = {{"pi", 1}, {"p", 2}, {"pi", 3}, {"", 4}, {"", 5}, {"q", 6}};
  const NameIndex<NamedRow> index{std::span<const NamedRow>(rows)};
  const struct {
    const char* name;
    int id;  // 0: none
  } cases[] = {{"pi", 1}, {"p", 2}, {"", 4}, {"q", 6}, {"pix", 0}, {"r", 0}};
  for (const auto& c : cases) {
    const NamedRow* row = index.Find(c.name);
    EXPECT_EQ(row == nullptr ? 0 : row->id, c.id) << c.name;
  }
}

}  // namespace
}  // namespace quorvex
