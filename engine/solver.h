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

// What a solve shows: the solution lines, the answer box and status panel 0.
struct SolveDisplay {
  std::vector<std::string> steps;
  std::string answer;
  std::string bits;        // empty until an answer is formatted
  bool formatted = false;  // FormatAnswer ran
};

// What a solve became. kFailed: it ended before any reduction (tokens, brackets, symbols).
enum class SolveKind { kFailed, kReduce, kGraphRun };

struct SolveResult {
  SolveKind kind = SolveKind::kFailed;
  bool succeeded = false;  // the failure's message is in the answer
};

class Solver;

// The graph run of an expression holding x, given the solver whose working and saved tokens
// hold the substituted expression and whose x positions are recorded; says whether it completed.
// A reference to the caller's callable, valid for the call it is passed to: a solve allocates
// nothing for it.
class GraphRunFn {
 public:
  GraphRunFn() = default;
  template <typename F>
  GraphRunFn(const F& run)  // NOLINT(google-explicit-constructor): a lambda is passed as it is
      : object_(&run), call_([](const void* object, Solver& solver) -> bool {
          return (*static_cast<const F*>(object))(solver);
        }) {}

  explicit operator bool() const { return call_ != nullptr; }
  bool operator()(Solver& solver) const { return call_(object_, solver); }

 private:
  const void* object_ = nullptr;
  bool (*call_)(const void*, Solver&) = nullptr;
};

// The step-wise reduction of one expression over the engine state. Cycles run as a loop: each
// one records a step line, removes redundant parentheses, picks the innermost group and
// reduces it (a square group through EvaluateCall). Every failure writes its message into the
// answer and returns false; faults inside a function's formula throw UntrappedFault.
class Solver {
 public:
  Solver(EngineState& state, const SolveSettings& settings, SolveDisplay& output)
      : state_(state), settings_(settings), out_(output) {}

  // The one way to start a solve: resets the per-solve counters and the display, tokenizes,
  // checks the brackets and substitutes the symbols; then reduces the list, or, when it holds
  // x, hands it to graph_run (none: the solve fails without a message).
  SolveResult Solve(std::string_view expression, GraphRunFn graph_run = {});

  // The reduction cycles up to one number (and, with no x, the formatted answer); the graph
  // run's solve of one x.
  bool RunCycles();

  // Tells observer of every reduction from now on; nullptr stops it.
  void SetObserver(ReductionObserver* observer) { observer_ = observer; }

 private:
  void BeginSolve();
  // Tokenizes the expression into the working tokens; false when the solve ends there.
  bool Tokenized(std::string_view expression);
  bool CheckBrackets();
  bool Substituted();
  void RecordStep();
  void RemoveRedundantParentheses();
  // -1: no bracket left, otherwise the slot of the chosen bracket; square tells its kind.
  int FindInnermostGroup(bool& square) const;
  bool ReduceGroup();
  bool ReduceStretch();
  bool Fail(std::string_view message);
  bool StepsWanted() const;
  void Tell(const Reduction& reduction) {
    if (observer_ != nullptr) observer_->Reduced(reduction);
  }

  EngineState& state_;
  const SolveSettings& settings_;
  SolveDisplay& out_;

  ReductionObserver* observer_ = nullptr;
};

}  // namespace quorvex
