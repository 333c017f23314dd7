#include "graph/graph_run.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/checked_float.h"

namespace quorvex {
namespace {

constexpr const char* kCalculations =
    "One or more errors occurred in (Tools/Graph options/Calculations)";
constexpr const char* kEmptyRange =
    "The x range holds no x value. See (Tools/Graph options/Calculations)";

// A tick that moves only when the host says time passed.
class FakeClock : public Clock {
 public:
  uint32_t TickCount() override {
    ++reads;
    return now;
  }
  uint32_t now = 0;
  int reads = 0;
};

// Records what the run asks of its windows. Each solved x takes calc_ms (the clock moves when
// the gauge moves, once per x); each reminder waits wait_ms for the user.
class RecordingHost : public GraphHost {
 public:
  explicit RecordingHost(FakeClock& clock) : clock_(clock) {}

  bool ConfirmLongRun() override {
    ++reminders;
    clock_.now += wait_ms;
    if (answers.empty()) return true;
    const bool go_on = answers.front();
    answers.pop_front();
    return go_on;
  }
  void SetGaugeMaximum(int maximum) override { gauge_maximum = maximum; }
  void SetGaugePosition(int position) override {
    positions.push_back(position);
    clock_.now += calc_ms;
    if (position == jump_at) clock_.now += jump_ms;
  }
  void ShowGauge() override { gauge_visible = true; }
  void ShowGraphWindow(std::string_view answer) override { windows.emplace_back(answer); }

  uint32_t calc_ms = 0;
  uint32_t wait_ms = 0;
  int jump_at = -1;  // the gauge position at which the clock moves by jump_ms at once
  uint32_t jump_ms = 0;
  std::deque<bool> answers;  // Continue (true) or Stop, in order; Continue when empty
  int reminders = 0;
  int gauge_maximum = -1;
  bool gauge_visible = false;
  std::vector<int> positions;
  std::vector<std::string> windows;  // the answer each time the graph window was shown

 private:
  FakeClock& clock_;
};

// One engine with its settings and the graph state, running expressions as a solve does.
struct GraphRunFixture {
  std::unique_ptr<EngineState> engine = std::make_unique<EngineState>();
  GeneralSettings general;
  MaskSettings mask;
  VariableStore variables;
  GraphSettings graph;
  SolveDisplay output;
  ChartModel chart;
  ValueTable table;
  GraphWindowState window;
  FakeClock clock;
  RecordingHost host{clock};
  size_t points = 0;

  bool Run(std::string_view expression) {
    const SolveSettings settings{general, mask, variables};
    Solver solver(*engine, settings, output);
    const SolveResult result = solver.Solve(expression, [&](Solver& prepared) {
      const GraphRunContext run{*engine, prepared, output, graph, general, mask,
                                chart,   table,    window, clock, host};
      return RunGraph(run, expression, points);
    });
    if (result.kind != SolveKind::kGraphRun) ADD_FAILURE() << "not a graph run: " << output.answer;
    return result.succeeded;
  }

  std::vector<double> Xs() const {
    std::vector<double> xs;
    for (const ChartPoint& p : chart.line().points()) xs.push_back(p.x);
    return xs;
  }
  std::vector<double> Ys() const {
    std::vector<double> ys;
    for (const ChartPoint& p : chart.line().points()) ys.push_back(p.y);
    return ys;
  }
};

TEST(RunGraph, DefaultRangeGivesTenPointsAndTheTimingMessage) {
  GraphRunFixture f;
  f.host.calc_ms = 3;
  ASSERT_TRUE(f.Run("x*2"));
  EXPECT_EQ(f.Xs(), (std::vector<double>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(f.Ys(), (std::vector<double>{2, 4, 6, 8, 10, 12, 14, 16, 18, 20}));
  EXPECT_EQ(f.points, 10u);
  EXPECT_EQ(f.output.answer, "10 calculation(s) done in 30 ms (3 ms per calculation)");
  EXPECT_EQ(f.host.windows, (std::vector<std::string>{f.output.answer}));
  EXPECT_EQ(f.window.formula, "f(x) = x*2 , xE[1;10]");
  EXPECT_TRUE(f.window.table_enabled);
  EXPECT_EQ(f.host.gauge_maximum, 10);
  EXPECT_TRUE(f.host.gauge_visible);
  EXPECT_EQ(f.host.positions, (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
  EXPECT_EQ(f.host.reminders, 0);
  EXPECT_EQ(f.engine->ans, 20);                  // f of the last x
  EXPECT_EQ(f.engine->working.Joined(), "x*2");  // restored after every x
  EXPECT_EQ(f.table.table.size(), 10u);
  EXPECT_EQ(f.table.count, "10");
  EXPECT_EQ(f.table.sum, "110");
  EXPECT_EQ(f.table.maxvalue, "20");
  EXPECT_TRUE(f.output.steps.empty());
}

// A run that ends early: the settings, the expression and what is left.
struct EndRow {
  const char* name;
  std::function<void(GraphSettings&)> change;
  const char* expression;
  std::string answer;
  size_t points;
};

class RunGraphEnds : public testing::TestWithParam<EndRow> {};

TEST_P(RunGraphEnds, WithItsMessageAndNoWindow) {
  const EndRow& row = GetParam();
  GraphRunFixture f;
  row.change(f.graph);
  EXPECT_FALSE(f.Run(row.expression));
  EXPECT_EQ(f.output.answer, row.answer);
  EXPECT_EQ(f.points, row.points);
  EXPECT_EQ(f.chart.line().PointCount(), row.points);
  EXPECT_TRUE(f.host.windows.empty());
  EXPECT_EQ(f.window.formula, "");
}

const EndRow kEndRows[] = {
    {"IncrementZero", [](GraphSettings& s) { s.inc = "0"; }, "x", kCalculations, 0},
    {"IncrementNegativeWouldNeverEnd", [](GraphSettings& s) { s.inc = "-1"; }, "x", kCalculations,
     0},
    {"StartNotANumber", [](GraphSettings& s) { s.start = "one"; }, "x", kCalculations, 0},
    {"StopWithAPoint", [](GraphSettings& s) { s.stop = "1.5"; }, "x", kCalculations, 0},
    {"CountOverflows",
     [](GraphSettings& s) {
       s.start = "-1E4900";
       s.stop = "1E4900";
       s.inc = "1E-4900";
     },
     "x", kCalculations, 0},
    {"RangeHoldsNoX", [](GraphSettings& s) { s.start = "11"; }, "x", kEmptyRange, 0},
    {"StartLessThanAStepAboveStop", [](GraphSettings& s) { s.start = "10,5"; }, "x", kEmptyRange,
     0},
    {"ScalesRefused",
     [](GraphSettings& s) {
       s.xautocheck = false;
       s.xmin = "1,5";
     },
     "x", "One or more errors occurred in (Tools/Graph options/Scales)", 0},
    {"VisualsRefused",
     [](GraphSettings& s) {
       s.dcheck = true;
       s.percent = "0";
     },
     "x", "One or more errors occurred in (Tools/Graph options/Visuals)", 0},
    {"CountAboveTheLargest32BitValue", [](GraphSettings& s) { s.stop = "2147483648"; }, "x",
     "Too many x var calculations", 0},
    {"SolveFailsAtTheFifthX", [](GraphSettings&) {}, "1/(x-5)",
     "Error syntax, position before or after (/) is NaN", 4},
    {"FxOutsideTheDoubleRange", [](GraphSettings&) {}, "10^(x*100+300)",
     "The point x = 1, f(x) = 1E400 is outside the range of the graph", 0},
    {"IncrementTooSmallToMoveX",
     [](GraphSettings& s) {
       s.start = "1E30";
       s.stop = "1,0000000000001E30";
       s.inc = "1E9";
     },
     "x", "The x increment is too small to change x. See (Tools/Graph options/Calculations)", 1},
};

INSTANTIATE_TEST_SUITE_P(Rows, RunGraphEnds, testing::ValuesIn(kEndRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RunGraph, SettingsErrorsLeaveThePreviousGraphAndTooManyClearsIt) {
  GraphRunFixture f;
  ASSERT_TRUE(f.Run("x"));
  f.graph.inc = "0";
  EXPECT_FALSE(f.Run("x+1"));
  EXPECT_EQ(f.output.answer, kCalculations);
  EXPECT_EQ(f.chart.line().PointCount(), 10u);
  EXPECT_EQ(f.table.table.size(), 10u);
  EXPECT_EQ(f.window.formula, "f(x) = x , xE[1;10]");

  f.graph.inc = "1";
  f.graph.stop = "3E9";
  EXPECT_FALSE(f.Run("x+1"));
  EXPECT_EQ(f.output.answer, "Too many x var calculations");
  EXPECT_EQ(f.chart.line().PointCount(), 0u);
  EXPECT_TRUE(f.table.table.empty());
  EXPECT_EQ(f.host.gauge_maximum, 10);  // the gauge was not touched
}

TEST(RunGraph, ACountOfExactlyTheLargest32BitValuePasses) {
  GraphRunFixture f;
  f.graph.stop = "2147483647";
  f.host.calc_ms = 10000;    // the first x takes the whole reminder interval
  f.host.answers = {false};  // so the reminder before the second x comes, and stops
  EXPECT_FALSE(f.Run("x"));
  EXPECT_EQ(f.output.answer, "Operation was canceled");
  EXPECT_EQ(f.host.gauge_maximum, 2147483647);
  EXPECT_EQ(f.points, 1u);
}

TEST(RunGraph, ContinueLeavesTheWaitingOutOfTheTime) {
  GraphRunFixture f;
  f.host.calc_ms = 4000;
  f.host.wait_ms = 60000;
  ASSERT_TRUE(f.Run("x"));
  // 10 seconds of calculation pass before x = 4, 7 and 10.
  EXPECT_EQ(f.host.reminders, 3);
  EXPECT_EQ(f.output.answer, "10 calculation(s) done in 40000 ms (4000 ms per calculation)");
}

TEST(RunGraph, StopAtTheReminderKeepsThePointsSoFar) {
  GraphRunFixture f;
  f.host.calc_ms = 4000;
  f.host.wait_ms = 1000;
  f.host.answers = {true, false};
  EXPECT_FALSE(f.Run("x"));
  EXPECT_EQ(f.output.answer, "Operation was canceled");
  EXPECT_EQ(f.host.reminders, 2);
  EXPECT_EQ(f.Xs(), (std::vector<double>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(f.table.table.size(), 6u);
  EXPECT_TRUE(f.host.windows.empty());
}

// A run faster than the clock's tick reads it seldom, yet the reminder comes within a few dozen
// x values once 10 seconds have passed.
TEST(RunGraph, AFastRunReadsTheClockSeldomAndStillReminds) {
  GraphRunFixture f;
  f.graph.stop = "5000";
  f.host.jump_at = 1001;  // after the 1000th point
  f.host.jump_ms = 10000;
  f.host.answers = {false};
  EXPECT_FALSE(f.Run("x*2"));
  EXPECT_EQ(f.output.answer, "Operation was canceled");
  EXPECT_EQ(f.host.reminders, 1);
  EXPECT_GE(f.points, 1000u);
  EXPECT_LE(f.points, 1064u);
  EXPECT_LT(f.clock.reads, 100);
}

TEST(RunGraph, EveryXSlotGetsTheSameText) {
  GraphRunFixture f;
  f.graph.start = "0,5";
  f.graph.stop = "2";
  f.graph.inc = "0,5";
  ASSERT_TRUE(f.Run("x*10+x"));
  EXPECT_EQ(f.Ys(), (std::vector<double>{5.5, 11, 16.5, 22}));
  EXPECT_EQ(f.table.table.front(), "x: 0,5 <=> f(x): = 5,5");
  EXPECT_EQ(f.window.formula, "f(x) = x*10+x , xE[0,5;2]");
}

TEST(RunGraph, AccumulatedXIsWrittenInTheGeneralForm) {
  GraphRunFixture f;
  f.graph.start = "0";
  f.graph.stop = "0,3";
  f.graph.inc = "0,1";
  ASSERT_TRUE(f.Run("x"));
  ASSERT_GE(f.table.table.size(), 4u);
  EXPECT_EQ(f.table.table[3], "x: 0,3 <=> f(x): = 0,3");
}

TEST(RunGraph, FormulaShowsTheRangeInTheGeneralForm) {
  GraphRunFixture f;
  f.graph.start = "1,50";
  f.graph.stop = "4";
  ASSERT_TRUE(f.Run("sin[x]"));
  EXPECT_EQ(f.window.formula, "f(x) = sin[x] , xE[1,5;4]");
}

TEST(RunGraph, WithoutTscheckOnlyTheSumAndAreaAreKept) {
  GraphRunFixture f;
  f.general.tscheck = false;
  ASSERT_TRUE(f.Run("x-5"));
  EXPECT_TRUE(f.table.table.empty());
  EXPECT_TRUE(f.table.zero.empty());
  EXPECT_EQ(f.table.count, "");
  EXPECT_EQ(f.table.sum, "5");
  EXPECT_EQ(f.table.area, "25");
  EXPECT_FALSE(f.window.table_enabled);
}

TEST(RunGraph, AFaultInsideAFormulaEndsTheRunWithThePointsSoFar) {
  GraphRunFixture f;
  EXPECT_THROW(f.Run("rec[x-3]"), UntrappedFault);
  EXPECT_EQ(f.points, 2u);
  EXPECT_TRUE(f.host.windows.empty());
}

// The run writes the sum and area texts once: they must show the points so far however the run
// ends, also to a window that looks while the run waits for the user or when it is shown.
class SumWatchingHost : public RecordingHost {
 public:
  SumWatchingHost(FakeClock& clock, const ValueTable& table)
      : RecordingHost(clock), table_(table) {}
  bool ConfirmLongRun() override {
    seen.push_back("asked " + table_.sum + " " + table_.area);
    return RecordingHost::ConfirmLongRun();
  }
  void ShowGraphWindow(std::string_view answer) override {
    seen.push_back("shown " + table_.sum + " " + table_.area);
    RecordingHost::ShowGraphWindow(answer);
  }
  std::vector<std::string> seen;

 private:
  const ValueTable& table_;
};

struct SumEndRow {
  const char* name;
  const char* expression;
  uint32_t calc_ms;  // 4000 brings a reminder after the third x
  std::deque<bool> answers;
  bool throws;
  const char* sum;
  const char* area;
  std::vector<std::string> seen;
};

class RunGraphEndSums : public testing::TestWithParam<SumEndRow> {};

TEST_P(RunGraphEndSums, LeaveTheSumAndAreaOfThePointsSoFar) {
  const SumEndRow& row = GetParam();
  GraphRunFixture f;
  f.table.sum = "old";
  SumWatchingHost host(f.clock, f.table);
  host.calc_ms = row.calc_ms;
  host.answers = row.answers;
  const SolveSettings settings{f.general, f.mask, f.variables};
  Solver solver(*f.engine, settings, f.output);
  const auto graph_run = [&](Solver& prepared) {
    const GraphRunContext run{*f.engine, prepared, f.output, f.graph, f.general, f.mask,
                              f.chart,   f.table,  f.window, f.clock, host};
    return RunGraph(run, row.expression, f.points);
  };
  if (row.throws) {
    EXPECT_THROW(solver.Solve(row.expression, graph_run), UntrappedFault);
  } else {
    SolveKind kind = SolveKind::kFailed;
    EXPECT_NO_THROW(kind = solver.Solve(row.expression, graph_run).kind);
    EXPECT_EQ(kind, SolveKind::kGraphRun);
  }
  EXPECT_EQ(f.table.sum, row.sum);
  EXPECT_EQ(f.table.area, row.area);
  EXPECT_EQ(host.seen, row.seen);
}

const SumEndRow kEndSumRows[] = {
    {"Completed", "x-5", 0, {}, false, "5", "25", {"shown 5 25"}},
    {"ContinuedAtAReminder",
     "x-5",
     4000,
     {true},
     false,
     "5",
     "25",
     {"asked -9 9", "asked -9 11", "asked 0 20", "shown 5 25"}},
    {"StoppedAtAReminder", "x-5", 4000, {false}, false, "-9", "9", {"asked -9 9"}},
    {"ASolveFailsAtTheFifthX",
     "1/(x-5)",
     0,
     {},
     false,
     "-2,08333333333333",
     "2,08333333333333",
     {}},
    {"AFaultEndsTheRun", "rec[x-3]", 0, {}, true, "-1,5", "1,5", {}},
};

INSTANTIATE_TEST_SUITE_P(Rows, RunGraphEndSums, testing::ValuesIn(kEndSumRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RunGraph, ARunWithoutPointsKeepsTheSumAndAreaOfThePreviousOne) {
  GraphRunFixture f;
  ASSERT_TRUE(f.Run("x"));
  f.graph.start = "11";
  EXPECT_FALSE(f.Run("x"));
  EXPECT_EQ(f.table.sum, "55");
  EXPECT_EQ(f.table.area, "55");
}

// An empty x range is reported once the chart is configured and cleared: a Scales or Visuals
// refusal comes first and keeps the old graph; otherwise the old points are gone.
TEST(RunGraph, AnEmptyRangeIsReportedAfterTheChartIsConfiguredAndCleared) {
  GraphRunFixture f;
  ASSERT_TRUE(f.Run("x"));
  f.graph.start = "11";
  f.graph.xautocheck = false;
  f.graph.xmin = "1,5";
  EXPECT_FALSE(f.Run("x"));
  EXPECT_EQ(f.output.answer, "One or more errors occurred in (Tools/Graph options/Scales)");
  EXPECT_EQ(f.chart.line().PointCount(), 10u);
  EXPECT_EQ(f.table.table.size(), 10u);

  f.graph.xmin = "0";
  f.graph.dcheck = true;
  f.graph.percent = "0";
  EXPECT_FALSE(f.Run("x"));
  EXPECT_EQ(f.output.answer, "One or more errors occurred in (Tools/Graph options/Visuals)");
  EXPECT_EQ(f.chart.line().PointCount(), 10u);

  f.graph.dcheck = false;
  f.chart.Zoom(ZoomRect{1, 2, 1, 2});
  EXPECT_FALSE(f.Run("x"));
  EXPECT_EQ(f.output.answer, kEmptyRange);
  EXPECT_EQ(f.chart.line().PointCount(), 0u);
  EXPECT_TRUE(f.table.table.empty());
  EXPECT_FALSE(f.chart.zoom().has_value());
  EXPECT_EQ(f.host.gauge_maximum, 10);  // the gauge was not touched
}

// Every x of [start; stop] that the accumulated x reaches is calculated, allowing for the
// rounding of the additions, and none beyond stop.
struct RangeRow {
  const char* name;
  const char* start;
  const char* stop;
  const char* inc;
  const char* expression;
  size_t points;
  std::vector<std::string> first_rows;  // the table's first rows
  std::string last_row;                 // and its last
  double last_x;
};

class RunGraphRange : public testing::TestWithParam<RangeRow> {};

TEST_P(RunGraphRange, CalculatesEveryXUpToStop) {
  const RangeRow& row = GetParam();
  GraphRunFixture f;
  f.graph.start = row.start;
  f.graph.stop = row.stop;
  f.graph.inc = row.inc;
  ASSERT_TRUE(f.Run(row.expression)) << f.output.answer;
  EXPECT_EQ(f.points, row.points);
  ASSERT_EQ(f.table.table.size(), row.points);
  for (size_t i = 0; i < row.first_rows.size(); ++i) EXPECT_EQ(f.table.table[i], row.first_rows[i]);
  EXPECT_EQ(f.table.table.back(), row.last_row);
  EXPECT_TRUE(f.output.answer.starts_with(std::to_string(row.points) + " calculation(s) done in "));
  EXPECT_EQ(f.Xs().back(), row.last_x);  // the chart ends there too
}

const RangeRow kRangeRows[] = {
    {"DefaultsEndAtStop",
     "1",
     "10",
     "1",
     "x",
     10,
     {"x: 1 <=> f(x): = 1"},
     "x: 10 <=> f(x): = 10",
     10},
    {"HundredthsReachTwoDespiteRounding",
     "0",
     "2",
     "0,01",
     "sqrt[2-x]",
     201,
     {"x: 0 <=> f(x): = 1,4142135623731", "x: 0,01 <=> f(x): = 1,41067359796659"},
     "x: 2 <=> f(x): = 0",
     2},
    {"TenthsReachThreeTenths",
     "0",
     "0,3",
     "0,1",
     "x",
     4,
     {"x: 0 <=> f(x): = 0", "x: 0,1 <=> f(x): = 0,1", "x: 0,2 <=> f(x): = 0,2"},
     "x: 0,3 <=> f(x): = 0,3",
     0.3},
    {"NoHalfStepBeyondStop",
     "1,5",
     "10",
     "1",
     "x",
     9,
     {"x: 1,5 <=> f(x): = 1,5"},
     "x: 9,5 <=> f(x): = 9,5",
     9.5},
    {"NoStepBeyondStop",
     "0",
     "0,9",
     "0,5",
     "x",
     2,
     {"x: 0 <=> f(x): = 0"},
     "x: 0,5 <=> f(x): = 0,5",
     0.5},
    {"StartEqualsStop", "5", "5", "1", "x", 1, {}, "x: 5 <=> f(x): = 5", 5},
    {"DownFromNegativeThroughZero",
     "-1",
     "1",
     "0,25",
     "x",
     9,
     {"x: -1 <=> f(x): = -1"},
     "x: 1 <=> f(x): = 1",
     1},
};

INSTANTIATE_TEST_SUITE_P(Rows, RunGraphRange, testing::ValuesIn(kRangeRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvex
