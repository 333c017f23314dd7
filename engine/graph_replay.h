#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/engine_state.h"
#include "engine/reduction.h"
#include "engine/solver.h"

namespace quorvex {

// The graph run's solve of one x after another. The token structure is the same for every x,
// so the cycles of the first x are recorded as operations on values and later x values replay
// them without touching the tokens. Whatever the replay cannot finish as the cycles would (a
// fault, a NaN, a rounding without a number, a random number) runs the cycles instead, from
// the tokens it left untouched. Switched off, every x runs the cycles.
class GraphReplay : private ReductionObserver {
 public:
  GraphReplay(Solver& solver, EngineState& state, bool enabled)
      : solver_(solver), state_(state), tape_state_(enabled ? kUnrecorded : kOff) {}
  GraphReplay(const GraphReplay&) = delete;
  GraphReplay& operator=(const GraphReplay&) = delete;
  // Leaves the working tokens as saved where Restore left that to the next x.
  ~GraphReplay();

  // Writes the current x into the x slots of the working tokens.
  void WriteX(const Token& x);

  // Solves the working tokens, whose x slots hold the current x, leaving f(x) in ans; false
  // with the cycles' message in the answer. A fault inside a function's formula propagates.
  bool Solve();

  // Leaves the working tokens as the cycles leave them for the current x (a replayed x did not
  // reduce them), for a run that ends at this x; false with the cycles' message.
  bool ReduceTokens();

  // The working tokens as saved, for the next x. After a replayed x only its x slots differ;
  // the next WriteX overwrites them, so they are restored only if none comes.
  void Restore();

 private:
  // One operation on value slots; slot 0 holds x.
  struct TapeOp {
    Reduction::Kind kind;
    int16_t out = 0;     // the slot written, where the operation writes one
    int16_t a = 0;       // left operand; for kCall the first argument in tape_args_
    int16_t b = 0;       // right operand; for kCall the argument count
    bool exact = false;  // kLone of a value that reads back as itself: no rounding
    const FunctionRow* row = nullptr;
  };
  enum TapeState : uint8_t { kUnrecorded, kReady, kOff };

  bool Record();
  bool Replay();
  void Reduced(const Reduction& reduction) override;
  bool ReadsBack(int slot) const;
  int16_t NewSlot(long double value);
  void Append(Reduction::Kind kind, int out, int a, int b, const FunctionRow* row = nullptr);
  // The recorded slots follow the tokens' removal.
  void Remove(int first, int n);

  Solver& solver_;
  EngineState& state_;
  TapeState tape_state_;
  bool replayed_ = false;         // the current x was replayed
  bool restore_pending_ = false;  // the x slots still hold the last x, for WriteX to replace
  std::vector<TapeOp> tape_;
  std::vector<int16_t> tape_args_;
  std::vector<long double> tape_values_;  // constants as recorded, results while replaying
  std::vector<long double> call_values_;
  int16_t first_result_slot_ = 0;  // slots from here on hold rounded results
  // What the recorded x left in the state, for a replay to leave the same.
  int tape_group_start_ = -1;
  bool tape_group_changed_ = false;
  int tape_last_cycle_count_ = 0;
  // While recording: the value slot of each token, -1 for one that holds no number.
  std::array<int16_t, TokenList::kCapacity> slot_of_{};
};

}  // namespace quorvex
