#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/seams.h"
#include "engine/engine_state.h"
#include "settings/data_files.h"
#include "settings/general_settings.h"
#include "settings/graph_settings.h"
#include "settings/mask_settings.h"
#include "settings/other_settings.h"
#include "settings/variable_store.h"

namespace quorvex {

// What one solve did, for the windows to show and the command line to print.
struct SolveOutcome {
  std::string answer;               // the text of the answer box
  std::vector<std::string> steps;   // the solution lines
  std::optional<std::string> bits;  // status panel 0, when an answer was formatted
  std::optional<std::string> fault;  // an untrapped fault's text, for the general error report
  bool succeeded = false;
  bool graph_run = false;  // the expression held x
};

// The status bar texts of panels 1, 2 and 3 as the start-up sequence and the dialogs set them.
struct StatusTexts {
  std::string number_system;  // "Decimal", "Decimal (sci)"
  std::string mask;           // prefix + mask + suffix
  std::string x_range;        // "xE[1;10]"
};

// "Decimal", with " (sci)" when scientific notation applies.
std::string NumberSystemStatusText(const GeneralSettings& general);

// Whether the run may write the expression log. The window program does; a script's
// calculations must leave every data file as it was.
enum class LogWriting { kOn, kOff };

// The one object that owns the long-lived state of a run: ans, both token lists, the solver
// counters, the random generators, the settings records and the variable store.
class Calculator {
 public:
  explicit Calculator(std::filesystem::path working_dir, LogWriting log = LogWriting::kOn);

  // Loads every data file in the start-up order (general, graph, mask, variables, first-run
  // flag) and computes the status texts. Each file that cannot be read reports its two
  // messages and the sequence goes on; false means the program must end.
  bool StartUp(Notifier& notifier);

  StatusTexts Status() const;

  // Solves item selected of the expression list; with logcheck on the whole list is logged
  // first.
  SolveOutcome Solve(std::span<const std::string> expression_list, size_t selected);
  SolveOutcome Solve(std::string_view expression);

  long double ans() const { return engine_.ans; }
  const DataDir& data_dir() const { return dir_; }
  GeneralSettings& general() { return general_; }
  MaskSettings& mask() { return mask_; }
  GraphSettings& graph() { return graph_; }
  OtherSettings& other() { return other_; }
  VariableStore& variables() { return variables_; }
  EngineState& engine() { return engine_; }

 private:
  DataDir dir_;
  LogWriting log_;
  GeneralSettings general_;
  MaskSettings mask_;
  GraphSettings graph_;
  OtherSettings other_;
  VariableStore variables_;
  EngineState engine_;
};

}  // namespace quorvex
