#pragma once

// Runs quorvex-cli through the shell on a working folder and keeps what it printed.

#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/temp_workdir.h"

namespace quorvex::testing_support {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string Quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// The given arguments and standard input; with timeout_s, a run that waits longer is ended
// (status 124) instead of hanging the test.
inline CliRun RunCli(const TempWorkdir& dir, const std::vector<std::string>& args,
                     const std::string& input = "", int timeout_s = 0) {
  dir.Write("stdin.txt", input);
  std::string command = timeout_s > 0 ? "timeout " + std::to_string(timeout_s) + " " : "";
  command += std::string(QUORVEX_CLI) + " --dir " + Quote(dir.root().string());
  for (const std::string& arg : args) command += " " + Quote(arg);
  command +=
      " <" + Quote(dir.File("stdin.txt").string()) + " 2>" + Quote(dir.File("stderr.txt").string());
  CliRun run;
  FILE* pipe = popen(command.c_str(), "r");
  char buffer[4096];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.err = dir.Read("stderr.txt");
  return run;
}

}  // namespace quorvex::testing_support
