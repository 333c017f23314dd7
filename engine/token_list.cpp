#include "engine/token_list.h"

#include <utility>

#include "common/number_text.h"

namespace quorvex {

void Token::SetNumber(long double value) {
  const std::optional<long double> read = GeneralReadBack(value);
  if (!read) {  // "NAN", "INF" and the like are spelled at once
    AssignGeneral(value, text_);
    unspelled_ = false;
    read_ = kNoNumber;
    return;
  }
  // The read value is within a 64-bit rounding of the 15-digit text, so it rounds back to
  // the same 15 digits: the text can be spelled from it later.
  value_ = *read;
  read_ = kNumber;
  unspelled_ = true;
}

std::optional<long double> Token::Number() const {
  if (read_ == kUnread) {
    const std::optional<long double> read = ParseNumber(text());
    read_ = read ? kNumber : kNoNumber;
    value_ = read.value_or(0);
  }
  if (read_ == kNoNumber) return std::nullopt;
  return value_;
}

void Token::Spell() const {
  AssignGeneral(value_, text_);  // reuses the slot's storage
  unspelled_ = false;
}

void TokenList::Remove(int first, int n) {
  if (n <= 0) return;
  for (int i = first; i + n < count; ++i) slots[i] = std::move(slots[i + n]);
  count -= n;
}

void TokenList::CopyFrom(const TokenList& other) {
  for (int i = 0; i < other.count; ++i) slots[i] = other.slots[i];
  count = other.count;
}

std::string TokenList::Joined() const {
  std::string line;
  for (int i = 0; i < count; ++i) line += slots[i].text();
  return line;
}

}  // namespace quorvex
