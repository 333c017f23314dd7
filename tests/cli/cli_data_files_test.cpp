// quorvex-cli and what it meets in bin/: a FIFO, a device link, a folder or a huge file in place
// of any data file ends it with the two messages and exit status 2 (never a wait or a crash), a
// window holding the folder does not stop it, and an expression past the length limit is
// answered with its message.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "support/odd_files.h"
#include "support/temp_workdir.h"
#include "tests/cli/run_cli.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using testing_support::CliRun;
using testing_support::kOddKinds;
using testing_support::OddKind;
using testing_support::TempWorkdir;

// A run that waits on a data file is ended after 10 s (status 124).
CliRun RunCli(const TempWorkdir& dir, const std::string& expression) {
  return testing_support::RunCli(dir, {expression}, "", 10);
}

struct DataFile {
  const char* name;
  std::string file;
  std::string message;
};

void PrintTo(const DataFile& row, std::ostream* out) { *out << row.name; }

const DataFile kFiles[] = {
    {"General", "bin/general.ini", "Quorvex could not find or open 'bin/general.ini'"},
    {"Graph", "bin/graph.ini", "Quorvex could not find or open 'bin/graph.ini'"},
    {"Mask", "bin/mask.ini", "Quorvex could not find or open 'bin/mask.ini'"},
    {"Declarations", "bin/vard.ini",
     "Quorvex could not find or open 'bin/vara.ini' or 'bin/vard.ini'"},
    {"Assignments", "bin/vara.ini",
     "Quorvex could not find or open 'bin/vara.ini' or 'bin/vard.ini'"},
    {"FirstRunFlag", "bin/other.ini", "Quorvex could not find or open 'bin/other.ini'"},
};

class CliOddFileTest : public ::testing::TestWithParam<std::tuple<DataFile, OddKind>> {};

TEST_P(CliOddFileTest, TwoMessagesAndExitStatus2) {
  const auto& [file, kind] = GetParam();
  TempWorkdir dir;
  dir.Remove(file.file);
  kind.make(dir.File(file.file));
  const CliRun run = RunCli(dir, "2+3");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, file.message + "\nQuorvex will now be closed\n");
  EXPECT_EQ(run.out, "");
}

INSTANTIATE_TEST_SUITE_P(EveryFile, CliOddFileTest,
                         ::testing::Combine(::testing::ValuesIn(kFiles),
                                            ::testing::ValuesIn(kOddKinds)),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  std::get<1>(info.param).name;
                         });

TEST(CliDataFiles, RunsBesideAWindowThatHoldsTheFolder) {
  TempWorkdir dir;
  const int bin = ::open(dir.File("bin").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  ASSERT_GE(bin, 0);
  ASSERT_EQ(::flock(bin, LOCK_EX | LOCK_NB), 0);
  const CliRun run = RunCli(dir, "2+3");
  ::close(bin);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "Step 1: 2+3\n= 5\n");
}

TEST(CliDataFiles, ExpressionPastTheLengthLimitGetsItsMessage) {
  TempWorkdir dir;
  const CliRun run = RunCli(dir, std::string(65537, '1'));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "Too long expression: at most 65536 characters\n");
}

}  // namespace
}  // namespace quorvex
