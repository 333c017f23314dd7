#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_state.h"
#include "engine/reduction.h"
#include "settings/general_settings.h"
#include "settings/mask_settings.h"
#include "settings/variable_store.h"

namespace quorvex {

// What a solve reads of the settings; the maths reads nothing else.
struct SolveSettings {
  const GeneralSettings& general;
  const MaskSettings& mask;
  const VariableStore& variables;
};

// What a solve writes: the solution lines, the answer box and status panel 0.
struct SolveOutput {
  std::vector<std::string> steps;
  std::string answer;
  std::string bits;        // empty until an answer is formatted
  bool formatted = false;  // FormatAnswer ran
};

enum class PrepareResult { kFailed, kReduce, kGraphRun };

// The step-wise reduction of one expression over the engine state. Cycles run as a loop: each
// one records a step line, removes redundant parentheses, picks the innermost group and
// reduces it (a square group through EvaluateCall). Every failure writes its message into the
// answer and returns false; faults inside a function's formula throw UntrappedFault.
class Solver {
 public:
  Solver(EngineState& state, const SolveSettings& settings, SolveOutput& output)
      : state_(state), settings_(settings), out_(output) {}

  // Resets the per-solve counters and empties the output.
  void BeginSolve();

  // Tokenizes the expression, checks the brackets and substitutes the symbols; says whether
  // the list is to be reduced or calculated over x.
  PrepareResult Prepare(std::string_view expression);

  // The reduction cycles up to one number (and, with no x, the formatted answer).
  bool RunCycles();

  // Replaces constants, ans and variables; records the x positions.
  bool SubstituteSymbols();

  // Tells observer of every reduction from now on; nullptr stops it.
  void SetObserver(ReductionObserver* observer) { observer_ = observer; }

 private:
  bool CheckBrackets();
  bool SpliceVariable(int slot, int line);
  void RecordXPositions();
  void RecordStep();
  void RemoveRedundantParentheses();
  // -1: no bracket left, otherwise the slot of the chosen bracket; square tells its kind.
  int FindInnermostGroup(bool& square) const;
  bool ReduceGroup();
  bool ReduceStretch();
  bool EvaluateCall();
  bool ApplyFunction(const struct FunctionRow& row, int param_count);
  bool Fail(std::string_view message);
  bool StepsWanted() const;
  void Tell(const Reduction& reduction) {
    if (observer_ != nullptr) observer_->Reduced(reduction);
  }

  EngineState& state_;
  const SolveSettings& settings_;
  SolveOutput& out_;

  ReductionObserver* observer_ = nullptr;
};

}  // namespace quorvex
