#include "engine/solver.h"

#include <cmath>

#include "common/checked_float.h"
#include "common/number_text.h"
#include "engine/answer_format.h"
#include "engine/function_call.h"
#include "engine/messages.h"
#include "engine/substitution.h"
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

// A power of finite operands that is no finite real number fails at its own "^": an overflow,
// 0 to a negative power, a negative base with a fractional exponent. Written back as "INF" or
// "NAN" it would only fail later, naming an operator that is not at fault.
long double Power(long double base, long double exponent) {
  const long double result = std::pow(base, exponent);
  if (std::isinf(result)) {
    throw FloatFault(base == 0 ? FloatFaultKind::kDivisionByZero : FloatFaultKind::kOverflow);
  }
  if (std::isnan(result)) throw FloatFault(FloatFaultKind::kInvalidOperation);
  return result;
}

}  // namespace

void Solver::BeginSolve() {
  state_.step_count = 0;
  state_.last_cycle_count = 0;
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

SolveResult Solver::Solve(std::string_view expression, GraphRunFn graph_run) {
  BeginSolve();
  if (!Tokenized(expression) || !CheckBrackets() || !Substituted()) return {};
  if (state_.x_positions.empty()) return {SolveKind::kReduce, RunCycles()};
  return {SolveKind::kGraphRun, graph_run && graph_run(*this)};
}

bool Solver::Tokenized(std::string_view expression) {
  state_.x_positions.clear();
  if (expression.size() > kMaxExpressionLength) return Fail(messages::kTooLong);
  if (auto failure = Tokenize(expression, 0, state_.saved)) return Fail(*failure);
  state_.working.CopyFrom(state_.saved);
  if (state_.working.count == 0) return Fail(messages::kNothingToEvaluate);
  return true;
}

bool Solver::Substituted() {
  if (auto failure = SubstituteSymbols(state_, settings_.variables)) return Fail(*failure);
  return true;
}

bool Solver::CheckBrackets() {
  if (!Balanced(state_.working, '(', ')')) return Fail(messages::kRoundUnbalanced);
  if (!Balanced(state_.working, '[', ']')) return Fail(messages::kSquareUnbalanced);
  return true;
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
    if (square) {
      if (state_.group_changed && StepsWanted()) RecordStep();
      if (auto failure = EvaluateCall(state_, observer_)) return Fail(*failure);
    }
  }
}

void Solver::RecordStep() {
  if (out_.steps.empty()) out_.steps.reserve(8);
  std::string& line = out_.steps.emplace_back();
  line.reserve(64);  // one allocation for most lines
  line += "Step ";
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
      Tell({Reduction::kUnwrap, i});
      tokens.Remove(i + 1, 2);
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
      if (observer_ != nullptr) {
        const char c = op.Single();
        Tell({c == '^' ? Reduction::kPower : (c == '*' ? Reduction::kMul : Reduction::kDiv), k});
      }
      tokens[k - 1].SetNumber(result);
      tokens.Remove(k, 2);
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
    Tell({Reduction::kLone, first});
    tokens[first].SetNumber(*first_value);
    return true;
  }

  // The sum runs in a local; ans follows it at every end.
  long double sum = *first_value;
  Tell({Reduction::kSumBegin, first});
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
    Tell({plus ? Reduction::kAdd : Reduction::kSub, k});
    tokens.Remove(k, 2);
  }
  state_.ans = sum;
  Tell({Reduction::kSumEnd, first});
  tokens[first].SetNumber(sum);
  return true;
}

}  // namespace quorvex
