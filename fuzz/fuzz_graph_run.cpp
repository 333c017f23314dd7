// A graph run over a small x range. Input: three bytes choose the start, stop and increment
// texts from short lists (at most a few dozen x values), one byte of option flags, one the
// clock's step per read (to reach the long-operation reminder), then LF-separated lines: the
// axis limits xmin, xmax, ymin, ymax, the 3D percent, the mask pattern, and the expression.
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>

#include "app/calculator.h"
#include "fuzz_input.h"

namespace {

const char* const kStarts[] = {"1", "0", "-3", "0,5", "-1E-3", "{1}", "", "abc", "1E400"};
const char* const kStops[] = {"10", "1", "3", "-2", "0", "2,5", "", "x", "1e1"};
const char* const kIncrements[] = {"1", "0,5", "0,25", "-1", "0", "", "-0,5", "1E-400", "nan"};
const uint32_t kClockSteps[] = {0, 1, 999, 5000, 10000, 0xFFFFFFFFu};

template <typename T, size_t N>
const T& Pick(const T (&list)[N], uint8_t byte) {
  return list[byte % N];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quorvex;
  fuzzing::FuzzInput input(data, size);
  Calculator calculator("/nonexistent-quorvex-fuzz", LogWriting::kOff);
  GraphSettings& graph = calculator.graph();
  graph.start = Pick(kStarts, input.Byte());
  graph.stop = Pick(kStops, input.Byte());
  graph.inc = Pick(kIncrements, input.Byte());
  const uint8_t flags = input.Byte();
  graph.xautocheck = (flags & 1) != 0;
  graph.yautocheck = (flags & 2) != 0;
  graph.xlogcheck = (flags & 4) != 0;
  graph.ylogcheck = (flags & 8) != 0;
  graph.xinvcheck = graph.yinvcheck = (flags & 16) != 0;
  graph.dcheck = graph.scheck = graph.pcheck = (flags & 32) != 0;
  calculator.general().tscheck = (flags & 64) != 0;
  fuzzing::SteppingClock clock(Pick(kClockSteps, input.Byte()));
  fuzzing::ScriptedHost host((flags & 128) != 0);
  calculator.SetClock(&clock);
  calculator.SetGraphHost(&host);
  graph.xmin = input.Line();
  graph.xmax = input.Line();
  graph.ymin = input.Line();
  graph.ymax = input.Line();
  graph.percent = input.Line();
  calculator.mask().mask = input.Line();
  const std::string expression = input.Rest();

  const SolveOutcome outcome = calculator.Solve(expression);
  // The longest range in the lists has 53 values.
  if (outcome.graph_points > 60 || calculator.chart().line().PointCount() > 60) __builtin_trap();
  ChartModel& chart = calculator.chart();
  chart.XMinimum();
  chart.XMaximum();
  chart.YMinimum();
  chart.YMaximum();
  chart.SetYLogarithmic(!chart.y_axis().logarithmic());
  chart.SetXLogarithmic(!chart.x_axis().logarithmic());
  return 0;
}
