#include "engine/token_list.h"

#include <utility>

#include "common/number_text.h"
#include "library/function_table.h"

namespace quorvex {

void Token::SetText(std::string_view text) {
  if (text.size() == 1) {
    form_ = kCharacter;
    single_ = text[0];
  } else {
    text_.assign(text);
    form_ = kText;
    single_ = '\0';
  }
  read_ = kUnread;
  looked_up_ = false;
}

std::string& Token::MutableText() {
  if (form_ != kText) Spell();
  read_ = kUnread;
  single_ = kUnknownSingle;
  looked_up_ = false;
  return text_;
}

void Token::RoundWrittenNumber() {
  if (!GeneralReadBackInPlace(value_)) {  // "NAN", "INF" and the like are spelled at once
    AssignGeneral(value_, text_);
    form_ = kText;
    read_ = kNoNumber;
    single_ = '\0';
    looked_up_ = false;
    return;
  }
  // The read value is within a 64-bit rounding of the 15-digit text, so it rounds back to
  // the same 15 digits: the text can be spelled from it later.
  KeepWrittenNumber();
}

void Token::ReadText() const {
  const std::optional<long double> read =
      form_ == kCharacter ? ParseNumber(std::string_view(&single_, 1)) : ParseNumber(text_);
  read_ = read ? kNumberRead : kNoNumber;
  value_ = read.value_or(0);
}

const FunctionRow* Token::Function() const {
  if (!looked_up_) {
    function_ = FindFunction(text());
    looked_up_ = true;
  }
  return function_;
}

void Token::Spell() const {
  if (form_ == kNumber) {
    AssignGeneral(value_, text_);  // reuses the slot's storage
  } else {
    text_.assign(1, single_);
  }
  form_ = kText;
}

char Token::FindSingle() const {
  const std::string& spelled = text();
  single_ = spelled.size() == 1 ? spelled[0] : '\0';
  return single_;
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
