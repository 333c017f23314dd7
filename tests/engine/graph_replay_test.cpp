// The graph run's replay must be invisible: every graph expression of the test corpus runs
// with the replay on and off, and everything the run shows or leaves must be equal, points as
// exact hex doubles.
#include "engine/graph_replay.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/calculator.h"
#include "fuzz_input.h"
#include "tests/engine/golden_corpus.h"

namespace quorvex {
namespace {

using testing_support::Unescape;

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string Hex(long double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%La", value);
  return buffer;
}

std::string Hex(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%a", value);
  return buffer;
}

void AppendList(std::string& out, const char* name, const std::vector<std::string>& lines) {
  for (const std::string& line : lines) out += std::string(name) + "=" + line + "\n";
}

// Everything a graph run shows or leaves for the next solve.
std::string Describe(const SolveOutcome& outcome, Calculator& calc) {
  std::string out = "answer=" + outcome.answer + "\n";
  AppendList(out, "step", outcome.steps);
  out += "fault=" + outcome.fault.value_or("none") + "\n";
  out += "succeeded=" + std::to_string(outcome.succeeded) +
         " graph_run=" + std::to_string(outcome.graph_run) +
         " points=" + std::to_string(outcome.graph_points) +
         "\nformula=" + outcome.graph_formula.value_or("none") + "\n";
  const EngineState& engine = calc.engine();
  out += "ans=" + Hex(calc.ans()) + "\n";
  out += "working=" + std::to_string(engine.working.count) + ":" + engine.working.Joined() + "\n";
  out += "saved=" + std::to_string(engine.saved.count) + ":" + engine.saved.Joined() + "\n";
  out += "group_start=" + std::to_string(engine.group_start) +
         " group_changed=" + std::to_string(engine.group_changed) +
         " last_cycle_count=" + std::to_string(engine.last_cycle_count) + "\n";
  for (const ChartPoint& point : calc.chart().line().points()) {
    out += "point=" + Hex(point.x) + " " + Hex(point.y) + "\n";
  }
  const ValueTable& table = calc.table();
  AppendList(out, "row", table.table);
  AppendList(out, "top", table.top);
  AppendList(out, "max", table.max);
  AppendList(out, "bottom", table.bottom);
  AppendList(out, "min", table.min);
  AppendList(out, "zero", table.zero);
  out += "boxes=" + table.count + "|" + table.maxvalue + "|" + table.minvalue + "|" + table.sum +
         "|" + table.area + "|" + table.tcount + "|" + table.maxcount + "|" + table.bcount + "|" +
         table.mincount + "|" + table.zcount + "\n";
  out += "table_enabled=" + std::to_string(calc.graph_window().table_enabled) + "\n";
  return out;
}

// Two calculators that differ only in the replay switch, solving the same session.
struct Pair {
  Calculator on{"/nonexistent-quorvex-replay", LogWriting::kOff};
  Calculator off{"/nonexistent-quorvex-replay", LogWriting::kOff};
  fuzzing::SteppingClock on_clock{1};
  fuzzing::SteppingClock off_clock{1};

  Pair() {
    off.SetGraphReplay(false);
    on.SetClock(&on_clock);
    off.SetClock(&off_clock);
    for (Calculator* calc : {&on, &off}) {
      VariableStore& v = calc->variables();
      v.declarations = {"a", "b", "r", "big", "empty"};
      v.assignments = {"2*x", "x^2+1", "rand[3]", "1E300*x^9", ""};
    }
  }

  template <typename Change>
  void Both(Change change) {
    change(on);
    change(off);
  }

  // Solves in both and returns whether the outcomes are equal; what differs goes to the log.
  bool SameOutcome(const std::string& expression, const std::string& label) {
    const std::string with_replay = Describe(on.Solve(expression), on);
    const std::string without = Describe(off.Solve(expression), off);
    EXPECT_EQ(with_replay, without) << label << ": " << expression;
    return with_replay == without;
  }
};

struct Range {
  const char* start;
  const char* stop;
  const char* inc;
};

const Range kRanges[] = {{"1", "10", "1"},
                         {"-2", "2", "0,1"},
                         {"-3", "3", "0,5"},
                         {"0", "1", "0,125"},
                         {"99999999999990", "100000000000010", "1"}};

// Expressions whose later x values fail, give NaN, fault, leave the double range, draw random
// numbers or go through variables; the corpus has few of them.
const char* const kLaterX[] = {"sin[x]*x^2+ln[x]",
                               "3*x^2-2*x+1",
                               "1/(x-3)",
                               "ln[x]+1",
                               "(x-1)^0,5",
                               "x^4000",
                               "10^(x*1000)",
                               "big*x",
                               "rec[x]",
                               "![x]",
                               "fibo[x]+1",
                               "x/(x-x)",
                               "a*x+b",
                               "ans*x+1",
                               "rand[x]+x",
                               "r*x",
                               "randr[x;5]*x",
                               "max[x;1;x^2]",
                               "sum[x;-x;x*2]/count[x;x]",
                               "((x))+(1/3)*3",
                               "sin[cos[x]]^2+cos[sin[x]]^2",
                               "mod[x;0]",
                               "sin[x;2]",
                               "[x]",
                               "x*1E4000",
                               "1,23456789012345678*x",
                               "x^2^0,5",
                               "-x^2+x",
                               "atanh[x]*x",
                               "2*empty+x",
                               "x;x*2",
                               "(x;2)",
                               "x+"};

void RunOverRanges(Pair& pair, const std::string& expression, const std::string& label) {
  for (const Range& range : kRanges) {
    for (const bool table : {true, false}) {
      pair.Both([&](Calculator& calc) {
        calc.graph().start = range.start;
        calc.graph().stop = range.stop;
        calc.graph().inc = range.inc;
        calc.general().tscheck = table;
      });
      if (!pair.SameOutcome(expression, label + " from " + range.start)) return;
    }
  }
}

TEST(GraphReplay, LaterXExpressionsGiveTheSameOutcomeWithAndWithoutIt) {
  Pair pair;  // one session: ans and the random generators carry over
  for (const char* expression : kLaterX) RunOverRanges(pair, expression, "later x");
}

// A reminder comes before the x is solved, with the x already written: a stop leaves that x in
// the tokens, whether the x before it was replayed or not.
TEST(GraphReplay, RemindersGiveTheSameOutcomeWithAndWithoutIt) {
  for (const uint32_t step : {2500u, 5000u}) {
    for (const bool go_on : {true, false}) {
      Pair pair;
      pair.on_clock = fuzzing::SteppingClock(step);
      pair.off_clock = fuzzing::SteppingClock(step);
      fuzzing::ScriptedHost host(go_on);
      pair.Both([&](Calculator& calc) { calc.SetGraphHost(&host); });
      for (const char* expression : {"3*x^2-2*x+1", "sin[x]*x^2+ln[x]", "rand[x]+x", "1/(x-7)"}) {
        pair.SameOutcome(expression, "clock step " + std::to_string(step));
      }
    }
  }
}

TEST(GraphReplay, CorpusGraphExpressionsGiveTheSameOutcomeWithAndWithoutIt) {
  std::ifstream in(std::string(QUORVEX_GOLDEN_DIR) + "/corpus.txt", std::ios::binary);
  Pair pair;
  int graphs = 0;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    const std::string expression = Unescape(line);
    if (expression.find('x') == std::string::npos) continue;
    ++graphs;
    RunOverRanges(pair, expression, "corpus line " + std::to_string(number));
  }
  EXPECT_GT(graphs, 100);
}

// The graph-run fuzzer's seeds, set up as the fuzzer does: range, chart and table options, the
// clock's step (which brings reminders), the reminder's answer, axis limits, mask, expression.
TEST(GraphReplay, FuzzSeedsGiveTheSameOutcomeWithAndWithoutIt) {
  const char* const starts[] = {"1", "0", "-3", "0,5", "-1E-3", "{1}", "", "abc", "1E400"};
  const char* const stops[] = {"10", "1", "3", "-2", "0", "2,5", "", "x", "1e1"};
  const char* const increments[] = {"1", "0,5", "0,25", "-1", "0", "", "-0,5", "1E-400", "nan"};
  const uint32_t clock_steps[] = {0, 1, 999, 5000, 10000, 0xFFFFFFFFu};
  int seeds = 0;
  for (const auto& entry : std::filesystem::directory_iterator(QUORVEX_GRAPH_SEED_DIR)) {
    ++seeds;
    const std::string data = ReadFile(entry.path());
    fuzzing::FuzzInput input(reinterpret_cast<const uint8_t*>(data.data()), data.size());
    Pair pair;
    const uint8_t start = input.Byte(), stop = input.Byte(), inc = input.Byte();
    const uint8_t flags = input.Byte();
    const uint32_t step = clock_steps[input.Byte() % std::size(clock_steps)];
    pair.on_clock = fuzzing::SteppingClock(step);
    pair.off_clock = fuzzing::SteppingClock(step);
    fuzzing::ScriptedHost host((flags & 128) != 0);
    const std::string xmin = input.Line(), xmax = input.Line(), ymin = input.Line(),
                      ymax = input.Line(), percent = input.Line(), mask = input.Line();
    pair.Both([&](Calculator& calc) {
      GraphSettings& graph = calc.graph();
      graph.start = starts[start % std::size(starts)];
      graph.stop = stops[stop % std::size(stops)];
      graph.inc = increments[inc % std::size(increments)];
      graph.xautocheck = (flags & 1) != 0;
      graph.yautocheck = (flags & 2) != 0;
      graph.xlogcheck = (flags & 4) != 0;
      graph.ylogcheck = (flags & 8) != 0;
      graph.xinvcheck = graph.yinvcheck = (flags & 16) != 0;
      graph.dcheck = graph.scheck = graph.pcheck = (flags & 32) != 0;
      calc.general().tscheck = (flags & 64) != 0;
      calc.SetGraphHost(&host);
      graph.xmin = xmin;
      graph.xmax = xmax;
      graph.ymin = ymin;
      graph.ymax = ymax;
      graph.percent = percent;
      calc.mask().mask = mask;
    });
    pair.SameOutcome(input.Rest(), entry.path().filename().string());
  }
  EXPECT_GT(seeds, 0);
}

// The equality above must not hold because nothing is replayed: a replayed x leaves the tokens
// unreduced, and what cannot replay (random numbers, a failed first x) never does.
struct ReplayRow {
  const char* name;
  const char* expression;
  bool replays;
};

class GraphReplaySwitch : public testing::TestWithParam<ReplayRow> {};

TEST_P(GraphReplaySwitch, ReplaysTheSecondXOnlyWhenOnAndPossible) {
  for (const bool enabled : {true, false}) {
    EngineState state;
    GeneralSettings general;
    MaskSettings mask;
    VariableStore variables;
    SolveDisplay display;
    const SolveSettings settings{general, mask, variables};
    Solver solver(state, settings, display);
    std::vector<int> counts_after;  // the working token count after each x
    const SolveResult result = solver.Solve(GetParam().expression, [&](Solver& prepared) {
      GraphReplay replay(prepared, state, enabled);
      for (const long double x : {1.0L, 2.0L, 3.0L}) {
        Token x_token;
        x_token.SetNumber(x);
        for (const int slot : state.x_positions) state.working[slot] = x_token;
        if (!replay.Solve()) return false;
        counts_after.push_back(state.working.count);
        replay.Restore();
        state.last_cycle_count = 0;
      }
      return true;
    });
    ASSERT_TRUE(result.succeeded) << display.answer;
    EXPECT_EQ(result.kind, SolveKind::kGraphRun);
    EXPECT_EQ(counts_after[0], 1);
    const int later = enabled && GetParam().replays ? state.saved.count : 1;
    EXPECT_EQ(counts_after[1], later) << (enabled ? "on" : "off");
    EXPECT_EQ(counts_after[2], later) << (enabled ? "on" : "off");
  }
}

const ReplayRow kReplayRows[] = {
    {"Polynomial", "3*x^2-2*x+1", true},
    {"FunctionsAndParentheses", "sin[(x)]*x^2+ln[x]", true},
    {"RandomFunctionRunsTheCycles", "rand[x]+x", false},
    {"RandomNumberWithoutXRunsTheCycles", "x+rand[2]", false},
};
INSTANTIATE_TEST_SUITE_P(Rows, GraphReplaySwitch, testing::ValuesIn(kReplayRows),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvex
