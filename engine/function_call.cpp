#include "engine/function_call.h"

#include <algorithm>
#include <array>

#include "common/number_text.h"
#include "engine/messages.h"
#include "library/function_table.h"

namespace quorvex {
namespace {

bool IsToken(const Token& token, char c) { return token.Is(c); }

// The first "]" at or after from, or the end of the list.
int ClosingBracket(const TokenList& tokens, int from) {
  int i = from;
  while (i < tokens.count && !IsToken(tokens[i], ']')) ++i;
  return i;
}

// Replaces the name by the result of the call at group_start and removes the brackets.
std::optional<std::string> ApplyFunction(EngineState& state, ReductionObserver* observer,
                                         const FunctionRow& row, int param_count) {
  TokenList& tokens = state.working;
  const int open = state.group_start;
  // A call fits the list, so it has at most 499 values.
  std::array<long double, TokenList::kCapacity / 2> values;
  if (param_count > static_cast<int>(values.size())) {
    return std::string(messages::kInvalidFunctionExpression);
  }
  for (int j = 1; j <= param_count; ++j) {
    const int slot = open + 2 * j - 1;
    const auto value = slot < tokens.count ? tokens[slot].Number() : std::nullopt;
    if (!value) return std::string(messages::kInvalidFunctionExpression);
    values[j - 1] = *value;
  }
  const long double result = row.impl(FunctionArgs{values.data(), param_count, state.random});
  state.ans = result;
  const int close = ClosingBracket(tokens, open + 1);
  const int removed = std::min(close, tokens.count - 1) - open + 1;
  if (observer != nullptr) observer->Reduced({Reduction::kCall, open, param_count, removed, &row});
  tokens[open - 1].SetNumber(result);
  tokens.Remove(open, removed);
  return std::nullopt;
}

}  // namespace

std::optional<std::string> EvaluateCall(EngineState& state, ReductionObserver* observer) {
  const TokenList& tokens = state.working;
  int open = state.group_start;
  while (open >= 0 && !IsToken(tokens[open], '[')) --open;
  // A "[" that opens the list has no slot for a name.
  if (open <= 0) return std::string(messages::kNoFunctionName);
  state.group_start = open;

  const int close = ClosingBracket(tokens, open + 1);
  int param_count = 1;
  for (int i = open + 1; i < close; ++i) {
    if (IsToken(tokens[i], ';')) ++param_count;
  }
  const Token& name = tokens[open - 1];
  const FunctionRow* row = name.Function();
  if (row == nullptr) return messages::NotAFunction(name.text());
  if (row->param_count != 0 && row->param_count != param_count) {
    return messages::WrongParameterCount(name.text(), row->param_count, param_count);
  }
  return ApplyFunction(state, observer, *row, param_count);
}

}  // namespace quorvex
