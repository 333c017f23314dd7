// The graph run's replay: the cycles of the first x recorded as operations on values, and
// their replay for every further x without touching the tokens.
#include "engine/graph_replay.h"

#include <cmath>

#include "common/number_text.h"
#include "library/function_table.h"

namespace quorvex {

bool GraphReplay::Solve() {
  replayed_ = false;
  if (tape_state_ == kReady) {
    if (Replay()) {
      replayed_ = true;
      return true;
    }
    return solver_.RunCycles();
  }
  if (tape_state_ == kOff) return solver_.RunCycles();
  return Record();
}

bool GraphReplay::ReduceTokens() {
  if (!replayed_) return true;
  replayed_ = false;
  state_.last_cycle_count = 0;
  return solver_.RunCycles();
}

GraphReplay::~GraphReplay() {
  if (!restore_pending_) return;
  for (const int slot : state_.x_positions) state_.working[slot] = state_.saved[slot];
}

void GraphReplay::WriteX(const Token& x) {
  restore_pending_ = false;
  for (const int slot : state_.x_positions) state_.working[slot] = x;
}

void GraphReplay::Restore() {
  if (replayed_) {
    restore_pending_ = true;
  } else {
    state_.working.CopyFrom(state_.saved);
  }
}

bool GraphReplay::Record() {
  tape_.clear();
  tape_args_.clear();
  tape_values_.assign(1, 0);
  const TokenList& tokens = state_.working;
  for (int i = 0; i < tokens.count; ++i) {
    const auto value = tokens[i].Number();
    slot_of_[i] = value ? NewSlot(*value) : -1;
  }
  for (const int slot : state_.x_positions) slot_of_[slot] = 0;
  first_result_slot_ = static_cast<int16_t>(tape_values_.size());
  solver_.SetObserver(this);
  bool done = false;
  try {
    done = solver_.RunCycles();
  } catch (...) {
    solver_.SetObserver(nullptr);
    tape_state_ = kOff;
    throw;
  }
  solver_.SetObserver(nullptr);
  // A run that failed at its first x ends there; one drawing random numbers cannot replay.
  tape_state_ = done && tape_state_ == kUnrecorded ? kReady : kOff;
  tape_group_start_ = state_.group_start;
  tape_group_changed_ = state_.group_changed;
  tape_last_cycle_count_ = state_.last_cycle_count;
  return done;
}

void GraphReplay::Reduced(const Reduction& r) {
  switch (r.kind) {
    case Reduction::kPower:
    case Reduction::kMul:
    case Reduction::kDiv: {
      const int16_t out = NewSlot(0);
      Append(r.kind, out, slot_of_[r.at - 1], slot_of_[r.at + 1]);
      slot_of_[r.at - 1] = out;
      Remove(r.at, 2);
      break;
    }
    case Reduction::kSumBegin:
      Append(r.kind, 0, slot_of_[r.at], 0);
      break;
    case Reduction::kAdd:
    case Reduction::kSub:
      Append(r.kind, 0, 0, slot_of_[r.at + 1]);
      Remove(r.at, 2);
      break;
    case Reduction::kSumEnd: {
      const int16_t out = NewSlot(0);
      Append(r.kind, out, 0, 0);
      slot_of_[r.at] = out;
      break;
    }
    case Reduction::kLone: {
      const int16_t in = slot_of_[r.at];
      const int16_t out = NewSlot(0);
      Append(r.kind, out, in, 0);
      tape_.back().exact = in == 0 || in >= first_result_slot_ || (in > 0 && ReadsBack(in));
      slot_of_[r.at] = out;
      break;
    }
    case Reduction::kCall: {
      const int16_t first_arg = static_cast<int16_t>(tape_args_.size());
      for (int j = 1; j <= r.count; ++j) tape_args_.push_back(slot_of_[r.at + 2 * j - 1]);
      const int16_t out = NewSlot(0);
      Append(r.kind, out, first_arg, r.count, r.row);
      slot_of_[r.at - 1] = out;
      Remove(r.at, r.removed);
      break;
    }
    case Reduction::kUnwrap:
      slot_of_[r.at] = slot_of_[r.at + 1];
      Remove(r.at + 1, 2);
      break;
  }
}

void GraphReplay::Remove(int first, int n) {
  // Told before the tokens move: their count is still the one before the removal.
  for (int i = first; n > 0 && i + n < state_.working.count; ++i) slot_of_[i] = slot_of_[i + n];
}

// x (slot 0) is a written number, so it reads back as itself, as does every rounded result;
// a recorded constant may be written with more digits than a number keeps.
bool GraphReplay::ReadsBack(int slot) const {
  const long double recorded = tape_values_[slot];
  long double value = recorded;
  return GeneralReadBackInPlace(value) && value == recorded &&
         std::signbit(value) == std::signbit(recorded);
}

int16_t GraphReplay::NewSlot(long double value) {
  tape_values_.push_back(value);
  return static_cast<int16_t>(tape_values_.size() - 1);
}

void GraphReplay::Append(Reduction::Kind kind, int out, int a, int b, const FunctionRow* row) {
  // The random functions draw from the generators, so their results differ from x to x.
  if (row != nullptr && DrawsRandomNumbers(*row)) {
    tape_state_ = kOff;
  }
  if (a < 0 || (kind != Reduction::kCall && b < 0)) tape_state_ = kOff;
  TapeOp& op = tape_.emplace_back();
  op.kind = kind;
  op.out = static_cast<int16_t>(out);
  op.a = static_cast<int16_t>(a);
  op.b = static_cast<int16_t>(b);
  op.row = row;
  if (kind == Reduction::kCall) {
    for (int j = 0; j < b; ++j) {
      if (tape_args_[a + j] < 0) tape_state_ = kOff;
    }
    if (call_values_.size() < static_cast<size_t>(b)) call_values_.resize(b);
  }
}

// The recorded operations on the current x. Every value is rounded where the cycles write it
// into a token, in place and with the same function; false, with the state untouched, where
// the cycles would fail, fault or write no number. Every value read is finite (a token's number
// is), so the checked arithmetic faults exactly where its result is infinite or NaN, which the
// rounding refuses: the plain operations suffice, and the cycles then report the fault.
bool GraphReplay::Replay() {
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
        case Reduction::kPower:
          out = std::pow(v[op.a], v[op.b]);
          break;
        case Reduction::kMul:
          out = v[op.a] * v[op.b];
          break;
        case Reduction::kDiv:
          out = v[op.a] / v[op.b];
          break;
        case Reduction::kSumBegin:
          sum = v[op.a];
          continue;
        case Reduction::kAdd:
          sum += v[op.b];
          continue;
        case Reduction::kSub:
          sum -= v[op.b];
          continue;
        case Reduction::kSumEnd:
          ans = sum;
          out = sum;
          break;
        case Reduction::kLone:
          ans = v[op.a];
          out = ans;
          if (op.exact) continue;
          break;
        case Reduction::kCall:
          for (int j = 0; j < op.b; ++j) call_values_[j] = v[tape_args_[op.a + j]];
          ans = op.row->impl(FunctionArgs{call_values_.data(), op.b, state_.random});
          out = ans;
          break;
        case Reduction::kUnwrap:
          continue;  // never recorded: it moves a value without computing one
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
