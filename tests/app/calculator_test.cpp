#include "app/calculator.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "support/temp_workdir.h"

namespace quorvex {
namespace {

using testing_support::TempWorkdir;

class RecordingNotifier : public Notifier {
 public:
  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  void ShowErrorReport(std::string_view text) override { reports.emplace_back(text); }
  std::vector<std::string> messages;
  std::vector<std::string> reports;
};

TEST(StartUp, DefaultFilesLoad) {
  TempWorkdir dir;
  Calculator calculator(dir.root());
  RecordingNotifier notifier;
  EXPECT_TRUE(calculator.StartUp(notifier));
  EXPECT_TRUE(notifier.messages.empty());
  EXPECT_EQ(calculator.general(), GeneralSettings{});
  EXPECT_EQ(calculator.mask(), MaskSettings{});
  EXPECT_TRUE(calculator.other().ShowsWelcome());
  const StatusTexts status = calculator.Status();
  EXPECT_EQ(status.number_system, "Decimal");
  EXPECT_EQ(status.mask, "= ");
  EXPECT_EQ(status.x_range, "xE[1;10]");
}

TEST(StartUp, EveryMissingFileReportsInOrderAndTheSequenceGoesOn) {
  TempWorkdir dir;
  dir.Remove("bin/general.ini");
  dir.Remove("bin/mask.ini");
  dir.Remove("bin/vara.ini");
  dir.Write("bin/graph.ini", "1\r\n10\r\n");  // too short: unreadable
  Calculator calculator(dir.root());
  RecordingNotifier notifier;
  EXPECT_FALSE(calculator.StartUp(notifier));
  const std::vector<std::string> expected = {
      "Quorvex could not find or open 'bin/general.ini'",
      "Quorvex will now be closed",
      "Quorvex could not find or open 'bin/graph.ini'",
      "Quorvex will now be closed",
      "Quorvex could not find or open 'bin/mask.ini'",
      "Quorvex will now be closed",
      "Quorvex could not find or open 'bin/vara.ini' or 'bin/vard.ini'",
      "Quorvex will now be closed",
  };
  EXPECT_EQ(notifier.messages, expected);
  EXPECT_TRUE(calculator.other().ShowsWelcome());  // the last step still ran
}

TEST(StartUp, StatusTextsFollowTheSettings) {
  TempWorkdir dir;
  dir.Write("bin/general.ini", "1\r\n1\r\n1\r\n0\r\n1\r\n1\r\n1\r\n");
  dir.Write("bin/mask.ini", "Result: \r\n0.000\r\n m\r\n");
  Calculator calculator(dir.root());
  RecordingNotifier notifier;
  ASSERT_TRUE(calculator.StartUp(notifier));
  EXPECT_EQ(calculator.Status().number_system, "Decimal (sci)");
  EXPECT_EQ(calculator.Status().mask, "Result: 0.000 m");
  calculator.general().numbersys = kHexadecimal;
  EXPECT_EQ(calculator.Status().number_system, "Hexadecimal");
}

struct SolveRow {
  const char* name;
  std::string expression;
  std::string answer;
  bool succeeded;
  std::optional<std::string> bits;
  std::optional<std::string> fault;
};

class CalculatorSolve : public testing::TestWithParam<SolveRow> {};

TEST_P(CalculatorSolve, Outcome) {
  TempWorkdir dir;
  Calculator calculator(dir.root());
  RecordingNotifier notifier;
  ASSERT_TRUE(calculator.StartUp(notifier));
  const SolveRow& row = GetParam();
  const SolveOutcome outcome = calculator.Solve(row.expression);
  EXPECT_EQ(outcome.answer, row.answer);
  EXPECT_EQ(outcome.succeeded, row.succeeded);
  EXPECT_EQ(outcome.bits, row.bits);
  EXPECT_EQ(outcome.fault, row.fault);
}

const SolveRow kSolveRows[] = {
    {"Answer", "4*(2+3)", "= 20", true, "5 bit", std::nullopt},
    {"Message", "1/0", "Error syntax, position before or after (/) is NaN", false, std::nullopt,
     std::nullopt},
    {"FaultInsideFormula", "rec[0]", "", false, std::nullopt, "Floating point division by zero"},
};

INSTANTIATE_TEST_SUITE_P(Rows, CalculatorSolve, testing::ValuesIn(kSolveRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CalculatorSolve, AfterAFaultTheNextSolveWorks) {
  TempWorkdir dir;
  Calculator calculator(dir.root());
  RecordingNotifier notifier;
  ASSERT_TRUE(calculator.StartUp(notifier));
  EXPECT_TRUE(calculator.Solve("rec[0]").fault.has_value());
  EXPECT_EQ(calculator.Solve("2+3").answer, "= 5");
}

TEST(ExpressionLog, WrittenAtEverySolveWhileLogcheckIsOn) {
  TempWorkdir dir;
  Calculator calculator(dir.root());
  RecordingNotifier notifier;
  ASSERT_TRUE(calculator.StartUp(notifier));
  const std::vector<std::string> list = {"2+3", "4*5"};
  calculator.Solve(list, 1);
  EXPECT_EQ(dir.Read("bin/log.ini"), "2+3\r\n4*5\r\n");

  calculator.general().logcheck = false;
  calculator.Solve(std::vector<std::string>{"7"}, 0);
  EXPECT_EQ(dir.Read("bin/log.ini"), "2+3\r\n4*5\r\n");
}

TEST(ExpressionLog, LoggedEvenWhenTheSolveFails) {
  TempWorkdir dir;
  Calculator calculator(dir.root());
  RecordingNotifier notifier;
  ASSERT_TRUE(calculator.StartUp(notifier));
  calculator.Solve(std::vector<std::string>{"{}"}, 0);
  EXPECT_EQ(dir.Read("bin/log.ini"), "{}\r\n");
}

TEST(ExpressionLog, ScriptCalculatorLeavesTheLogAlone) {
  TempWorkdir dir;
  dir.Write("bin/log.ini", "old\r\n");
  Calculator calculator(dir.root(), LogWriting::kOff);
  RecordingNotifier notifier;
  ASSERT_TRUE(calculator.StartUp(notifier));
  calculator.Solve("2+3");
  EXPECT_EQ(dir.Read("bin/log.ini"), "old\r\n");
}

TEST(ExpressionLog, AFailedWriteIsReportedNotIgnored) {
  TempWorkdir dir;
  Calculator calculator(dir.root());
  RecordingNotifier notifier;
  ASSERT_TRUE(calculator.StartUp(notifier));
  // A directory in the log's place cannot be replaced, whoever runs the test.
  dir.Remove("bin/log.ini");
  std::filesystem::create_directory(dir.File("bin/log.ini"));
  const SolveOutcome outcome = calculator.Solve("2+3");
  ASSERT_TRUE(outcome.fault.has_value());
  EXPECT_NE(outcome.fault->find("log.ini"), std::string::npos) << *outcome.fault;
  EXPECT_FALSE(outcome.succeeded);
}

// A writable log in a read-only folder is rewritten in place; a read-only one is not written.
TEST(ExpressionLog, AReadOnlyFolderKeepsAReadOnlyLog) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  TempWorkdir dir;
  dir.Write("bin/log.ini", "old\r\n");
  std::filesystem::permissions(dir.File("bin/log.ini"), std::filesystem::perms::owner_read);
  Calculator calculator(dir.root());
  RecordingNotifier notifier;
  ASSERT_TRUE(calculator.StartUp(notifier));
  std::filesystem::permissions(
      dir.File("bin"), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
  const SolveOutcome outcome = calculator.Solve("2+3");
  EXPECT_TRUE(outcome.fault.has_value());
  EXPECT_EQ(dir.Read("bin/log.ini"), "old\r\n");
}

// A clock that stands still and a host that records what a graph run showed.
class StillClock : public Clock {
 public:
  uint32_t TickCount() override { return 5000; }
};

class RecordingGraphHost : public GraphHost {
 public:
  bool ConfirmLongRun() override { return true; }
  void SetGaugeMaximum(int maximum) override { gauge_maximum = maximum; }
  void SetGaugePosition(int) override {}
  void ShowGauge() override {}
  void ShowGraphWindow(std::string_view answer) override { windows.emplace_back(answer); }
  int gauge_maximum = -1;
  std::vector<std::string> windows;
};

struct GraphCalculator {
  TempWorkdir dir;
  Calculator calculator{dir.root(), LogWriting::kOff};
  StillClock clock;
  RecordingGraphHost host;
  GraphCalculator() {
    RecordingNotifier notifier;
    EXPECT_TRUE(calculator.StartUp(notifier));
    calculator.SetClock(&clock);
    calculator.SetGraphHost(&host);
  }
};

TEST(CalculatorGraphRun, CompletesThroughTheHostAndLeavesItsStateForTheWindows) {
  GraphCalculator g;
  g.calculator.variables().declarations = {"b"};
  g.calculator.variables().assignments = {"x*2"};
  const std::vector<std::string> list = {"7", "b+1"};
  const SolveOutcome outcome = g.calculator.Solve(list, 1);
  EXPECT_TRUE(outcome.graph_run);
  EXPECT_TRUE(outcome.succeeded);
  EXPECT_EQ(outcome.answer, "10 calculation(s) done in 0 ms (0 ms per calculation)");
  EXPECT_FALSE(outcome.bits.has_value());
  EXPECT_TRUE(outcome.steps.empty());
  EXPECT_EQ(outcome.graph_points, 10u);
  // The formula shows the item as written, before the variable was spliced in.
  EXPECT_EQ(outcome.graph_formula, "f(x) = b+1 , xE[1;10]");
  EXPECT_EQ(g.calculator.graph_window().formula, "f(x) = b+1 , xE[1;10]");
  EXPECT_TRUE(g.calculator.graph_window().table_enabled);
  EXPECT_EQ(g.host.windows, (std::vector<std::string>{outcome.answer}));
  EXPECT_EQ(g.host.gauge_maximum, 10);
  EXPECT_EQ(g.calculator.chart().line().PointCount(), 10u);
  EXPECT_EQ(g.calculator.table().maxvalue, "21");
  EXPECT_EQ(g.calculator.ans(), 21);

  // An ordinary solve afterwards is unaffected, and sees ans from the run.
  EXPECT_EQ(g.calculator.Solve("ans+1").answer, "= 22");
}

struct GraphFailureRow {
  const char* name;
  const char* expression;
  std::string answer;
  std::optional<std::string> fault;
  size_t points;
};

class CalculatorGraphFailure : public testing::TestWithParam<GraphFailureRow> {};

TEST_P(CalculatorGraphFailure, IsReportedWithThePointsSoFar) {
  const GraphFailureRow& row = GetParam();
  GraphCalculator g;
  SolveOutcome outcome;
  ASSERT_NO_THROW(outcome = g.calculator.Solve(row.expression));
  EXPECT_TRUE(outcome.graph_run);
  EXPECT_FALSE(outcome.succeeded);
  EXPECT_EQ(outcome.answer, row.answer);
  EXPECT_EQ(outcome.fault, row.fault);
  EXPECT_EQ(outcome.graph_points, row.points);
  EXPECT_FALSE(outcome.graph_formula.has_value());
  EXPECT_TRUE(g.host.windows.empty());
}

const GraphFailureRow kGraphFailureRows[] = {
    {"EngineMessage", "1/(x-5)", "Error syntax, position before or after (/) is NaN", std::nullopt,
     4},
    {"FaultInsideAFormula", "rec[x-3]", "", "Floating point division by zero", 2},
};

INSTANTIATE_TEST_SUITE_P(Rows, CalculatorGraphFailure, testing::ValuesIn(kGraphFailureRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CalculatorGraphRun, WithoutSeamsRunsHeadless) {
  TempWorkdir dir;
  Calculator calculator(dir.root(), LogWriting::kOff);
  RecordingNotifier notifier;
  ASSERT_TRUE(calculator.StartUp(notifier));
  const SolveOutcome outcome = calculator.Solve("sin[x]");
  EXPECT_TRUE(outcome.succeeded);
  EXPECT_EQ(outcome.answer.rfind("10 calculation(s) done in ", 0), 0u) << outcome.answer;
}

}  // namespace
}  // namespace quorvex

namespace quorvex {
namespace {

TEST(PasteAnswer, NumberBecomesAnsAndIsShown) {
  testing_support::TempWorkdir dir;
  Calculator calculator(dir.root());
  SolveOutcome outcome = calculator.PasteAnswer("12,5");
  EXPECT_TRUE(outcome.succeeded);
  EXPECT_EQ(outcome.answer, "= 12,5");
  EXPECT_EQ(outcome.bits, "4 bit");
  EXPECT_EQ(calculator.Solve("ans*2").answer, "= 25");

  outcome = calculator.PasteAnswer("abc");
  EXPECT_FALSE(outcome.succeeded);
  EXPECT_EQ(outcome.answer, "Could not paste 'abc' to ans");
  EXPECT_FALSE(outcome.bits.has_value());
  EXPECT_EQ(calculator.ans(), 25);
}

TEST(PasteAnswer, ShownInTheChosenNumberSystem) {
  testing_support::TempWorkdir dir;
  Calculator calculator(dir.root());
  calculator.general().numbersys = kBinary;
  EXPECT_EQ(calculator.PasteAnswer("5").answer, "0  101");
}

}  // namespace
}  // namespace quorvex
