// The graph run's replay: the cycles of the first x recorded as operations on values, and
// their replay for every further x without touching the tokens.
#include <cmath>

#include "common/number_text.h"
#include "engine/solver.h"
#include "library/function_table.h"

namespace quorvex {

bool Solver::RunGraphCycles(bool& replayed) {
  replayed = false;
  if (tape_state_ == TapeState::kReady) {
    if (Replay()) {
      replayed = true;
      return true;
    }
    return RunCycles();
  }
  if (tape_state_ == TapeState::kOff) return RunCycles();

  tape_.clear();
  tape_args_.clear();
  tape_values_.assign(1, 0);
  const TokenList& tokens = state_.working;
  for (int i = 0; i < tokens.count; ++i) {
    const auto value = tokens[i].Number();
    slot_of_[i] = value ? NewSlot(*value) : -1;
  }
  for (const int slot : state_.x_positions) slot_of_[slot] = 0;
  recording_ = true;
  bool done = false;
  try {
    done = RunCycles();
  } catch (...) {
    recording_ = false;
    tape_state_ = TapeState::kOff;
    throw;
  }
  recording_ = false;
  // A run that failed at its first x ends there; one drawing random numbers cannot replay.
  tape_state_ = done && tape_state_ == TapeState::kUnrecorded ? TapeState::kReady : TapeState::kOff;
  tape_group_start_ = state_.group_start;
  tape_group_changed_ = state_.group_changed;
  tape_last_cycle_count_ = state_.last_cycle_count;
  return done;
}

int16_t Solver::NewSlot(long double value) {
  tape_values_.push_back(value);
  return static_cast<int16_t>(tape_values_.size() - 1);
}

void Solver::Record(TapeOp::Kind kind, int out, int a, int b, const FunctionRow* row) {
  // The random functions draw from the generators, so their results differ from x to x.
  if (row != nullptr && DrawsRandomNumbers(*row)) {
    tape_state_ = TapeState::kOff;
  }
  if (a < 0 || (kind != TapeOp::kCall && b < 0)) tape_state_ = TapeState::kOff;
  TapeOp& op = tape_.emplace_back();
  op.kind = kind;
  op.out = static_cast<int16_t>(out);
  op.a = static_cast<int16_t>(a);
  op.b = static_cast<int16_t>(b);
  op.row = row;
  if (kind == TapeOp::kCall) {
    for (int j = 0; j < b; ++j) {
      if (tape_args_[a + j] < 0) tape_state_ = TapeState::kOff;
    }
    if (call_values_.size() < static_cast<size_t>(b)) call_values_.resize(b);
  }
}

// The recorded operations on the current x. Every value is rounded where the cycles write it
// into a token, in place and with the same function; false, with the state untouched, where
// the cycles would fail, fault or write no number. Every value read is finite (a token's number
// is), so the checked arithmetic faults exactly where its result is infinite or NaN, which the
// rounding refuses: the plain operations suffice, and the cycles then report the fault.
bool Solver::Replay() {
  const auto x = state_.working[state_.x_positions.front()].Number();
  if (!x) return false;
  long double* v = tape_values_.data();
  v[0] = *x;
  long double sum = 0;
  long double ans = 0;
  try {
    for (const TapeOp& op : tape_) {
      long double& out = v[op.out];
      switch (op.kind) {
        case TapeOp::kPower:
          out = std::pow(v[op.a], v[op.b]);
          break;
        case TapeOp::kMul:
          out = v[op.a] * v[op.b];
          break;
        case TapeOp::kDiv:
          out = v[op.a] / v[op.b];
          break;
        case TapeOp::kSumBegin:
          sum = v[op.a];
          continue;
        case TapeOp::kAdd:
          sum += v[op.b];
          continue;
        case TapeOp::kSub:
          sum -= v[op.b];
          continue;
        case TapeOp::kSumEnd:
          ans = sum;
          out = sum;
          break;
        case TapeOp::kLone:
          ans = v[op.a];
          out = ans;
          break;
        case TapeOp::kCall:
          for (int j = 0; j < op.b; ++j) call_values_[j] = v[tape_args_[op.a + j]];
          ans = op.row->impl(FunctionArgs{call_values_.data(), op.b, state_.random});
          out = ans;
          break;
      }
      if (!GeneralReadBackInPlace(out)) return false;
    }
  } catch (...) {
    return false;  // the cycles meet the same fault and report it
  }
  state_.ans = ans;
  state_.group_start = tape_group_start_;
  state_.group_changed = tape_group_changed_;
  state_.last_cycle_count = tape_last_cycle_count_;
  return true;
}

}  // namespace quorvex
