#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/engine_state.h"
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

  // RunCycles for the current x of a graph run. The token structure is the same for every x,
  // so the cycles of the first x are recorded as operations on values and later x values
  // replay them without touching the tokens; replayed says so. Whatever the replay cannot
  // finish as the cycles would (a fault, a NaN, a rounding without a number) runs the cycles
  // instead, from the tokens it left untouched.
  bool RunGraphCycles(bool& replayed);

 private:
  // One operation of a recorded graph-run cycle on value slots; slot 0 holds x.
  struct TapeOp {
    enum Kind : uint8_t { kPower, kMul, kDiv, kSumBegin, kAdd, kSub, kSumEnd, kLone, kCall };
    Kind kind;
    int16_t out = 0;  // the slot written, where the operation writes one
    int16_t a = 0;    // left operand; for kCall the first argument in tape_args_
    int16_t b = 0;    // right operand; for kCall the argument count
    const FunctionRow* row = nullptr;
  };
  enum class TapeState : uint8_t { kUnrecorded, kReady, kOff };

  bool Replay();
  int16_t NewSlot(long double value);
  void Record(TapeOp::Kind kind, int out, int a, int b, const FunctionRow* row = nullptr);
  // tokens.Remove, with the recorded slots following the tokens.
  void RemoveTokens(int first, int n);

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

  EngineState& state_;
  const SolveSettings& settings_;
  SolveOutput& out_;

  TapeState tape_state_ = TapeState::kUnrecorded;
  bool recording_ = false;
  std::vector<TapeOp> tape_;
  std::vector<int16_t> tape_args_;
  std::vector<long double> tape_values_;  // constants as recorded, results while replaying
  std::vector<long double> call_values_;
  // What the recorded x left in the state, for a replay to leave the same.
  int tape_group_start_ = -1;
  bool tape_group_changed_ = false;
  int tape_last_cycle_count_ = 0;
  // While recording: the value slot of each token, -1 for one that holds no number.
  std::array<int16_t, TokenList::kCapacity> slot_of_{};
};

}  // namespace quorvex
