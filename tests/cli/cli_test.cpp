#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/temp_workdir.h"

namespace quorvex {
namespace {

using testing_support::TempWorkdir;

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

std::string Quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// Runs quorvex-cli through the shell with the given arguments and standard input.
CliRun RunCli(const TempWorkdir& dir, const std::vector<std::string>& args,
              const std::string& input = "") {
  dir.Write("stdin.txt", input);
  std::string command = std::string(QUORVEX_CLI) + " --dir " + Quote(dir.root().string());
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

TEST(Cli, JsonLinesCarryStepsAnswersAndMessages) {
  TempWorkdir dir;
  const CliRun run = RunCli(dir, {"--json", "2*3+4", "(1/3)*3", "1/0", "4*(2+3)"});
  EXPECT_EQ(run.status, 1);
  const std::string expected =
      R"j({"expression":"2*3+4","steps":["Step 1: 2*3+4"],"answer":"= 10","bits":"4 bit",)j"
      R"j("ans":"10","fault":null})j"
      "\n"
      R"j({"expression":"(1/3)*3","steps":["Step 1: (1/3)*3","Step 2: (0,333333333333333)*3"],)j"
      R"j("answer":"= 0,999999999999999","bits":"0 bit","ans":"0,999999999999999","fault":null})j"
      "\n"
      R"j({"expression":"1/0","steps":["Step 1: 1/0"],)j"
      R"j("answer":"Error syntax, position before or after (/) is NaN","bits":null,)j"
      R"j("ans":"0,999999999999999","fault":null})j"
      "\n"
      R"j({"expression":"4*(2+3)","steps":["Step 1: 4*(2+3)","Step 2: 4*(5)"],"answer":"= 20",)j"
      R"j("bits":"5 bit","ans":"20","fault":null})j"
      "\n";
  EXPECT_EQ(run.out, expected);
}

TEST(Cli, StandardInputLinesArePlainOutput) {
  TempWorkdir dir;
  const CliRun run = RunCli(dir, {}, "2+3\r\n4*(2+3)\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "Step 1: 2+3\n= 5\nStep 1: 4*(2+3)\nStep 2: 4*(5)\n= 20\n");
}

TEST(Cli, AnsCarriesOverBetweenExpressions) {
  TempWorkdir dir;
  const CliRun run = RunCli(dir, {"6*7", "ans+1"});
  EXPECT_EQ(run.out, "Step 1: 6*7\n= 42\nStep 1: 42+1\n= 43\n");
}

TEST(Cli, BinaryNumberSystem) {
  TempWorkdir dir;
  dir.Write("bin/general.ini", "1\r\n4\r\n0\r\n0\r\n1\r\n1\r\n1\r\n");
  const CliRun run = RunCli(dir, {"255"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "Step 1: 255\n0  11111111\n");
}

TEST(Cli, FaultGoesToStandardError) {
  TempWorkdir dir;
  const CliRun run = RunCli(dir, {"rec[0]"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.err, "Error: Floating point division by zero\n");
  const CliRun json = RunCli(dir, {"--json", "rec[0]"});
  EXPECT_NE(json.out.find(
                R"j("answer":"","bits":null,"ans":"0","fault":"Floating point division by zero")j"),
            std::string::npos)
      << json.out;
}

TEST(Cli, TextsAreUtf8AtTheEdges) {
  TempWorkdir dir;
  const CliRun run = RunCli(dir, {"--json", "\xC3\xA9+1"});  // "é+1"
  EXPECT_NE(run.out.find(R"j("expression":"é+1")j"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find(R"j("steps":["Step 1: é+1"])j"), std::string::npos) << run.out;
}

TEST(Cli, UnreadableDataFileEndsWithStatusTwo) {
  TempWorkdir dir;
  dir.Remove("bin/mask.ini");
  const CliRun run = RunCli(dir, {"2+3"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "Quorvex could not find or open 'bin/mask.ini'\nQuorvex will now be closed\n");
}

TEST(Cli, UnusableArgumentsEndWithStatusTwo) {
  TempWorkdir dir;
  EXPECT_EQ(RunCli(dir, {"--frobnicate"}).status, 2);
  EXPECT_EQ(RunCli(dir, {"--dir"}).status, 2);
  // A leading minus is an expression, not an option.
  EXPECT_EQ(RunCli(dir, {"-5+2"}).out, "Step 1: -5+2\n= -3\n");
}

TEST(Cli, DataFilesStayByteForByte) {
  TempWorkdir dir;
  dir.Write("bin/log.ini", "kept\r\n");
  std::vector<std::string> before;
  const char* files[] = {"general", "other", "mask", "graph", "vard", "vara", "log"};
  for (const char* name : files) before.push_back(dir.Read(std::string("bin/") + name + ".ini"));
  RunCli(dir, {"2+3", "1/0", "rec[0]"});
  for (size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(dir.Read(std::string("bin/") + files[i] + ".ini"), before[i]) << files[i];
  }
}

}  // namespace
}  // namespace quorvex
