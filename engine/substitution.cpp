#include "common/number_text.h"
#include "engine/messages.h"
#include "engine/name_index.h"
#include "engine/solver.h"
#include "engine/tokenizer.h"
#include "library/constant_table.h"

namespace quorvex {

bool Solver::SubstituteSymbols() {
  TokenList& tokens = state_.working;
  int splices = 0;
  int i = 0;
  static const NameIndex<ConstantRow> constants(ConstantTable());
  // An upper bound of the texts' total length: every substitution adds all of its text.
  size_t length = 0;
  for (int j = 0; j < tokens.count; ++j) length += tokens[j].View().size();
  while (i < tokens.count) {
    if (length > kMaxSubstitutedLength) return Fail(messages::kTooLongSubstituted);
    const std::string_view token = tokens[i].View();
    if (const ConstantRow* constant = constants.Find(token)) {
      length += constant->value.size();
      tokens[i].SetText(constant->value);
      ++i;
    } else if (token == "ans") {
      length += 24;  // the longest general form, "-1,23456789012345E-4951"
      tokens[i].SetNumber(state_.ans);
      ++i;
    } else if (const int line = settings_.variables.Find(token); line >= 0) {
      length += settings_.variables.Assignment(line).size();
      if (length > kMaxSubstitutedLength) return Fail(messages::kTooLongSubstituted);
      if (!SpliceVariable(i, line)) return false;
      ++splices;
      if (splices + tokens.count > TokenList::kCapacity) return Fail(messages::kVariableLoop);
      // The slot now holds the assignment's first token: substitute inside it too.
    } else {
      ++i;
    }
  }
  if (length > kMaxSubstitutedLength) return Fail(messages::kTooLongSubstituted);
  RecordXPositions();
  return true;
}

bool Solver::SpliceVariable(int slot, int line) {
  TokenList& tokens = state_.working;
  const int old_count = tokens.count;
  state_.splice_base = old_count;
  if (auto failure = Tokenize(settings_.variables.Assignment(line), old_count, state_.saved)) {
    return Fail(*failure);
  }
  const int added = state_.saved.count;
  if (added > 1) {
    for (int j = old_count - 1; j > slot; --j) tokens[j + added - 1] = std::move(tokens[j]);
  } else if (added == 0) {
    for (int j = slot + 1; j < old_count; ++j) tokens[j - 1] = std::move(tokens[j]);
  }
  for (int j = 0; j < added; ++j) tokens[slot + j] = state_.saved[j];
  tokens.count = old_count + added - 1;
  state_.splice_base = tokens.count;
  return true;
}

void Solver::RecordXPositions() {
  state_.x_positions.clear();
  state_.saved.CopyFrom(state_.working);
  for (int i = 0; i < state_.working.count; ++i) {
    if (state_.working[i].Is('x')) state_.x_positions.push_back(i);
  }
  // A graph run restores the saved tokens for every x: read their numbers and look up their
  // function names once, here.
  if (!state_.x_positions.empty()) {
    TokenList& saved = state_.saved;
    for (int i = 0; i < saved.count; ++i) {
      saved[i].Number();
      if (i + 1 < saved.count && saved[i + 1].Is('[')) saved[i].Function();
    }
  }
}

}  // namespace quorvex
