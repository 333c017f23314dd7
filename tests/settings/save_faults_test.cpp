// Every save of a data file under the faults of a real file system: the save throws
// FileWriteError naming its file, and every file of bin/ stays as it was, with no temporary
// file left beside them.
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "common/line_file.h"
#include "gtest/gtest.h"
#include "settings/data_files.h"
#include "settings/expression_log.h"
#include "settings/general_settings.h"
#include "settings/graph_settings.h"
#include "settings/mask_settings.h"
#include "settings/other_settings.h"
#include "settings/variable_store.h"
#include "support/fault_sandbox.h"
#include "support/temp_workdir.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using testing_support::FileBytes;
using testing_support::FileFault;
using testing_support::RunUnderFault;
using testing_support::SandboxResult;
using testing_support::TempWorkdir;

struct SaveCase {
  const char* name;
  std::string_view file;  // the file the save writes first; its name is in the error
  std::function<void(const DataDir&)> save;
};

void PrintTo(const SaveCase& save, std::ostream* out) { *out << save.name; }

GeneralSettings ChangedGeneral() {
  GeneralSettings settings;
  settings.logcheck = false;
  settings.numbersys = kHexadecimal;
  return settings;
}

GraphSettings ChangedGraph() {
  GraphSettings settings;
  settings.start = "-5";
  settings.gcolor = 255;
  return settings;
}

VariableStore ChangedVariables() {
  VariableStore store;
  store.declarations = {"rate", "n"};
  store.assignments = {"0,05", "12"};
  return store;
}

const SaveCase kSaves[] = {
    {"General", kGeneralFile,
     [](const DataDir& dir) { SaveGeneralSettings(dir.File(kGeneralFile), ChangedGeneral()); }},
    {"FirstRunFlag", kOtherFile,
     [](const DataDir& dir) { SaveFirstRunDone(dir.File(kOtherFile)); }},
    {"Mask", kMaskFile,
     [](const DataDir& dir) {
       SaveMaskSettings(dir.File(kMaskFile), {"x = ", "0.00", " m"});
     }},
    {"Graph", kGraphFile,
     [](const DataDir& dir) { SaveGraphSettings(dir.File(kGraphFile), ChangedGraph()); }},
    {"Variables", kDeclarationsFile,
     [](const DataDir& dir) { SaveVariableStore(dir, ChangedVariables()); }},
    {"Log", kLogFile,
     [](const DataDir& dir) {
       WriteExpressionLog(dir.File(kLogFile), {"1+1", "sqrt[2]"});
     }},
};

// Clearing writes an empty file, which needs neither space nor size: only the read-only folder
// stops it.
const SaveCase kClearLog = {"LogClear", kLogFile, [](const DataDir& dir) {
                              std::vector<std::string> viewer = {"1+1"};
                              ClearExpressionLog(dir.File(kLogFile), viewer);
                            }};

const FileFault kFaults[] = {FileFault::kReadOnlyFolder, FileFault::kDiskFull,
                             FileFault::kFileSizeLimit};

// The default files with a non-empty log, so that clearing it has something to lose.
std::map<std::string, std::string> OldFiles() {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(QUORVEX_DEFAULT_BIN)) {
    files[entry.path().filename().string()] = FileBytes(entry.path());
  }
  files["log.ini"] = "2*3\r\npi\r\n";
  return files;
}

std::string WriteFiles(const fs::path& bin, const std::map<std::string, std::string>& files) {
  for (const auto& [name, bytes] : files) {
    std::ofstream out(bin / name, std::ios::binary);
    out << bytes;
    if (!out.flush()) return "could not write " + name;
  }
  return "";
}

// Empty when bin/ holds exactly the old files (and the disk-full filler).
std::string CompareFiles(const fs::path& bin, const std::map<std::string, std::string>& files) {
  std::string problems;
  for (const auto& [name, bytes] : files) {
    if (FileBytes(bin / name) != bytes) problems += name + " changed; ";
  }
  for (const auto& entry : fs::directory_iterator(bin)) {
    const std::string name = entry.path().filename().string();
    if (files.count(name) == 0 && name != "filler") problems += "left behind: " + name + "; ";
  }
  return problems;
}

// Runs save under fault and expects the error and every old file.
void ExpectFailedSave(const SaveCase& save, FileFault fault) {
  TempWorkdir dir;
  const DataDir data(dir.root());
  const fs::path bin = dir.File("bin");
  const std::map<std::string, std::string> old_files = OldFiles();

  const SandboxResult result = RunUnderFault(
      fault, bin, [&] { return WriteFiles(bin, old_files); },
      [&]() -> std::string {
        try {
          save.save(data);
          return "the save reported success";
        } catch (const FileWriteError& error) {
          const std::string expected = "Could not write '" + data.File(save.file).string() + "'";
          if (std::string(error.what()).find(expected) == std::string::npos) {
            return std::string("unexpected error text: ") + error.what();
          }
        }
        return CompareFiles(bin, old_files);
      });
  if (result.kind == SandboxResult::kUnavailable) GTEST_SKIP() << result.text;
  EXPECT_EQ(result.kind, SandboxResult::kPassed) << result.text;
}

class SaveFaultTest : public ::testing::TestWithParam<std::tuple<SaveCase, FileFault>> {};

TEST_P(SaveFaultTest, ThrowsAndKeepsEveryOldFile) {
  ExpectFailedSave(std::get<0>(GetParam()), std::get<1>(GetParam()));
}

TEST(SaveFault, ClearingTheLogInAReadOnlyFolderThrowsAndKeepsIt) {
  ExpectFailedSave(kClearLog, FileFault::kReadOnlyFolder);
}

INSTANTIATE_TEST_SUITE_P(EveryFile, SaveFaultTest,
                         ::testing::Combine(::testing::ValuesIn(kSaves),
                                            ::testing::ValuesIn(kFaults)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  testing_support::FileFaultName(std::get<1>(info.param));
                         });

// The disk fills up between the two variable files: the first new file fits, the second does
// not. The pair on disk is still the old one, and it loads as the old pair.
TEST(SaveFault, DiskFullAtTheSecondVariableFileKeepsTheOldPair) {
  TempWorkdir dir;
  const DataDir data(dir.root());
  const fs::path bin = dir.File("bin");
  std::map<std::string, std::string> old_files = OldFiles();
  old_files["vard.ini"] = "a\r\nb\r\n";
  old_files["vara.ini"] = "1\r\n2\r\n";
  VariableStore changed;
  changed.declarations = {"b", "a"};                    // one page
  changed.assignments = {std::string(9000, '3'), "4"};  // three pages
  const SandboxResult result = RunUnderFault(
      FileFault::kDiskFull, bin,
      [&]() -> std::string {
        std::string text = WriteFiles(bin, old_files);
        std::ofstream(bin / "reserve") << std::string(4096, 'r');
        return text;
      },
      [&]() -> std::string {
        // One free page: room for the new declarations only.
        fs::remove(bin / "reserve");
        try {
          SaveVariableStore(data, changed);
          return "the save reported success";
        } catch (const FileWriteError& error) {
          if (std::string(error.what()).find("vara.ini") == std::string::npos) {
            return std::string("the error does not name the second file: ") + error.what();
          }
        }
        VariableStore loaded;
        if (!LoadVariableStore(data, loaded)) return "the pair does not load";
        if (loaded.declarations != std::vector<std::string>{"a", "b"} ||
            loaded.assignments != std::vector<std::string>{"1", "2"}) {
          return "the pair loads as a mix";
        }
        std::string problems = CompareFiles(bin, old_files);
        // With room again the same save goes through whole.
        fs::remove(bin / "filler");
        SaveVariableStore(data, changed);
        if (!LoadVariableStore(data, loaded) || loaded != changed) problems += "no new pair";
        return problems;
      });
  if (result.kind == SandboxResult::kUnavailable) GTEST_SKIP() << result.text;
  EXPECT_EQ(result.kind, SandboxResult::kPassed) << result.text;
}

// The same sandbox without a fault: each save succeeds there, so the rows above fail for the
// fault and not for the sandbox.
TEST(SaveFaultSandbox, SavesSucceedWithoutAFault) {
  TempWorkdir dir;
  const DataDir data(dir.root());
  const fs::path bin = dir.File("bin");
  const std::map<std::string, std::string> old_files = OldFiles();
  const SandboxResult result = RunUnderFault(
      FileFault::kFileSizeLimit, bin,
      [&]() -> std::string {
        std::string text = WriteFiles(bin, old_files);
        for (const SaveCase& save : kSaves) save.save(data);
        kClearLog.save(data);
        if (FileBytes(data.File(kLogFile)) != "") text += "log not cleared; ";
        if (FileBytes(data.File(kMaskFile)) != "x = \r\n0.00\r\n m\r\n") text += "mask not saved";
        return text;
      },
      [] { return std::string(); });
  if (result.kind == SandboxResult::kUnavailable) GTEST_SKIP() << result.text;
  EXPECT_EQ(result.kind, SandboxResult::kPassed) << result.text;
}

}  // namespace
}  // namespace quorvex
