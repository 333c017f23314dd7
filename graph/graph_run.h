#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/engine_state.h"
#include "engine/solver.h"
#include "graph/chart_model.h"
#include "graph/seams.h"
#include "graph/value_table.h"
#include "settings/general_settings.h"
#include "settings/graph_settings.h"
#include "settings/mask_settings.h"

namespace quorvex {

// What the graph window shows besides the chart.
struct GraphWindowState {
  std::string formula;         // "f(x) = sin[x] , xE[1;10]"; empty before the first run
  bool table_enabled = false;  // the "Table and stats" button
};

// Everything a run reads and writes. The solver must have prepared the expression: working and
// saved hold the substituted tokens and x_positions their x slots.
struct GraphRunContext {
  EngineState& engine;
  Solver& solver;  // its RunCycles is one solve of the current x
  SolveDisplay& output;
  const GraphSettings& graph;
  const GeneralSettings& general;  // tscheck
  const MaskSettings& mask;
  ChartModel& chart;
  ValueTable& table;
  GraphWindowState& window;
  Clock& clock;
  GraphHost& host;
  bool replay = true;  // later x values replay the first one's reductions (same outcome)
};

// Calculates the expression for every x of the range in the settings: each x is written into
// the x slots, solved, drawn and tabled, and the tokens restored. True when the loop completed
// and the graph window was shown; every other end leaves its message in output.answer, and a
// fault inside a function's formula propagates. expression is the list item as the user wrote
// it, for the formula line; points counts the points this run puts into the series, also when
// it ends early.
bool RunGraph(const GraphRunContext& run, std::string_view expression, size_t& points);

}  // namespace quorvex
