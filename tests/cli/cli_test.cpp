#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "support/temp_workdir.h"
#include "tests/cli/run_cli.h"

namespace quorvex {
namespace {

using testing_support::CliRun;
using testing_support::RunCli;
using testing_support::TempWorkdir;

TEST(Cli, JsonLinesCarryStepsAnswersAndMessages) {
  TempWorkdir dir;
  const CliRun run = RunCli(dir, {"--json", "2*3+4", "(1/3)*3", "1/0", "4*(2+3)"});
  EXPECT_EQ(run.status, 1);
  const std::string expected =
      R"j({"expression":"2*3+4","steps":["Step 1: 2*3+4"],"answer":"= 10","bits":"4 bit",)j"
      R"j("ans":"10","fault":null,"graph":null})j"
      "\n"
      R"j({"expression":"(1/3)*3","steps":["Step 1: (1/3)*3","Step 2: (0,333333333333333)*3"],)j"
      R"j("answer":"= 0,999999999999999","bits":"0 bit","ans":"0,999999999999999","fault":null,"graph":null})j"
      "\n"
      R"j({"expression":"1/0","steps":["Step 1: 1/0"],)j"
      R"j("answer":"Error syntax, position before or after (/) is NaN","bits":null,)j"
      R"j("ans":"0,999999999999999","fault":null,"graph":null})j"
      "\n"
      R"j({"expression":"4*(2+3)","steps":["Step 1: 4*(2+3)","Step 2: 4*(5)"],"answer":"= 20",)j"
      R"j("bits":"5 bit","ans":"20","fault":null,"graph":null})j"
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

std::vector<nlohmann::json> JsonLines(const std::string& out) {
  std::vector<nlohmann::json> lines;
  std::istringstream in(out);
  for (std::string line; std::getline(in, line);) lines.push_back(nlohmann::json::parse(line));
  return lines;
}

TEST(CliGraph, JsonTableOfSinOverTheDefaultRange) {
  TempWorkdir dir;
  const CliRun run = RunCli(dir, {"--json", "--table", "sin[x]"});
  EXPECT_EQ(run.status, 0);
  const std::vector<nlohmann::json> lines = JsonLines(run.out);
  ASSERT_EQ(lines.size(), 1u);
  const nlohmann::json& line = lines[0];
  EXPECT_EQ(line["answer"].get<std::string>().rfind("10 calculation(s) done in ", 0), 0u);
  EXPECT_TRUE(line["bits"].is_null());
  EXPECT_EQ(line["ans"], "-0,54402111088937");
  const nlohmann::json& graph = line["graph"];
  EXPECT_EQ(graph["formula"], "f(x) = sin[x] , xE[1;10]");
  EXPECT_EQ(graph["points"], 10);
  ASSERT_EQ(graph["table"].size(), 10u);
  EXPECT_EQ(graph["table"][0], "x: 1 <=> f(x): = 0,841470984807897");
  EXPECT_EQ(graph["table"][9], "x: 10 <=> f(x): = -0,54402111088937");
  EXPECT_EQ(graph["count"], "10");
  EXPECT_EQ(graph["maxvalue"], "0,989358246623382");
  EXPECT_EQ(graph["minvalue"], "-0,958924274663138");
  EXPECT_EQ(graph["sum"], "1,41118837121802");
  EXPECT_EQ(graph["area"], "6,48951512933675");
  EXPECT_EQ(graph["top"], nlohmann::json::parse(R"(["x: 2 <=> f(x): = 0,909297426825682",
                                                    "x: 8 <=> f(x): = 0,989358246623382"])"));
  EXPECT_EQ(graph["tcount"], "2");
  EXPECT_EQ(graph["max"], nlohmann::json::parse(R"(["x: 8 <=> f(x): = 0,989358246623382"])"));
  EXPECT_EQ(graph["maxcount"], "1");
  EXPECT_EQ(graph["bottom"], nlohmann::json::parse(R"(["x: 5 <=> f(x): = -0,958924274663138"])"));
  EXPECT_EQ(graph["bcount"], "1");
  EXPECT_EQ(graph["min"], graph["bottom"]);
  EXPECT_EQ(graph["mincount"], "1");
  EXPECT_EQ(graph["zero"], nlohmann::json::parse(R"(["x: 3<x<4 <=> f(x): = 0",
                                                     "x: 6<x<7 <=> f(x): = 0",
                                                     "x: 9<x<10 <=> f(x): = 0"])"));
  EXPECT_EQ(graph["zcount"], "3");
  // The keys keep the window's order in the output.
  const std::vector<std::string> order = {"formula",  "points",   "table",  "count",  "maxvalue",
                                          "minvalue", "sum",      "area",   "top",    "tcount",
                                          "max",      "maxcount", "bottom", "bcount", "min",
                                          "mincount", "zero",     "zcount"};
  const std::string raw = run.out;
  size_t at = 0;
  for (const std::string& key : order) {
    const size_t found = raw.find("\"" + key + "\":", at);
    ASSERT_NE(found, std::string::npos) << key;
    at = found;
  }
}

TEST(CliGraph, GraphKeyForEveryKindOfSolve) {
  TempWorkdir dir;
  const CliRun run = RunCli(dir, {"--json", "2+3", "x*2", "1/(x-5)"});
  EXPECT_EQ(run.status, 1);
  const std::vector<nlohmann::json> lines = JsonLines(run.out);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_TRUE(lines[0].contains("graph"));
  EXPECT_TRUE(lines[0]["graph"].is_null());
  // Without --table the graph object holds only the formula and the point count.
  EXPECT_EQ(lines[1]["graph"],
            nlohmann::json::parse(R"({"formula":"f(x) = x*2 , xE[1;10]","points":10})"));
  EXPECT_EQ(lines[2]["answer"], "Error syntax, position before or after (/) is NaN");
  EXPECT_EQ(lines[2]["graph"], nlohmann::json::parse(R"({"formula":null,"points":4})"));
}

TEST(CliGraph, TableBoxesAreNullWhenTheWindowCouldNotShowThem) {
  TempWorkdir dir;
  dir.Write("bin/general.ini", "1\r\n1\r\n0\r\n0\r\n1\r\n1\r\n0\r\n");  // tscheck off
  const CliRun run = RunCli(dir, {"--json", "--table", "x"});
  EXPECT_EQ(run.status, 0);
  const nlohmann::json graph = JsonLines(run.out).at(0)["graph"];
  EXPECT_EQ(graph["points"], 10);
  EXPECT_TRUE(graph["table"].is_null());
  EXPECT_TRUE(graph["sum"].is_null());
  EXPECT_TRUE(graph["zcount"].is_null());
}

TEST(CliGraph, PlainTablePrintsTheRowsAfterTheAnswer) {
  TempWorkdir dir;
  dir.Write("bin/graph.ini",
            "1\r\n3\r\n1\r\n1\r\n0\r\n0\r\n0\r\n10\r\n1\r\n0\r\n0\r\n0\r\n10\r\n0\r\n0\r\n0\r\n"
            "0\r\n15102720\r\n16777215\r\n13158600\r\n13158600\r\n0\r\n10\r\n");
  const CliRun table = RunCli(dir, {"--table", "x^2", "2+3"});
  EXPECT_EQ(table.status, 0);
  const size_t rows = table.out.find(
      "\nx: 1 <=> f(x): = 1\nx: 2 <=> f(x): = 4\n"
      "x: 3 <=> f(x): = 9\nStep 1: 2+3\n= 5\n");
  EXPECT_EQ(table.out.rfind("3 calculation(s) done in ", 0), 0u) << table.out;
  EXPECT_NE(rows, std::string::npos) << table.out;

  const CliRun plain = RunCli(dir, {"x^2"});
  EXPECT_EQ(plain.out.find("x: "), std::string::npos) << plain.out;
  EXPECT_EQ(plain.out.rfind("3 calculation(s) done in ", 0), 0u) << plain.out;
}

// The command line runs the same loop as the window: every x of [start; stop], none beyond, and
// a range without x reported as such.
TEST(CliGraph, RangesEndAtStop) {
  const struct {
    const char* start;
    const char* stop;
    const char* inc;
    const char* expression;
    int status;
    std::string first_line;
    std::string last_row;
  } rows[] = {
      {"0", "2", "0,01", "sqrt[2-x]", 0, "201 calculation(s) done in ", "x: 2 <=> f(x): = 0"},
      {"1,5", "10", "1", "x", 0, "9 calculation(s) done in ", "x: 9,5 <=> f(x): = 9,5"},
      {"10,5", "10", "1", "x", 1,
       "The x range holds no x value. See (Tools/Graph options/Calculations)", ""},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.start) + ".." + row.stop);
    TempWorkdir dir;
    dir.Write("bin/graph.ini",
              std::string(row.start) + "\r\n" + row.stop + "\r\n" + row.inc +
                  "\r\n1\r\n0\r\n0\r\n0\r\n10\r\n1\r\n0\r\n0\r\n0\r\n10\r\n0\r\n0\r\n0\r\n"
                  "0\r\n15102720\r\n16777215\r\n13158600\r\n13158600\r\n0\r\n10\r\n");
    const CliRun run = RunCli(dir, {"--table", row.expression});
    EXPECT_EQ(run.status, row.status);
    EXPECT_EQ(run.out.rfind(row.first_line, 0), 0u) << run.out;
    if (!row.last_row.empty()) {
      EXPECT_TRUE(run.out.ends_with("\n" + row.last_row + "\n")) << run.out;
    }
  }
}

TEST(CliGraph, SettingsErrorsEndWithStatusOne) {
  TempWorkdir dir;
  dir.Write("bin/graph.ini",
            "1\r\n10\r\n0\r\n1\r\n0\r\n0\r\n0\r\n10\r\n1\r\n0\r\n0\r\n0\r\n10\r\n0\r\n0\r\n0\r\n"
            "0\r\n15102720\r\n16777215\r\n13158600\r\n13158600\r\n0\r\n10\r\n");  // inc 0
  const CliRun run = RunCli(dir, {"x"});
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out, "One or more errors occurred in (Tools/Graph options/Calculations)\n");
}

}  // namespace
}  // namespace quorvex

namespace quorvex {
namespace {

struct CliLine {
  std::vector<std::string> steps;
  std::string answer;
  nlohmann::json fault = nullptr;
};

void ExpectLines(const std::string& out, const std::vector<CliLine>& expected) {
  std::istringstream stream(out);
  std::string text;
  size_t i = 0;
  for (; std::getline(stream, text); ++i) {
    ASSERT_LT(i, expected.size()) << text;
    const nlohmann::json line = nlohmann::json::parse(text);
    EXPECT_EQ(line["steps"], nlohmann::json(expected[i].steps)) << i;
    EXPECT_EQ(line["answer"], expected[i].answer) << i;
    EXPECT_EQ(line["fault"], expected[i].fault) << i;
  }
  EXPECT_EQ(i, expected.size());
}

TEST(CliExamples, FunctionCallsMessagesAndFaults) {
  TempWorkdir dir;
  const CliRun run = RunCli(dir, {"--json", "sqrt[9+7]*2", "log[8;2]", "sin[1;2]", "foo[1]",
                                  "Sin[0]", "rec[0]", "sqrt[-1]"});
  EXPECT_EQ(run.status, 1);
  const std::string not_a_function =
      "' is not a function. See (Tools/Functions) for a list of all available functions";
  ExpectLines(run.out, {
                           {{"Step 1: sqrt[9+7]*2", "Step 2: sqrt[16]*2", "Step 3: 4*2"}, "= 8"},
                           {{"Step 1: log[8;2]", "Step 2: 3"}, "= 3"},
                           {{"Step 1: sin[1;2]"}, "Function 'sin' need 1 parameter(s), got 2"},
                           {{"Step 1: foo[1]"}, "'foo" + not_a_function},
                           {{"Step 1: Sin[0]"}, "'Sin" + not_a_function},
                           {{"Step 1: rec[0]"}, "", "Floating point division by zero"},
                           {{"Step 1: sqrt[-1]", "Step 2: NAN"},
                            "Error syntax, position 1 or first position after ( or [ is NaN"},
                       });
}

TEST(CliExamples, DeclaredVariables) {
  TempWorkdir dir;
  dir.Write("bin/vard.ini", "b\r\nrad\r\narea\r\n");
  dir.Write("bin/vara.ini", "1+1\r\n2\r\npi*rad^2\r\n");
  const CliRun run = RunCli(dir, {"--json", "b*3", "(b)*3", "area", "ans*2"});
  EXPECT_EQ(run.status, 0);
  ExpectLines(run.out, {
                           {{"Step 1: 1+1*3"}, "= 4"},
                           {{"Step 1: (1+1)*3", "Step 2: (2)*3"}, "= 6"},
                           {{"Step 1: 3,14159265358979*2^2"}, "= 12,5663706143592"},
                           {{"Step 1: 12,5663706143592*2"}, "= 25,1327412287184"},
                       });
}

TEST(CliExamples, MissingVariableFileEndsWithItsMessages) {
  TempWorkdir dir;
  dir.Remove("bin/vard.ini");
  const CliRun run = RunCli(dir, {"2"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err,
            "Quorvex could not find or open 'bin/vara.ini' or 'bin/vard.ini'\n"
            "Quorvex will now be closed\n");
}

}  // namespace
}  // namespace quorvex
