#include "app/calculator.h"

#include "common/checked_float.h"
#include "common/line_file.h"
#include "common/number_text.h"
#include "engine/answer_format.h"
#include "engine/solver.h"
#include "graph/graph_run.h"
#include "settings/expression_log.h"
#include "settings/messages.h"

namespace quorvex {

Calculator::Calculator(std::filesystem::path working_dir, LogWriting log)
    : dir_(std::move(working_dir)), log_(log) {}

bool Calculator::StartUp(Notifier& notifier) {
  bool usable = true;
  auto report = [&](bool loaded, std::string_view message) {
    if (loaded) return;
    notifier.ShowMessage(message);
    notifier.ShowMessage(kWillBeClosed);
    usable = false;
  };
  if (log_ == LogWriting::kOn) {
    switch (lock_.Acquire(dir_.File("bin"))) {
      case FolderLock::Result::kTaken:
        report(false, kFolderInUseMessage);
        return false;
      case FolderLock::Result::kHeld:
        TidyDataFiles();
        break;
      case FolderLock::Result::kUnavailable:
        break;
    }
  }
  report(LoadGeneralSettings(dir_.File(kGeneralFile), general_), CouldNotOpenMessage(kGeneralFile));
  report(LoadGraphSettings(dir_.File(kGraphFile), graph_), CouldNotOpenMessage(kGraphFile));
  report(LoadMaskSettings(dir_.File(kMaskFile), mask_), CouldNotOpenMessage(kMaskFile));
  report(LoadVariableStore(dir_, variables_), kVariableFilesMessage);
  report(LoadOtherSettings(dir_.File(kOtherFile), other_), CouldNotOpenMessage(kOtherFile));
  return usable;
}

void Calculator::TidyDataFiles() {
  // Only the folder's one writer may take another save's leftovers for stale.
  for (const std::string_view file : {kGeneralFile, kOtherFile, kMaskFile, kGraphFile,
                                      kDeclarationsFile, kAssignmentsFile, kLogFile}) {
    RemoveStaleTemporaries(dir_.File(file));
  }
  SettleVariableStore(dir_);
}

StatusTexts Calculator::Status() const {
  return {NumberSystemStatusText(general_), MaskStatusText(mask_), XRangeStatusText(graph_)};
}

SolveOutcome Calculator::PasteAnswer(std::string_view text) {
  SolveOutcome outcome;
  const std::optional<long double> value = ParseNumber(text);
  if (!value) {
    outcome.answer = "Could not paste '" + std::string(text) + "' to ans";
    return outcome;
  }
  engine_.ans = *value;
  FormattedAnswer formatted = FormatAnswer(*value, general_, mask_);
  outcome.answer = std::move(formatted.answer);
  outcome.bits = std::move(formatted.bits);
  outcome.succeeded = true;
  return outcome;
}

SolveOutcome Calculator::Solve(std::string_view expression) {
  const std::string list[] = {std::string(expression)};
  return Solve(list, 0);
}

SolveOutcome Calculator::Solve(std::span<const std::string> expression_list, size_t selected) {
  SolveOutcome outcome;
  SolveDisplay output;
  const SolveSettings settings{general_, mask_, variables_};
  Solver solver(engine_, settings, output);
  try {
    if (general_.logcheck && log_ == LogWriting::kOn) {
      WriteExpressionLog(dir_.File(kLogFile),
                         std::vector<std::string>(expression_list.begin(), expression_list.end()));
    }
    const std::string_view expression =
        selected < expression_list.size() ? std::string_view(expression_list[selected]) : "";
    const auto graph_run = [&](Solver& prepared) {
      outcome.graph_run = true;
      const GraphRunContext run{engine_, prepared, output,        graph_,  general_, mask_,
                                chart_,  table_,   graph_window_, *clock_, *host_,   graph_replay_};
      const bool completed = RunGraph(run, expression, outcome.graph_points);
      if (completed) outcome.graph_formula = graph_window_.formula;
      return completed;
    };
    outcome.succeeded = solver.Solve(expression, graph_run).succeeded;
  } catch (const std::exception& fault) {
    output.answer.clear();
    outcome.succeeded = false;
    outcome.fault = fault.what();
  }
  outcome.answer = std::move(output.answer);
  outcome.steps = std::move(output.steps);
  if (output.formatted) outcome.bits = std::move(output.bits);
  return outcome;
}

}  // namespace quorvex
