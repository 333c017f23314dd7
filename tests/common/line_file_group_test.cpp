// A group of files that changes together, read back from every state that a save passes
// through: a save stopped at any point reads as the old group or the new one, never a mix, and
// the next save starts cleanly from there.
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "common/line_file.h"
#include "gtest/gtest.h"
#include "support/temp_dir.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

std::vector<std::string> Names(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

using Group = std::vector<std::vector<std::string>>;

const Group kOld = {{"a", "b"}, {"1", "2"}};
const Group kNew = {{"b", "a", "c"}, {"2", "1", "3"}};

// What lies on disk when a save stops: each file old or new, its staged copy, the commit file.
struct StopCase {
  const char* name;
  bool first_staged;
  bool second_staged;
  bool committed;
  bool first_moved;
  bool second_moved;
  const Group* reads;
};

void PrintTo(const StopCase& row, std::ostream* out) { *out << row.name; }

const StopCase kStops[] = {
    {"BeforeAnything", false, false, false, false, false, &kOld},
    {"FirstStaged", true, false, false, false, false, &kOld},
    {"BothStagedNoCommit", true, true, false, false, false, &kOld},
    {"Committed", true, true, true, false, false, &kNew},
    {"CommittedFirstMoved", false, true, true, true, false, &kNew},
    {"CommittedBothMoved", false, false, true, true, true, &kNew},
    {"Done", false, false, false, true, true, &kNew},
};

std::string Bytes(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + "\r\n";
  return bytes;
}

class GroupStopTest : public ::testing::TestWithParam<StopCase> {};

TEST_P(GroupStopTest, ReadsOneWholeGroupAndSavesOnFromIt) {
  TempDir dir;
  const StopCase& stop = GetParam();
  const fs::path first = dir.path() / "vard.ini";
  const fs::path second = dir.path() / "vara.ini";
  const fs::path commit = dir.path() / "vars.commit";
  WriteBytes(first, Bytes(stop.first_moved ? kNew[0] : kOld[0]));
  WriteBytes(second, Bytes(stop.second_moved ? kNew[1] : kOld[1]));
  if (stop.first_staged) WriteBytes(dir.path() / "vard.ini.new", Bytes(kNew[0]));
  if (stop.second_staged) WriteBytes(dir.path() / "vara.ini.new", Bytes(kNew[1]));
  if (stop.committed) WriteBytes(commit, "");

  EXPECT_EQ(ReadLineFileGroup({first, second}, commit), *stop.reads);

  const Group next = {{"z"}, {"26"}};
  WriteLineFileGroup({{first, next[0]}, {second, next[1]}}, commit);
  EXPECT_EQ(ReadLineFileGroup({first, second}, commit), next);
  EXPECT_EQ(ReadLineFile(first), next[0]);
  EXPECT_EQ(ReadLineFile(second), next[1]);
  EXPECT_EQ(Names(dir.path()), (std::vector<std::string>{"vara.ini", "vard.ini"}));
}

INSTANTIATE_TEST_SUITE_P(EveryStop, GroupStopTest, ::testing::ValuesIn(kStops),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GroupWrite, AFolderInPlaceOfTheSecondMemberFailsBeforeAnythingChanges) {
  TempDir dir;
  WriteBytes(dir.path() / "vard.ini", "a\r\n");
  fs::create_directories(dir.path() / "vara.ini" / "inside");
  EXPECT_THROW(
      WriteLineFileGroup({{dir.path() / "vard.ini", {"b"}}, {dir.path() / "vara.ini", {"2"}}},
                         dir.path() / "vars.commit"),
      FileWriteError);
  EXPECT_EQ(ReadLineFile(dir.path() / "vard.ini"), std::vector<std::string>{"a"});
  EXPECT_EQ(Names(dir.path()), (std::vector<std::string>{"vara.ini", "vard.ini"}));
}

TEST(GroupRead, MissingMemberFailsTheGroup) {
  TempDir dir;
  WriteBytes(dir.path() / "vard.ini", "a\r\n");
  EXPECT_FALSE(ReadLineFileGroup({dir.path() / "vard.ini", dir.path() / "vara.ini"},
                                 dir.path() / "vars.commit")
                   .has_value());
}

}  // namespace
}  // namespace quorvex
