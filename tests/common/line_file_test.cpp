#include "common/line_file.h"

#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "gtest/gtest.h"
#include "support/temp_dir.h"

namespace quorvex {
namespace {

namespace fs = std::filesystem;
using testing_support::ReadBytes;
using testing_support::TempDir;
using testing_support::WriteBytes;

// Names in the folder other than `keep`: leftover temporary files.
std::vector<std::string> OtherFiles(const fs::path& folder, const std::string& keep) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.path().filename() != keep) names.push_back(entry.path().filename().string());
  }
  return names;
}

struct ReadCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
};

const ReadCase kReadCases[] = {
    {"EmptyFileHasNoLines", "", {}},
    {"LineWithoutEnd", "a", {"a"}},
    {"FinalCrLfAddsNoLine", "a\r\n", {"a"}},
    {"CrLfLines", "a\r\nb\r\n", {"a", "b"}},
    {"LfLines", "a\nb", {"a", "b"}},
    {"LoneCrLines", "a\rb\r", {"a", "b"}},
    {"OnlyALineEnd", "\r\n", {""}},
    {"EmptyLineInside", "a\r\n\r\nb", {"a", "", "b"}},
    {"LfThenCrAreTwoEnds", "a\n\rb", {"a", "", "b"}},
    {"CrThenCrLf", "a\r\r\n", {"a", ""}},
    {"MixedEnds", "1\r\n2\n3\r4", {"1", "2", "3", "4"}},
    {"BytesKept", std::string("\xE9\x92\0x", 4), {std::string("\xE9\x92\0x", 4)}},
    {"BlanksKept", " a \r\n\t", {" a ", "\t"}},
};

class ReadLineFileTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadLineFileTest, SplitsLines) {
  TempDir dir;
  const fs::path file = dir.path() / "data.ini";
  WriteBytes(file, GetParam().bytes);
  const auto lines = ReadLineFile(file);
  ASSERT_TRUE(lines.has_value());
  EXPECT_EQ(*lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Table, ReadLineFileTest, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadLineFileFailure, MissingFileIsNullopt) {
  TempDir dir;
  EXPECT_FALSE(ReadLineFile(dir.path() / "missing.ini").has_value());
}

TEST(ReadLineFileFailure, DirectoryIsNullopt) {
  TempDir dir;
  EXPECT_FALSE(ReadLineFile(dir.path()).has_value());
}

struct WriteCase {
  const char* name;
  std::vector<std::string> lines;
  std::string bytes;
};

const WriteCase kWriteCases[] = {
    {"NoLinesEmptyFile", {}, ""},
    {"EveryLineEndsWithCrLf", {"a", "b"}, "a\r\nb\r\n"},
    {"EmptyLinesKept", {"", "x", ""}, "\r\nx\r\n\r\n"},
    {"BytesKept", {std::string("\xE9\0", 2)}, std::string("\xE9\0\r\n", 4)},
};

class WriteLineFileTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WriteLineFileTest, WritesCrLfAndReadsBack) {
  TempDir dir;
  const fs::path file = dir.path() / "data.ini";
  WriteLineFile(file, GetParam().lines);
  EXPECT_EQ(ReadBytes(file), GetParam().bytes);
  EXPECT_EQ(ReadLineFile(file), GetParam().lines);
  EXPECT_TRUE(OtherFiles(dir.path(), "data.ini").empty());
}

INSTANTIATE_TEST_SUITE_P(Table, WriteLineFileTest, ::testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WriteLineFileReplace, ReplacesWholeFileAndKeepsPermissions) {
  TempDir dir;
  const fs::path file = dir.path() / "data.ini";
  WriteBytes(file, "old line 1\r\nold line 2\r\nold line 3\r\n");
  ::chmod(file.c_str(), 0640);
  WriteLineFile(file, {"new"});
  EXPECT_EQ(ReadBytes(file), "new\r\n");
  struct stat status;
  ASSERT_EQ(::stat(file.c_str(), &status), 0);
  EXPECT_EQ(status.st_mode & 0777, 0640u);
  EXPECT_TRUE(OtherFiles(dir.path(), "data.ini").empty());
}

// Expects WriteLineFile to throw a FileWriteError whose text names the file.
void ExpectWriteError(const fs::path& file, const std::vector<std::string>& lines) {
  try {
    WriteLineFile(file, lines);
    FAIL() << "no error for " << file;
  } catch (const FileWriteError& error) {
    EXPECT_NE(std::string(error.what()).find("Could not write '" + file.string() + "'"),
              std::string::npos)
        << error.what();
  }
}

TEST(WriteLineFileFailure, MissingFolder) {
  TempDir dir;
  ExpectWriteError(dir.path() / "no-such-folder" / "data.ini", {"x"});
}

TEST(WriteLineFileFailure, RenameOverDirectoryLeavesNoTempFile) {
  TempDir dir;
  const fs::path target = dir.path() / "data.ini";
  fs::create_directory(target);
  WriteBytes(target / "inside", "kept");
  ExpectWriteError(target, {"x"});
  EXPECT_TRUE(fs::is_directory(target));
  EXPECT_EQ(ReadBytes(target / "inside"), "kept");
  EXPECT_TRUE(OtherFiles(dir.path(), "data.ini").empty());
}

// A writable file in a read-only folder is rewritten in place (line_file_safety_test); one that
// is read-only itself cannot be saved at all.
TEST(WriteLineFileFailure, ReadOnlyFolderAndFileKeepOldFile) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  TempDir dir;
  const fs::path file = dir.path() / "data.ini";
  WriteBytes(file, "old\r\n");
  ::chmod(file.c_str(), 0444);
  ::chmod(dir.path().c_str(), 0555);
  ExpectWriteError(file, {"new"});
  ::chmod(dir.path().c_str(), 0755);
  EXPECT_EQ(ReadBytes(file), "old\r\n");
  EXPECT_TRUE(OtherFiles(dir.path(), "data.ini").empty());
}

// Writing past the file-size limit fails in the middle of the data; the child ignores SIGXFSZ
// so the write returns an error instead of killing it. Exit codes tell what went wrong.
TEST(WriteLineFileFailure, FileSizeLimitKeepsOldFile) {
  TempDir dir;
  const fs::path file = dir.path() / "data.ini";
  const std::string old_content = "old line\r\n";
  WriteBytes(file, old_content);
  const std::vector<std::string> lines(2000, std::string(100, 'x'));

  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const struct rlimit limit = {16384, 16384};
    if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(10);
    int code = 11;  // no exception
    try {
      WriteLineFile(file, lines);
    } catch (const FileWriteError& error) {
      code = std::string(error.what()).find(file.string()) == std::string::npos ? 12 : 0;
    } catch (...) {
      code = 13;
    }
    ::_exit(code);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status)) << "child killed by signal " << WTERMSIG(status);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(ReadBytes(file), old_content);
  EXPECT_TRUE(OtherFiles(dir.path(), "data.ini").empty());
}

}  // namespace
}  // namespace quorvex
