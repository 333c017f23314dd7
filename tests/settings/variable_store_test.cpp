#include "settings/variable_store.h"

#include <gtest/gtest.h>

#include "common/line_file.h"
#include "settings/messages.h"
#include "support/temp_dir.h"

namespace quorvex {
namespace {

using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;
using Lines = std::vector<std::string>;

struct LoadCase {
  const char* name;
  std::string_view vard;
  std::string_view vara;
  Lines declarations;
  Lines assignments;
};

const LoadCase kLoadCases[] = {
    {"FinalCrLfAddsNoEntry", "a\r\nb\r\n", "1\r\n2+a\r\n", {"a", "b"}, {"1", "2+a"}},
    {"NoFinalCrLfSameLists", "a\r\nb", "1\r\n2+a", {"a", "b"}, {"1", "2+a"}},
    {"EmptyLinesInsideAreEntries",
     "a\r\n\r\nb\r\n",
     "\r\n\r\n3\r\n",
     {"a", "", "b"},
     {"", "", "3"}},
    {"EmptyFilesGiveEmptyLists", "", "", {}, {}},
    {"LoneLineEndIsOneEmptyEntry", "\r\n", "", {""}, {}},
    {"ListsMayDifferInLength", "a\r\nb\r\nc\r\n", "1\r\n2\r\n", {"a", "b", "c"}, {"1", "2"}},
    {"LinesKeptAsTyped", " A b \r\n", "  sin[x] ;\r\n", {" A b "}, {"  sin[x] ;"}},
};

class VariableLoadTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(VariableLoadTest, ReadingReplacesBothLists) {
  TempDir dir;
  WriteBytes(dir.File("bin/vard.ini"), GetParam().vard);
  WriteBytes(dir.File("bin/vara.ini"), GetParam().vara);
  VariableStore store;
  store.declarations = {"old1", "old2", "old3", "old4"};
  store.assignments = {"9", "8", "7", "6", "5"};
  ASSERT_TRUE(LoadVariableStore(DataDir(dir.path()), store));
  EXPECT_EQ(store.declarations, GetParam().declarations);
  EXPECT_EQ(store.assignments, GetParam().assignments);
}

INSTANTIATE_TEST_SUITE_P(Files, VariableLoadTest, ::testing::ValuesIn(kLoadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(VariableStoreTest, EitherMissingFileFailsAndLeavesStore) {
  for (const char* present : {"bin/vard.ini", "bin/vara.ini", ""}) {
    TempDir dir;
    if (*present != '\0') WriteBytes(dir.File(present), "new\r\n");
    VariableStore store;
    store.declarations = {"a"};
    store.assignments = {"1"};
    const VariableStore before = store;
    EXPECT_FALSE(LoadVariableStore(DataDir(dir.path()), store)) << "present: " << present;
    EXPECT_EQ(store, before) << "present: " << present;
  }
}

TEST(VariableStoreTest, SaveWritesOneCrLfLinePerEntry) {
  TempDir dir;
  const DataDir data(dir.path());
  std::filesystem::create_directories(data.File("bin"));
  VariableStore store;
  store.declarations = {"a", "", "b"};
  store.assignments = {"2*pi"};
  SaveVariableStore(data, store);
  EXPECT_EQ(ReadBytes(data.File(kDeclarationsFile)), "a\r\n\r\nb\r\n");
  EXPECT_EQ(ReadBytes(data.File(kAssignmentsFile)), "2*pi\r\n");

  VariableStore loaded;
  ASSERT_TRUE(LoadVariableStore(data, loaded));
  EXPECT_EQ(loaded, store);

  SaveVariableStore(data, VariableStore{});
  EXPECT_EQ(ReadBytes(data.File(kDeclarationsFile)), "");
  EXPECT_EQ(ReadBytes(data.File(kAssignmentsFile)), "");
}

TEST(VariableStoreTest, SaveIntoMissingDirectoryThrows) {
  TempDir dir;
  EXPECT_THROW(SaveVariableStore(DataDir(dir.File("nowhere")), VariableStore{}), FileWriteError);
}

TEST(VariableStoreTest, FindTakesTheFirstEqualNameExactly) {
  VariableStore store;
  store.declarations = {"a", "b", "a", "", "B"};
  store.assignments = {"1", "2", "3"};
  struct Row {
    const char* why;
    std::string_view name;
    int index;
    std::string_view assignment;
  };
  const Row rows[] = {
      {"first of two equal names wins", "a", 0, "1"},
      {"plain hit", "b", 1, "2"},
      {"case sensitive", "B", 4, ""},
      {"empty name is a line too", "", 3, ""},
      {"no trimming", " a", -1, ""},
      {"no prefix match", "ab", -1, ""},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(store.Find(row.name), row.index) << row.why;
    EXPECT_EQ(store.Assignment(row.index), row.assignment) << row.why;
  }
  EXPECT_EQ(store.Assignment(2), "3");
  EXPECT_EQ(store.Assignment(1000), "");
}

struct ValidateCase {
  const char* name;
  Lines declarations;
  std::optional<std::string> message;
};

const ValidateCase kValidateCases[] = {
    {"AnsOnSecondLine", {"a1", "ans", "b"}, "Error: Declaration line[2]. 'ans' is used by Quorvex"},
    {"XRefused", {"x"}, "Error: Declaration line[1]. 'x' is used by Quorvex"},
    {"ConstantRefused", {"v", "w", "pi"}, "Error: Declaration line[3]. 'pi' is used by Quorvex"},
    {"SingleLetterConstantRefused", {"g"}, "Error: Declaration line[1]. 'g' is used by Quorvex"},
    {"FunctionRefused", {"sin"}, "Error: Declaration line[1]. 'sin' is used by Quorvex"},
    {"FirstRefusedLineReported",
     {"ok", "log", "ans"},
     "Error: Declaration line[2]. 'log' is used by Quorvex"},
    {"CaseSensitiveAccepted", {"Pi", "ANS", "X", "SIN"}, std::nullopt},
    {"EmptyAndDuplicateAccepted", {"", "v", "v", "1,5", "two words"}, std::nullopt},
    {"BlanksAroundReservedAccepted", {" ans", "x "}, std::nullopt},
    {"EmptyStoreAccepted", {}, std::nullopt},
};

class ValidateTest : public ::testing::TestWithParam<ValidateCase> {};

TEST_P(ValidateTest, FirstReservedLineGivesItsMessage) {
  VariableStore store;
  store.declarations = GetParam().declarations;
  store.assignments = {"ans", "x", "sin"};  // never examined
  EXPECT_EQ(ValidateDeclarations(store), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Declarations, ValidateTest, ::testing::ValuesIn(kValidateCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(VariableStoreTest, WizardAppendsToEachListSeparately) {
  VariableStore store;
  store.declarations = {"a", "b", "c"};
  store.assignments = {"1", "2"};
  AppendVariable(store, "d", "4");
  EXPECT_EQ(store.declarations, (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(store.assignments, (Lines{"1", "2", "4"}));
  // The new expression lands at the third variable; the new one has none.
  EXPECT_EQ(store.Assignment(store.Find("c")), "4");
  EXPECT_EQ(store.Assignment(store.Find("d")), "");

  VariableStore empty;
  AppendVariable(empty, "v", "2+3");
  EXPECT_EQ(empty.declarations, (Lines{"v"}));
  EXPECT_EQ(empty.assignments, (Lines{"2+3"}));
}

TEST(VariableStoreTest, MessagesOfTheStartUp) {
  EXPECT_EQ(CouldNotOpenMessage(kGraphFile), "Quorvex could not find or open 'bin/graph.ini'");
  EXPECT_EQ(kVariableFilesMessage,
            "Quorvex could not find or open 'bin/vara.ini' or 'bin/vard.ini'");
  EXPECT_EQ(kWillBeClosed, "Quorvex will now be closed");
}

}  // namespace
}  // namespace quorvex
