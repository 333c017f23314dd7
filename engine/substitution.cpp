#include "engine/substitution.h"

#include "common/number_text.h"
#include "engine/messages.h"
#include "engine/name_index.h"
#include "engine/tokenizer.h"
#include "library/constant_table.h"

namespace quorvex {
namespace {

// Replaces the token at slot by the tokens of the assignment on line.
std::optional<std::string_view> SpliceVariable(EngineState& state, const VariableStore& variables,
                                               int slot, int line) {
  TokenList& tokens = state.working;
  const int old_count = tokens.count;
  if (auto failure = Tokenize(variables.Assignment(line), old_count, state.saved)) {
    return failure;
  }
  const int added = state.saved.count;
  if (added > 1) {
    for (int j = old_count - 1; j > slot; --j) tokens[j + added - 1] = std::move(tokens[j]);
  } else if (added == 0) {
    for (int j = slot + 1; j < old_count; ++j) tokens[j - 1] = std::move(tokens[j]);
  }
  for (int j = 0; j < added; ++j) tokens[slot + j] = state.saved[j];
  tokens.count = old_count + added - 1;
  return std::nullopt;
}

// Saves the substituted tokens and records the slots holding x.
void RecordXPositions(EngineState& state) {
  state.x_positions.clear();
  state.saved.CopyFrom(state.working);
  for (int i = 0; i < state.working.count; ++i) {
    if (state.working[i].Is('x')) state.x_positions.push_back(i);
  }
  // A graph run restores the saved tokens for every x: read their numbers and look up their
  // function names once, here.
  if (!state.x_positions.empty()) {
    TokenList& saved = state.saved;
    for (int i = 0; i < saved.count; ++i) {
      saved[i].Number();
      if (i + 1 < saved.count && saved[i + 1].Is('[')) saved[i].Function();
    }
  }
}

}  // namespace

std::optional<std::string_view> SubstituteSymbols(EngineState& state,
                                                  const VariableStore& variables) {
  TokenList& tokens = state.working;
  int splices = 0;
  int i = 0;
  static const NameIndex<ConstantRow> constants(ConstantTable());
  // An upper bound of the texts' total length: every substitution adds all of its text.
  size_t length = 0;
  for (int j = 0; j < tokens.count; ++j) length += tokens[j].View().size();
  while (i < tokens.count) {
    if (length > kMaxSubstitutedLength) return messages::kTooLongSubstituted;
    const std::string_view token = tokens[i].View();
    if (const ConstantRow* constant = constants.Find(token)) {
      length += constant->value.size();
      tokens[i].SetText(constant->value);
      ++i;
    } else if (token == "ans") {
      length += 24;  // the longest general form, "-1,23456789012345E-4951"
      tokens[i].SetNumber(state.ans);
      ++i;
    } else if (const int line = variables.Find(token); line >= 0) {
      length += variables.Assignment(line).size();
      if (length > kMaxSubstitutedLength) return messages::kTooLongSubstituted;
      if (auto failure = SpliceVariable(state, variables, i, line)) return failure;
      ++splices;
      if (splices + tokens.count > TokenList::kCapacity) return messages::kVariableLoop;
      // The slot now holds the assignment's first token: substitute inside it too.
    } else {
      ++i;
    }
  }
  if (length > kMaxSubstitutedLength) return messages::kTooLongSubstituted;
  RecordXPositions(state);
  return std::nullopt;
}

}  // namespace quorvex
