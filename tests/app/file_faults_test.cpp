// A solve whose expression log cannot be written reports the fault for the general error report
// and never success, and the old log stays whole.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/calculator.h"
#include "gtest/gtest.h"
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

class SilentNotifier : public Notifier {
 public:
  void ShowMessage(std::string_view) override {}
  void ShowErrorReport(std::string_view) override {}
};

constexpr char kOldLog[] = "2*3\r\npi\r\n";

class SolveLogFaultTest : public ::testing::TestWithParam<FileFault> {};

TEST_P(SolveLogFaultTest, FaultReportedAndOldLogKept) {
  TempWorkdir dir;
  const fs::path bin = dir.File("bin");
  const SandboxResult result = RunUnderFault(
      GetParam(), bin,
      [&]() -> std::string {
        for (const auto& entry : fs::directory_iterator(QUORVEX_DEFAULT_BIN)) {
          fs::copy_file(entry.path(), bin / entry.path().filename());
        }
        std::ofstream(bin / "log.ini", std::ios::binary) << kOldLog;
        return "";
      },
      [&]() -> std::string {
        Calculator calculator(dir.root());
        SilentNotifier notifier;
        if (!calculator.StartUp(notifier)) return "start-up failed";
        if (!calculator.general().logcheck) return "the default general.ini has logcheck off";
        const std::vector<std::string> list = {"2*3", "1+1"};
        const SolveOutcome outcome = calculator.Solve(list, 1);
        std::string problems;
        if (outcome.succeeded) problems += "solve succeeded; ";
        const std::string expected = "Could not write '" + (bin / "log.ini").string() + "'";
        if (!outcome.fault || outcome.fault->find(expected) == std::string::npos) {
          problems += "fault text: " + outcome.fault.value_or("<none>") + "; ";
        }
        if (!outcome.answer.empty()) problems += "answer: " + outcome.answer + "; ";
        if (FileBytes(bin / "log.ini") != kOldLog) problems += "log changed; ";
        return problems;
      });
  if (result.kind == SandboxResult::kUnavailable) GTEST_SKIP() << result.text;
  EXPECT_EQ(result.kind, SandboxResult::kPassed) << result.text;
}

INSTANTIATE_TEST_SUITE_P(EveryFault, SolveLogFaultTest,
                         ::testing::Values(FileFault::kReadOnlyFolder, FileFault::kDiskFull,
                                           FileFault::kFileSizeLimit),
                         [](const auto& info) {
                           return std::string(testing_support::FileFaultName(info.param));
                         });

}  // namespace
}  // namespace quorvex
