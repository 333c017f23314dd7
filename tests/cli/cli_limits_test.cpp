// quorvex-cli over a million lines of standard input: every line is answered, and the peak
// memory is that of a short run, not one that grows with the input.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "support/temp_workdir.h"

namespace quorvex {
namespace {

using testing_support::TempWorkdir;

struct CliRun {
  int status = -1;
  long peak_rss_kb = 0;
  size_t output_lines = 0;
};

// Runs quorvex-cli with lines copies of line on standard input.
CliRun RunWithLines(const TempWorkdir& dir, const std::string& line, size_t lines) {
  {
    std::ofstream input(dir.File("stdin.txt"), std::ios::binary);
    for (size_t i = 0; i < lines; ++i) input << line << '\n';
  }
  const std::string in_path = dir.File("stdin.txt").string();
  const std::string out_path = dir.File("stdout.txt").string();
  const std::string root = dir.root().string();
  // A sanitizer build keeps freed memory in quarantine, which would look like growth.
  std::string asan = "quarantine_size_mb=1:thread_local_quarantine_size_kb=64";
  if (const char* given = getenv("ASAN_OPTIONS")) asan = std::string(given) + ":" + asan;

  const pid_t child = fork();
  if (child == 0) {
    const int in = open(in_path.c_str(), O_RDONLY);
    const int out = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int null = open("/dev/null", O_WRONLY);
    if (in < 0 || out < 0 || null < 0) _exit(126);
    dup2(in, 0);
    dup2(out, 1);
    dup2(null, 2);
    setenv("ASAN_OPTIONS", asan.c_str(), 1);
    execl(QUORVEX_CLI, QUORVEX_CLI, "--dir", root.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  CliRun run;
  int status = 0;
  struct rusage usage {};
  if (child < 0 || wait4(child, &status, 0, &usage) != child) return run;
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.peak_rss_kb = usage.ru_maxrss;
  std::ifstream out(out_path, std::ios::binary);
  run.output_lines = std::count(std::istreambuf_iterator<char>(out), {}, '\n');
  return run;
}

TEST(CliLimits, MillionLinesOfStandardInputInConstantMemory) {
  TempWorkdir dir;
  const CliRun short_run = RunWithLines(dir, "1+1", 1000);
  const CliRun long_run = RunWithLines(dir, "1+1", 1000000);
  EXPECT_EQ(short_run.status, 0);
  EXPECT_EQ(long_run.status, 0);
  EXPECT_EQ(short_run.output_lines, 1000u * 2);  // the step line and the answer
  EXPECT_EQ(long_run.output_lines, 1000000u * 2);
  // Keeping every line would cost at least 32 bytes each, 32 MB here.
  EXPECT_LT(long_run.peak_rss_kb, short_run.peak_rss_kb + 8 * 1024)
      << "short run " << short_run.peak_rss_kb << " KB, long run " << long_run.peak_rss_kb << " KB";
}

}  // namespace
}  // namespace quorvex
