// What a data file may be and what a save may meet: anything but a regular file of a sane size
// reads as unopenable (without waiting or running out of memory), no line can smuggle in a line
// break, a link is written through to its target, leftovers of killed saves are swept, and a
// read-only folder still lets a writable file be saved in place.
#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
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

// A read that blocks ends the test binary instead of hanging it.
class Watchdog {
 public:
  Watchdog() { ::alarm(20); }
  ~Watchdog() { ::alarm(0); }
};

struct OddFileCase {
  const char* name;
  std::function<void(const fs::path&)> make;
};

void PrintTo(const OddFileCase& row, std::ostream* out) { *out << row.name; }

const OddFileCase kOddFiles[] = {
    {"Fifo", [](const fs::path& file) { ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0); }},
    {"FifoWithAWriter",
     [](const fs::path& file) {
       ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0);
       // A writer that never writes: a blocking read would wait for ever.
       static int keep = -1;
       keep = ::open(file.c_str(), O_RDWR | O_NONBLOCK);
       ASSERT_GE(keep, 0);
     }},
    {"Directory", [](const fs::path& file) { fs::create_directory(file); }},
    {"LinkToDevZero", [](const fs::path& file) { fs::create_symlink("/dev/zero", file); }},
    {"LinkToDevUrandom", [](const fs::path& file) { fs::create_symlink("/dev/urandom", file); }},
    {"HundredMegabytes",
     [](const fs::path& file) {
       WriteBytes(file, "1\r\n");
       fs::resize_file(file, 100u * 1024 * 1024);
     }},
    {"OneByteOverTheLimit",
     [](const fs::path& file) {
       WriteBytes(file, "1\r\n");
       fs::resize_file(file, kMaxLineFileSize + 1);
     }},
    {"DanglingLink", [](const fs::path& file) { fs::create_symlink("nowhere.ini", file); }},
};

class OddFileTest : public ::testing::TestWithParam<OddFileCase> {};

TEST_P(OddFileTest, ReadsAsUnopenable) {
  TempDir dir;
  const fs::path file = dir.path() / "data.ini";
  GetParam().make(file);
  const Watchdog watchdog;
  EXPECT_FALSE(ReadLineFile(file).has_value());
  EXPECT_FALSE(ReadLineFileGroup({file, file}, dir.path() / "pair.commit").has_value());
}

INSTANTIATE_TEST_SUITE_P(Kinds, OddFileTest, ::testing::ValuesIn(kOddFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(OddFile, LinkToARegularFileReads) {
  TempDir dir;
  WriteBytes(dir.path() / "real.ini", "a\r\nb\r\n");
  fs::create_symlink("real.ini", dir.path() / "data.ini");
  EXPECT_EQ(ReadLineFile(dir.path() / "data.ini"), (std::vector<std::string>{"a", "b"}));
}

struct LineBreakCase {
  const char* name;
  std::vector<std::string> lines;
  std::string line_number;
};

void PrintTo(const LineBreakCase& row, std::ostream* out) { *out << row.name; }

const LineBreakCase kLineBreaks[] = {
    {"LfInOnlyLine", {"5\n"}, "line 1"},
    {"CrInLaterLine", {"a", "b\rc"}, "line 2"},
    {"CrLfInTheMiddle", {"AB\r\nCD", "x"}, "line 1"},
};

class LineBreakTest : public ::testing::TestWithParam<LineBreakCase> {};

TEST_P(LineBreakTest, RefusedAndOldFileKept) {
  TempDir dir;
  const fs::path file = dir.path() / "data.ini";
  WriteBytes(file, "old\r\n");
  try {
    WriteLineFile(file, GetParam().lines);
    FAIL() << "a line break was written";
  } catch (const FileWriteError& error) {
    const std::string text = error.what();
    EXPECT_NE(text.find("Could not write '" + file.string() + "'"), std::string::npos) << text;
    EXPECT_NE(text.find(GetParam().line_number + " holds a line break"), std::string::npos) << text;
  }
  try {
    WriteLineFileGroup({{dir.path() / "other.ini", {"ok"}}, {file, GetParam().lines}},
                       dir.path() / "pair.commit");
    FAIL() << "a line break was written in a group";
  } catch (const FileWriteError&) {
  }
  EXPECT_EQ(ReadBytes(file), "old\r\n");
  EXPECT_EQ(Names(dir.path()), std::vector<std::string>{"data.ini"});
}

INSTANTIATE_TEST_SUITE_P(Lines, LineBreakTest, ::testing::ValuesIn(kLineBreaks),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WriteLineFileLimit, FileLargerThanTheReadLimitIsRefused) {
  TempDir dir;
  const fs::path file = dir.path() / "data.ini";
  WriteBytes(file, "old\r\n");
  const std::vector<std::string> lines(65, std::string(1024 * 1024 - 2, 'x'));
  EXPECT_THROW(WriteLineFile(file, lines), FileWriteError);
  EXPECT_EQ(ReadBytes(file), "old\r\n");
}

struct LinkCase {
  const char* name;
  std::string link_text;  // relative to the folder unless absolute
  bool target_exists;
};

void PrintTo(const LinkCase& row, std::ostream* out) { *out << row.name; }

const LinkCase kLinks[] = {
    {"RelativeLink", "real.ini", true},
    {"LinkIntoSubfolder", "sub/real.ini", true},
    {"LinkToALink", "hop.ini", true},
    {"DanglingLinkCreatesItsTarget", "real.ini", false},
};

class LinkWriteTest : public ::testing::TestWithParam<LinkCase> {};

TEST_P(LinkWriteTest, WritesThroughAndKeepsTheLink) {
  TempDir dir;
  fs::create_directory(dir.path() / "sub");
  const fs::path real = dir.path() / GetParam().link_text;
  const fs::path final_target = GetParam().link_text == "hop.ini" ? dir.path() / "real.ini" : real;
  if (GetParam().link_text == "hop.ini") fs::create_symlink("real.ini", dir.path() / "hop.ini");
  if (GetParam().target_exists) WriteBytes(final_target, "old\r\n");
  const fs::path link = dir.path() / "data.ini";
  fs::create_symlink(GetParam().link_text, link);

  WriteLineFile(link, {"new"});
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadBytes(final_target), "new\r\n");
  EXPECT_EQ(ReadLineFile(link), std::vector<std::string>{"new"});

  WriteLineFileGroup({{link, {"pair 1"}}, {dir.path() / "second.ini", {"pair 2"}}},
                     dir.path() / "pair.commit");
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadBytes(final_target), "pair 1\r\n");
  for (const fs::path& folder : {dir.path(), dir.path() / "sub"}) {
    for (const std::string& name : Names(folder)) {
      EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
      EXPECT_EQ(name.find(".new"), std::string::npos) << name;
      EXPECT_NE(name, "pair.commit");
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Links, LinkWriteTest, ::testing::ValuesIn(kLinks),
                         [](const auto& info) { return std::string(info.param.name); });

// The pid of a process that has ended and been reaped.
pid_t DeadPid() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  int status = 0;
  ::waitpid(child, &status, 0);
  return child;
}

TEST(StaleTemporaries, ThoseOfDeadProcessesAreRemovedOthersKept) {
  TempDir dir;
  const fs::path file = dir.path() / "data.ini";
  WriteBytes(file, "old\r\n");
  const std::string dead = "data.ini.tmp" + std::to_string(DeadPid()) + "-0";
  const std::string dead_later = "data.ini.tmp" + std::to_string(DeadPid()) + "-17";
  const std::string living = "data.ini.tmp1-0";  // pid 1 always runs
  const std::string own = "data.ini.tmp" + std::to_string(::getpid()) + "-99";
  const std::string not_ours = "data.ini.tmpnotes";
  const std::string other_file = "mask.ini.tmp" + std::to_string(DeadPid()) + "-0";
  for (const std::string& name : {dead, dead_later, living, own, not_ours, other_file}) {
    WriteBytes(dir.path() / name, "partial");
  }
  WriteLineFile(file, {"new"});
  std::vector<std::string> expected = {"data.ini", living, own, not_ours, other_file};
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(Names(dir.path()), expected);
  EXPECT_EQ(ReadBytes(file), "new\r\n");
}

// Runs body in a child that can no longer write into folder (0555, and no longer root), with an
// optional file-size limit; body returns an empty text for success.
std::string AsUnprivileged(const fs::path& folder, rlim_t size_limit,
                           const std::function<std::string()>& body) {
  ::chmod(folder.c_str(), 0555);
  int pipe_fds[2];
  if (::pipe(pipe_fds) != 0) return "pipe failed";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipe_fds[0]);
    std::string text;
    if (::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setresgid(65534, 65534, 65534) != 0 ||
         ::setresuid(65534, 65534, 65534) != 0)) {
      text = "could not drop root";
    } else {
      if (size_limit != RLIM_INFINITY) {
        ::signal(SIGXFSZ, SIG_DFL);
        const struct rlimit limit = {size_limit, size_limit};
        ::setrlimit(RLIMIT_FSIZE, &limit);
      }
      text = body();
    }
    (void)!::write(pipe_fds[1], text.data(), text.size());
    ::_exit(0);
  }
  ::close(pipe_fds[1]);
  std::string text;
  char buffer[512];
  for (ssize_t n; (n = ::read(pipe_fds[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
  ::close(pipe_fds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  ::chmod(folder.c_str(), 0755);
  if (WIFSIGNALED(status)) return "child killed by signal " + std::to_string(WTERMSIG(status));
  return text;
}

struct InPlaceCase {
  const char* name;
  std::vector<std::string> lines;
  rlim_t size_limit;
  bool saved;
};

void PrintTo(const InPlaceCase& row, std::ostream* out) { *out << row.name; }

const InPlaceCase kInPlace[] = {
    {"Shorter", {"n"}, RLIM_INFINITY, true},
    {"Longer", {std::string(5000, 'n'), "more"}, RLIM_INFINITY, true},
    {"EmptyFile", {}, RLIM_INFINITY, true},
    // Past the limit the space cannot be reserved: the old bytes never change.
    {"LongerThanTheFileSizeLimit", {std::string(5000, 'n')}, 4096, false},
};

class InPlaceTest : public ::testing::TestWithParam<InPlaceCase> {};

TEST_P(InPlaceTest, WritableFileInReadOnlyFolder) {
  TempDir dir;
  const fs::path file = dir.path() / "data.ini";
  const fs::path second = dir.path() / "second.ini";
  const std::string old = "old line one\r\nold line two\r\n";
  WriteBytes(file, old);
  WriteBytes(second, old);
  ::chmod(file.c_str(), 0666);
  ::chmod(second.c_str(), 0666);
  const InPlaceCase& row = GetParam();
  const std::string text = AsUnprivileged(dir.path(), row.size_limit, [&]() -> std::string {
    if (::access(dir.path().c_str(), W_OK) == 0) return "folder still writable";
    std::string problems;
    auto save = [&](const std::function<void()>& write) {
      try {
        write();
        if (!row.saved) problems += "saved past the limit; ";
      } catch (const FileWriteError& error) {
        if (row.saved) problems += std::string(error.what()) + "; ";
      }
    };
    save([&] { WriteLineFile(file, row.lines); });
    save([&] {
      WriteLineFileGroup({{second, {"pair"}}, {file, row.lines}}, dir.path() / "pair.commit");
    });
    return problems;
  });
  EXPECT_EQ(text, "");
  std::string expected;
  for (const std::string& line : row.lines) expected += line + "\r\n";
  EXPECT_EQ(ReadBytes(file), row.saved ? expected : old);
  // The group puts back its first file when the second fails.
  EXPECT_EQ(ReadBytes(second), row.saved ? "pair\r\n" : old);
  EXPECT_EQ(Names(dir.path()), (std::vector<std::string>{"data.ini", "second.ini"}));
}

INSTANTIATE_TEST_SUITE_P(Cases, InPlaceTest, ::testing::ValuesIn(kInPlace),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvex
