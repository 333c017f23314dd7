#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/folder_lock.h"
#include "app/seams.h"
#include "engine/engine_state.h"
#include "graph/chart_model.h"
#include "graph/graph_run.h"
#include "graph/value_table.h"
#include "settings/data_files.h"
#include "settings/general_settings.h"
#include "settings/graph_settings.h"
#include "settings/mask_settings.h"
#include "settings/other_settings.h"
#include "settings/variable_store.h"

namespace quorvex {

// What one solve did, for the windows to show and the command line to print.
struct SolveOutcome {
  std::string answer;                // the text of the answer box
  std::vector<std::string> steps;    // the solution lines
  std::optional<std::string> bits;   // status panel 0, when an answer was formatted
  std::optional<std::string> fault;  // an untrapped fault's text, for the general error report
  bool succeeded = false;
  bool graph_run = false;  // the expression held x
  // For a graph run: the points it put into the series (kept after a stop or a failure), and
  // the graph window's formula line once it completed.
  size_t graph_points = 0;
  std::optional<std::string> graph_formula;
};

// The status bar texts of panels 1, 2 and 3 as the start-up sequence and the dialogs set them.
struct StatusTexts {
  std::string number_system;  // "Decimal", "Decimal (sci)"
  std::string mask;           // prefix + mask + suffix
  std::string x_range;        // "xE[1;10]"
};

// Whether the run may write the expression log. The window program does, and so it is the one
// writer of its folder (FolderLock); a script's calculations must leave every data file as it
// was, and may run beside a window.
enum class LogWriting { kOn, kOff };

// The one object that owns the long-lived state of a run: ans, both token lists, the solver
// counters, the random generators, the settings records and the variable store.
class Calculator {
 public:
  explicit Calculator(std::filesystem::path working_dir, LogWriting log = LogWriting::kOn);

  // Loads every data file in the start-up order (general, graph, mask, variables, first-run
  // flag) and computes the status texts. Each file that cannot be read reports its two
  // messages and the sequence goes on; false means the program must end. A writing run first
  // takes its folder's lock: when another window holds it, that is reported with two messages
  // and false, before anything is read.
  bool StartUp(Notifier& notifier);

  StatusTexts Status() const;

  // Solves item selected of the expression list; with logcheck on the whole list is logged
  // first. An expression with x becomes a graph run through the clock and the graph host; it
  // returns when the host has shown (and closed) the graph window.
  SolveOutcome Solve(std::span<const std::string> expression_list, size_t selected);
  SolveOutcome Solve(std::string_view expression);

  // The answer paste: a text that reads as a number becomes ans and is shown as an answer
  // (steps emptied); any other text gives its message and leaves ans as it was.
  SolveOutcome PasteAnswer(std::string_view text);

  long double ans() const { return engine_.ans; }
  const DataDir& data_dir() const { return dir_; }
  GeneralSettings& general() { return general_; }
  MaskSettings& mask() { return mask_; }
  GraphSettings& graph() { return graph_; }
  OtherSettings& other() { return other_; }
  VariableStore& variables() { return variables_; }
  EngineState& engine() { return engine_; }

  // The graph run's seams, owned by the caller and kept until replaced; nullptr restores the
  // defaults, a steady clock and a host without windows that never stops for a reminder.
  void SetClock(Clock* clock) { clock_ = clock ? clock : &steady_clock_; }
  void SetGraphHost(GraphHost* host) { host_ = host ? host : &headless_host_; }

  // Later x values of a graph run replay the reductions of the first; off, every x runs the
  // reduction cycles. The outcome is the same either way, only the speed differs.
  void SetGraphReplay(bool on) { graph_replay_ = on; }

  // What the last graph run left for the windows to show: the chart (series, axes, colours,
  // zoom), the value table and statistics window's boxes, and the graph window's formula line
  // and table button. The graph window may zoom the chart.
  ChartModel& chart() { return chart_; }
  const ChartModel& chart() const { return chart_; }
  const ValueTable& table() const { return table_; }
  const GraphWindowState& graph_window() const { return graph_window_; }

 private:
  // Clears what stopped saves left in bin/: temporaries of dead processes, an unfinished save
  // of the variable pair.
  void TidyDataFiles();

  DataDir dir_;
  LogWriting log_;
  FolderLock lock_;
  GeneralSettings general_;
  MaskSettings mask_;
  GraphSettings graph_;
  OtherSettings other_;
  VariableStore variables_;
  EngineState engine_;
  ChartModel chart_;
  ValueTable table_;
  GraphWindowState graph_window_;
  SteadyClock steady_clock_;
  HeadlessGraphHost headless_host_;
  Clock* clock_ = &steady_clock_;
  GraphHost* host_ = &headless_host_;
  bool graph_replay_ = true;
};

}  // namespace quorvex
