// What stands in place of a data file, and who else uses the folder: anything but a regular file
// of a sane size is reported at start-up with the usual two messages, without waiting or running
// out of memory, and a second window on a folder is turned away before it can overwrite what the
// first saves, while scripts still read beside it.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "app/calculator.h"
#include "gtest/gtest.h"
#include "settings/expression_log.h"
#include "settings/messages.h"
#include "support/odd_files.h"
#include "support/temp_workdir.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using testing_support::kOddKinds;
using testing_support::OddKind;
using testing_support::TempWorkdir;

class RecordingNotifier : public Notifier {
 public:
  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  void ShowErrorReport(std::string_view text) override { reports.emplace_back(text); }
  std::vector<std::string> messages;
  std::vector<std::string> reports;
};

// A read that blocks ends the test binary instead of hanging it.
class Watchdog {
 public:
  Watchdog() { ::alarm(20); }
  ~Watchdog() { ::alarm(0); }
};

struct StartUpFile {
  const char* name;
  std::string_view file;
  std::string message;
};

void PrintTo(const StartUpFile& row, std::ostream* out) { *out << row.name; }

const StartUpFile kStartUpFiles[] = {
    {"General", kGeneralFile, CouldNotOpenMessage(kGeneralFile)},
    {"Graph", kGraphFile, CouldNotOpenMessage(kGraphFile)},
    {"Mask", kMaskFile, CouldNotOpenMessage(kMaskFile)},
    {"Declarations", kDeclarationsFile, std::string(kVariableFilesMessage)},
    {"Assignments", kAssignmentsFile, std::string(kVariableFilesMessage)},
    {"FirstRunFlag", kOtherFile, CouldNotOpenMessage(kOtherFile)},
};

class OddStartUpFileTest : public ::testing::TestWithParam<std::tuple<StartUpFile, OddKind>> {};

TEST_P(OddStartUpFileTest, TwoMessagesAndTheProgramEnds) {
  const auto& [file, kind] = GetParam();
  TempWorkdir dir;
  dir.Remove(file.file);
  kind.make(dir.File(file.file));
  Calculator calculator(dir.root());
  RecordingNotifier notifier;
  const Watchdog watchdog;
  EXPECT_FALSE(calculator.StartUp(notifier));
  EXPECT_EQ(notifier.messages,
            (std::vector<std::string>{file.message, "Quorvex will now be closed"}));
  EXPECT_TRUE(notifier.reports.empty());
}

INSTANTIATE_TEST_SUITE_P(EveryFile, OddStartUpFileTest,
                         ::testing::Combine(::testing::ValuesIn(kStartUpFiles),
                                            ::testing::ValuesIn(kOddKinds)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  std::get<1>(info.param).name;
                         });

class OddLogTest : public ::testing::TestWithParam<OddKind> {};

TEST_P(OddLogTest, InsertLogAndViewerReportItAsUnreadable) {
  TempWorkdir dir;
  dir.Remove(kLogFile);
  GetParam().make(dir.File(kLogFile));
  const Watchdog watchdog;
  std::vector<std::string> evaluate;
  EXPECT_FALSE(InsertExpressionLog(dir.File(kLogFile), evaluate));
  EXPECT_TRUE(evaluate.empty());
  EXPECT_FALSE(ReadLogViewer(dir.File(kLogFile)).has_value());
}

INSTANTIATE_TEST_SUITE_P(Kinds, OddLogTest, ::testing::ValuesIn(kOddKinds),
                         [](const auto& info) { return std::string(info.param.name); });

const std::vector<std::string> kFolderInUse = {std::string(kFolderInUseMessage),
                                               "Quorvex will now be closed"};

// What window A saves, and where it lands; window B was turned away and cannot undo it.
struct SaveCase {
  const char* name;
  std::string_view file;
  std::function<void(Calculator&)> save;
  std::string bytes;
};

void PrintTo(const SaveCase& row, std::ostream* out) { *out << row.name; }

const SaveCase kSaves[] = {
    {"GeneralOptions", kGeneralFile,
     [](Calculator& a) {
       a.general().numbersys = kHexadecimal;
       SaveGeneralSettings(a.data_dir().File(kGeneralFile), a.general());
     },
     "1\r\n0\r\n0\r\n0\r\n1\r\n1\r\n1\r\n"},
    {"Mask", kMaskFile,
     [](Calculator& a) {
       SaveMaskSettings(a.data_dir().File(kMaskFile), {"A", "0.0", "B"});
     },
     "A\r\n0.0\r\nB\r\n"},
    {"Graph", kGraphFile,
     [](Calculator& a) {
       a.graph().start = "-3";
       SaveGraphSettings(a.data_dir().File(kGraphFile), a.graph());
     },
     "-3\r\n10\r\n1\r\n1\r\n0\r\n0\r\n0\r\n10\r\n1\r\n0\r\n0\r\n0\r\n10\r\n0\r\n0\r\n0\r\n0\r\n"
     "15102720\r\n16777215\r\n13158600\r\n13158600\r\n0\r\n10\r\n"},
    {"Variables", kDeclarationsFile,
     [](Calculator& a) {
       SaveVariableStore(a.data_dir(), {{"rate"}, {"0,05"}});
     },
     "rate\r\n"},
    {"Log", kLogFile, [](Calculator& a) { a.Solve("6*7"); }, "6*7\r\n"},
};

class TwoWindowsTest : public ::testing::TestWithParam<SaveCase> {};

TEST_P(TwoWindowsTest, TheSecondIsTurnedAwayAndTheFirstsSaveStays) {
  TempWorkdir dir;
  Calculator a(dir.root());
  RecordingNotifier a_notifier;
  ASSERT_TRUE(a.StartUp(a_notifier));

  RecordingNotifier b_notifier;
  auto b = std::make_unique<Calculator>(dir.root());
  EXPECT_FALSE(b->StartUp(b_notifier));
  EXPECT_EQ(b_notifier.messages, kFolderInUse);

  GetParam().save(a);
  b.reset();
  EXPECT_EQ(dir.Read(GetParam().file), GetParam().bytes);

  // A script reads A's save beside the running window.
  Calculator script(dir.root(), LogWriting::kOff);
  RecordingNotifier script_notifier;
  EXPECT_TRUE(script.StartUp(script_notifier));
  EXPECT_TRUE(script_notifier.messages.empty());
  EXPECT_EQ(a.StartUp(a_notifier), true) << "starting again keeps the lock";
}

INSTANTIATE_TEST_SUITE_P(EveryFile, TwoWindowsTest, ::testing::ValuesIn(kSaves),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TwoWindows, TheFolderIsFreeOnceTheFirstWindowCloses) {
  TempWorkdir dir;
  RecordingNotifier notifier;
  {
    Calculator a(dir.root());
    ASSERT_TRUE(a.StartUp(notifier));
  }
  Calculator b(dir.root());
  EXPECT_TRUE(b.StartUp(notifier));
  EXPECT_TRUE(notifier.messages.empty());
}

TEST(TwoWindows, TheSameFolderByAnotherPathIsStillTheSame) {
  TempWorkdir dir;
  TempWorkdir other;
  const fs::path link = other.File("same");
  fs::create_directory_symlink(dir.root(), link);
  RecordingNotifier notifier;
  Calculator a(dir.root());
  ASSERT_TRUE(a.StartUp(notifier));
  Calculator b(link);
  EXPECT_FALSE(b.StartUp(notifier));
  EXPECT_EQ(notifier.messages, kFolderInUse);
  // Another folder is another user's business.
  RecordingNotifier other_notifier;
  Calculator c(other.root());
  EXPECT_TRUE(c.StartUp(other_notifier));
}

// The pid of a process that has ended and been reaped.
pid_t DeadPid() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  int status = 0;
  ::waitpid(child, &status, 0);
  return child;
}

std::vector<std::string> BinNames(const TempWorkdir& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(dir.File("bin"))) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

// What killed saves left: a temporary of a dead process, and a variable save stopped after it
// committed, with the new declarations already in place and the new assignments beside theirs.
void LeaveStoppedSaves(const TempWorkdir& dir) {
  dir.Write("bin/mask.ini.tmp" + std::to_string(DeadPid()) + "-0", "half a mask");
  dir.Write("bin/vard.ini", "b\r\na\r\n");
  dir.Write("bin/vara.ini", "1\r\n");
  dir.Write("bin/vara.ini.new", "2\r\n1\r\n");
  dir.Write("bin/vars.commit", "");
}

TEST(StoppedSaves, TheWindowFinishesOrRemovesThemAtStartUp) {
  TempWorkdir dir;
  const std::vector<std::string> clean = BinNames(dir);
  LeaveStoppedSaves(dir);
  Calculator window(dir.root());
  RecordingNotifier notifier;
  ASSERT_TRUE(window.StartUp(notifier));
  EXPECT_EQ(window.variables().declarations, (std::vector<std::string>{"b", "a"}));
  EXPECT_EQ(window.variables().assignments, (std::vector<std::string>{"2", "1"}));
  EXPECT_EQ(BinNames(dir), clean);
  EXPECT_EQ(dir.Read("bin/vara.ini"), "2\r\n1\r\n");
}

TEST(StoppedSaves, AScriptReadsTheCompleteSaveAndTouchesNothing) {
  TempWorkdir dir;
  LeaveStoppedSaves(dir);
  const std::vector<std::string> left = BinNames(dir);
  Calculator script(dir.root(), LogWriting::kOff);
  RecordingNotifier notifier;
  ASSERT_TRUE(script.StartUp(notifier));
  EXPECT_EQ(script.variables().assignments, (std::vector<std::string>{"2", "1"}));
  EXPECT_EQ(BinNames(dir), left);
}

TEST(TwoWindows, AWindowInAnotherProcessIsTurnedAway) {
  TempWorkdir dir;
  RecordingNotifier notifier;
  Calculator a(dir.root());
  ASSERT_TRUE(a.StartUp(notifier));
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    Calculator b(dir.root());
    RecordingNotifier b_notifier;
    const bool started = b.StartUp(b_notifier);
    ::_exit(!started && b_notifier.messages == kFolderInUse ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace quorvex
