#include "graph/graph_run.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "common/checked_float.h"
#include "common/format_pattern.h"
#include "common/number_text.h"
#include "engine/graph_replay.h"
#include "graph/graph_options.h"
#include "graph/messages.h"

namespace quorvex {
namespace {

constexpr long double kMaxCount = 2147483647;

struct RunRange {
  long double start = 0;
  long double stop = 0;
  long double inc = 0;
  long double count = 0;
};

// The range and its expected count. An increment of 0 or below is refused: a negative one
// would never end, and 0 divides by zero.
bool ParseRange(const GraphSettings& settings, RunRange& range) {
  const std::optional<long double> start = ParseNumber(settings.start);
  const std::optional<long double> stop = ParseNumber(settings.stop);
  const std::optional<long double> inc = ParseNumber(settings.inc);
  if (!start || !stop || !inc || !(*inc > 0)) return false;
  try {
    range.count = std::ceil(CheckedAdd(CheckedDiv(CheckedSub(*stop, *start), *inc), 1));
    CheckedAdd(*stop, *inc);  // the loop bound must be finite
  } catch (const FloatFault&) {
    return false;
  }
  range.start = *start;
  range.stop = *stop;
  range.inc = *inc;
  return true;
}

// Whether the accumulated x still belongs to [start; stop]: at most stop, or above it only by
// the rounding that `additions` additions of the increment, and the reading of the three
// texts, can leave (0..2 by 0,01 ends at an x a few bits above 2). An x a real step beyond stop
// is far outside that.
bool WithinStop(long double x, const RunRange& range, long double additions) {
  if (x <= range.stop) return true;
  const long double scale = std::max({std::fabs(range.start), std::fabs(range.stop), std::fabs(x)});
  return x - range.stop <=
         (additions + 2) * scale * 2 * std::numeric_limits<long double>::epsilon();
}

// Storage for the expected points is taken at once (no copying as they grow), but not for
// counts only a stop can end.
constexpr long double kMaxReserved = 1 << 24;

// When the reminder is due, reading the clock only as often as it can have moved: after a read
// that found it where the previous one did, the next read waits twice as many x values (up to
// kMaxStride); one that found it more than 1 ms on halves the wait. A clock that moves at every
// read or by 1 ms per x is read for every x, as are slow solves.
class ReminderCheck {
 public:
  ReminderCheck(Clock& clock, uint32_t reminder_tick, uint32_t interval)
      : clock_(clock),
        reminder_tick_(reminder_tick),
        last_read_(reminder_tick),
        interval_(interval) {}

  bool Due() {
    if (--until_read_ > 0) return false;
    const uint32_t now = clock_.TickCount();
    const uint32_t moved = now - last_read_;
    last_read_ = now;
    if (first_read_) {
      first_read_ = false;  // no x was solved since the run began: the clock tells nothing
    } else if (moved == 0) {
      stride_ = std::min(stride_ * 2, kMaxStride);
    } else if (moved > 1) {
      stride_ = std::max(stride_ / 2, 1);
    }
    until_read_ = stride_;
    return static_cast<uint32_t>(now - reminder_tick_) >= interval_;
  }

  // The user answered Continue at tick.
  void Restart(uint32_t tick) {
    reminder_tick_ = tick;
    last_read_ = tick;
  }

 private:
  static constexpr int kMaxStride = 64;
  Clock& clock_;
  uint32_t reminder_tick_;
  uint32_t last_read_;
  uint32_t interval_;
  int stride_ = 1;
  int until_read_ = 1;
  bool first_read_ = true;
};

bool OutsideDouble(long double value) {
  return std::fabs(value) > static_cast<long double>(std::numeric_limits<double>::max());
}

// RunGraph without the final write of the sum and area texts.
bool RunPoints(const GraphRunContext& run, std::string_view expression, size_t& points) {
  std::string& answer = run.output.answer;
  auto fail = [&](std::string_view message) {
    answer.assign(message);
    return false;
  };

  const uint32_t start_tick = run.clock.TickCount();
  ReminderCheck reminder(run.clock, run.clock.TickCount(), run.host.ReminderInterval());
  long double paused_ms = 0;  // waiting for the user is no calculation time

  RunRange range;
  if (!ParseRange(run.graph, range)) return fail(graph_messages::kCalculations);
  if (!ApplyGraphOptions(run.graph, run.chart, answer)) return false;

  run.table.Clear();
  run.chart.ClearSeries();
  run.chart.UndoZoom();
  // Reported once the chart is configured and emptied, like the refusals before it.
  if (!(range.start <= range.stop)) return fail(graph_messages::kEmptyRange);
  if (range.count > kMaxCount) return fail(graph_messages::kTooMany);
  const auto reserved = static_cast<size_t>(std::min(range.count + 1, kMaxReserved));
  run.chart.line().Reserve(reserved);
  if (run.general.tscheck) run.table.StartRows(run.mask, range.inc, reserved);

  run.host.SetGaugeMaximum(static_cast<int>(range.count));
  run.host.ShowGauge();

  EngineState& engine = run.engine;
  const ChartSeries& series = run.chart.line();
  const bool tscheck = run.general.tscheck;
  GraphReplay replay(run.solver, engine, run.replay);
  long double x = range.start;
  long double additions = 0;
  Token x_token;
  while (WithinStop(x, range, additions)) {
    x_token.SetNumber(x);  // spelled only if a message or step line needs the text
    replay.WriteX(x_token);

    if (reminder.Due()) {
      run.table.WriteSumAndArea();  // the user may look while asked
      const uint32_t pause_start = run.clock.TickCount();
      if (!run.host.ConfirmLongRun()) return fail(graph_messages::kCanceled);
      reminder.Restart(run.clock.TickCount());
      paused_ms += static_cast<uint32_t>(run.clock.TickCount() - pause_start);
    }

    if (!replay.Solve()) return false;
    const long double y = engine.ans;
    if (OutsideDouble(x) || OutsideDouble(y)) {
      // The run ends with the tokens the cycles leave.
      if (!replay.ReduceTokens()) return false;
      return fail(graph_messages::PointOutOfRange(FormatGeneral(x), FormatGeneral(y)));
    }

    run.table.AccumulateSumAndArea(y, series.PointCount());
    run.chart.AddPoint(static_cast<double>(x), static_cast<double>(y));
    ++points;
    if (tscheck) {
      run.table.current_x = x;
      run.table.AddTableRow(y, series.PointCount(), run.mask);
    }
    replay.Restore();
    const size_t position = series.PointCount() + 1;
    run.host.SetGaugePosition(position > static_cast<size_t>(std::numeric_limits<int>::max())
                                  ? std::numeric_limits<int>::max()
                                  : static_cast<int>(position));
    engine.last_cycle_count = 0;

    const long double next = x + range.inc;
    if (next == x) return fail(graph_messages::kIncrementTooSmall);
    x = next;
    ++additions;
  }
  run.table.WriteSumAndArea();

  run.window.formula = "f(x) = " + std::string(expression) + " , xE[" + FormatGeneral(range.start) +
                       ";" + FormatGeneral(range.stop) + "]";
  if (tscheck) run.table.FinishTableStats(series);
  run.window.table_enabled = tscheck;

  const long double elapsed = static_cast<uint32_t>(run.clock.TickCount() - start_tick) - paused_ms;
  const size_t n = series.PointCount();
  if (n == 0) return fail(graph_messages::kEmptyRange);
  const std::string per = FormatPattern("0.##", elapsed / static_cast<long double>(n));
  answer = graph_messages::Timing(std::to_string(n), FormatGeneral(elapsed), per);

  run.host.ShowGraphWindow(answer);
  return true;
}

}  // namespace

bool RunGraph(const GraphRunContext& run, std::string_view expression, size_t& points) {
  points = 0;
  // The sum and area texts are written once, however the run ends.
  bool done = false;
  try {
    done = RunPoints(run, expression, points);
  } catch (...) {
    run.table.WriteSumAndArea();
    throw;
  }
  run.table.WriteSumAndArea();
  return done;
}

}  // namespace quorvex
