#include "engine/solver.h"

#include <cmath>

#include "common/checked_float.h"
#include "common/number_text.h"
#include "engine/answer_format.h"
#include "engine/messages.h"
#include "engine/tokenizer.h"
#include "library/function_table.h"

namespace quorvex {
namespace {

bool EndsStretch(const Token& token) {
  const char c = token.Single();
  return c == ')' || c == ']' || c == ';';
}

bool IsToken(const Token& token, char c) { return token.Is(c); }

// The balance of one bracket kind, stopping as soon as a closing bracket comes first.
bool Balanced(const TokenList& tokens, char open, char close) {
  int depth = 0;
  for (int i = 0; i < tokens.count && depth >= 0; ++i) {
    if (IsToken(tokens[i], open)) ++depth;
    if (IsToken(tokens[i], close)) --depth;
  }
  return depth == 0;
}

// A power whose operands are finite but whose result is not overflows; other results that are
// not real numbers (a negative base with a fractional exponent, 0^-1) are written as they are.
long double Power(long double base, long double exponent) {
  const long double result = std::pow(base, exponent);
  if (std::isinf(result) && base != 0) throw FloatFault(FloatFaultKind::kOverflow);
  return result;
}

}  // namespace

void Solver::BeginSolve() {
  state_.step_count = 0;
  state_.last_cycle_count = 0;
  state_.splice_base = 0;
  out_.steps.clear();
  out_.answer.clear();
  out_.bits.clear();
  out_.formatted = false;
}

bool Solver::Fail(std::string_view message) {
  out_.answer.assign(message);
  return false;
}

bool Solver::StepsWanted() const {
  return state_.x_positions.empty() && settings_.general.solcheck;
}

PrepareResult Solver::Prepare(std::string_view expression) {
  state_.x_positions.clear();
  if (auto failure = Tokenize(expression, 0, state_.saved)) {
    Fail(*failure);
    return PrepareResult::kFailed;
  }
  state_.working.CopyFrom(state_.saved);
  if (state_.working.count == 0) {
    Fail(messages::kNothingToEvaluate);
    return PrepareResult::kFailed;
  }
  if (!CheckBrackets()) return PrepareResult::kFailed;
  return state_.x_positions.empty() ? PrepareResult::kReduce : PrepareResult::kGraphRun;
}

bool Solver::CheckBrackets() {
  if (!Balanced(state_.working, '(', ')')) return Fail(messages::kRoundUnbalanced);
  if (!Balanced(state_.working, '[', ']')) return Fail(messages::kSquareUnbalanced);
  return SubstituteSymbols();
}

bool Solver::RunCycles() {
  TokenList& tokens = state_.working;
  while (true) {
    if (StepsWanted()) RecordStep();
    RemoveRedundantParentheses();
    if (state_.last_cycle_count > 0 && state_.last_cycle_count == tokens.count) {
      return Fail(messages::kInvalidNesting);
    }
    state_.last_cycle_count = tokens.count;

    bool square = false;
    state_.group_start = FindInnermostGroup(square);
    const bool whole_list = state_.group_start < 0;
    if (square) state_.group_changed = false;
    if (!ReduceGroup()) return false;
    if (whole_list) {
      if (state_.x_positions.empty()) {
        FormattedAnswer formatted = FormatAnswer(state_.ans, settings_.general, settings_.mask);
        out_.answer = std::move(formatted.answer);
        out_.bits = std::move(formatted.bits);
        out_.formatted = true;
      }
      return true;
    }
    if (square && !EvaluateCall()) return false;
  }
}

void Solver::RecordStep() {
  std::string& line = out_.steps.emplace_back("Step ");
  line += std::to_string(state_.step_count + 1);
  line += ": ";
  state_.working.AppendJoined(line);
  ++state_.step_count;
}

void Solver::RemoveRedundantParentheses() {
  TokenList& tokens = state_.working;
  int i = 0;
  while (i < tokens.count) {
    if (i + 2 < tokens.count && IsToken(tokens[i], '(') && IsToken(tokens[i + 2], ')')) {
      tokens[i] = std::move(tokens[i + 1]);
      if (recording_) slot_of_[i] = slot_of_[i + 1];
      RemoveTokens(i + 1, 2);
    } else {
      ++i;
    }
  }
}

int Solver::FindInnermostGroup(bool& square) const {
  const TokenList& tokens = state_.working;
  int depth = 0;
  int deepest = 0;
  int chosen = -1;
  for (int i = 0; i < tokens.count; ++i) {
    const char c = tokens[i].Single();
    if (c == '(' || c == '[') {
      if (++depth > deepest) {
        deepest = depth;
        chosen = i;
        square = c == '[';
      }
    } else if (c == ')' || c == ']') {
      --depth;
    }
  }
  return chosen;
}

bool Solver::ReduceGroup() {
  while (true) {
    if (!ReduceStretch()) return false;
    const int next = state_.group_start + 2;
    if (next < state_.working.count && IsToken(state_.working[next], ';')) {
      state_.group_start = next;
    } else {
      return true;
    }
  }
}

// Powers, then products and quotients, then sums, over the stretch after group_start.
bool Solver::ReduceStretch() {
  TokenList& tokens = state_.working;
  const int first = state_.group_start + 1;

  auto binary_pass = [&](auto applies, auto evaluate) {
    int k = first + 1;
    while (k < tokens.count - 1) {
      const Token& op = tokens[k];
      if (EndsStretch(op)) break;
      if (!applies(op)) {
        k += 2;
        continue;
      }
      state_.group_changed = true;
      const auto left = tokens[k - 1].Number();
      const auto right = tokens[k + 1].Number();
      long double result = 0;
      try {
        if (!left || !right) throw FloatFault(FloatFaultKind::kInvalidOperation);
        result = evaluate(op.Single(), *left, *right);
      } catch (const FloatFault&) {
        return Fail(messages::OperatorNaN(op.text()));
      }
      if (recording_) {
        const char c = op.Single();
        const TapeOp::Kind kind =
            c == '^' ? TapeOp::kPower : (c == '*' ? TapeOp::kMul : TapeOp::kDiv);
        const int16_t out = NewSlot(0);
        Record(kind, out, slot_of_[k - 1], slot_of_[k + 1]);
        slot_of_[k - 1] = out;
      }
      tokens[k - 1].SetNumber(result);
      RemoveTokens(k, 2);
    }
    return true;
  };

  const bool powers_done =
      binary_pass([](const Token& op) { return IsToken(op, '^'); },
                  [](char, long double a, long double b) { return Power(a, b); });
  if (!powers_done) return false;
  const bool products_done =
      binary_pass([](const Token& op) { return IsToken(op, '*') || IsToken(op, '/'); },
                  [](char op, long double a, long double b) {
                    return op == '*' ? CheckedMul(a, b) : CheckedDiv(a, b);
                  });
  if (!products_done) return false;

  const auto first_value = first < tokens.count ? tokens[first].Number() : std::nullopt;
  if (!first_value) return Fail(messages::kFirstOperandNaN);
  int k = first + 1;
  if (k >= tokens.count - 1 || EndsStretch(tokens[k])) {
    // A lone operand, as in sin[x]: written back as it is. Apart from the loop below, the
    // value never has to be spilled around a call.
    state_.ans = *first_value;
    if (recording_) {
      const int16_t out = NewSlot(0);
      Record(TapeOp::kLone, out, slot_of_[first], 0);
      slot_of_[first] = out;
    }
    tokens[first].SetNumber(*first_value);
    return true;
  }

  // The sum runs in a local; ans follows it at every end.
  long double sum = *first_value;
  if (recording_) Record(TapeOp::kSumBegin, 0, slot_of_[first], 0);
  while (k < tokens.count - 1) {
    const Token& op = tokens[k];
    if (EndsStretch(op)) break;
    const bool plus = IsToken(op, '+');
    if (!plus && !IsToken(op, '-')) {
      k += 2;
      continue;
    }
    state_.group_changed = true;
    const auto right = tokens[k + 1].Number();
    try {
      if (!right) throw FloatFault(FloatFaultKind::kInvalidOperation);
      sum = plus ? CheckedAdd(sum, *right) : CheckedSub(sum, *right);
    } catch (const FloatFault&) {
      state_.ans = sum;
      return Fail(messages::OperatorNaN(op.text()));
    }
    if (recording_) Record(plus ? TapeOp::kAdd : TapeOp::kSub, 0, 0, slot_of_[k + 1]);
    RemoveTokens(k, 2);
  }
  state_.ans = sum;
  if (recording_) {
    const int16_t out = NewSlot(0);
    Record(TapeOp::kSumEnd, out, 0, 0);
    slot_of_[first] = out;
  }
  tokens[first].SetNumber(sum);
  return true;
}

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

void Solver::RemoveTokens(int first, int n) {
  if (recording_) {
    for (int i = first; n > 0 && i + n < state_.working.count; ++i) slot_of_[i] = slot_of_[i + n];
  }
  state_.working.Remove(first, n);
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
