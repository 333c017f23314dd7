#include "engine/token_list.h"

#include <utility>

#include "common/number_text.h"
#include "engine/name_index.h"
#include "library/function_table.h"

namespace quorvex {

void Token::SetText(std::string_view text) {
  if (text.size() == 1) {
    f_.form = kCharacter;
    f_.single = text[0];
  } else {
    text_.assign(text);
    f_.form = kText;
    f_.single = '\0';
  }
  f_.read = kUnread;
  f_.looked_up = false;
}

std::string& Token::MutableText() {
  if (f_.form != kText) Spell();
  f_.read = kUnread;
  f_.single = kUnknownSingle;
  f_.looked_up = false;
  return text_;
}

void Token::RoundWrittenNumber() {
  if (!GeneralReadBackInPlace(f_.value)) {  // "NAN", "INF" and the like are spelled at once
    AssignGeneral(f_.value, text_);
    f_.form = kText;
    f_.read = kNoNumber;
    f_.single = '\0';
    f_.looked_up = false;
    return;
  }
  // The read value is within a 64-bit rounding of the 15-digit text, so it rounds back to
  // the same 15 digits: the text can be spelled from it later.
  KeepWrittenNumber();
}

void Token::ReadText() const {
  const std::optional<long double> read =
      f_.form == kCharacter ? ParseNumber(std::string_view(&f_.single, 1)) : ParseNumber(text_);
  f_.read = read ? kNumberRead : kNoNumber;
  f_.value = read.value_or(0);
}

const FunctionRow* Token::Function() const {
  if (!f_.looked_up) {
    static const NameIndex<FunctionRow> functions(FunctionTable());
    f_.function = functions.Find(View());
    f_.looked_up = true;
  }
  return f_.function;
}

void Token::Spell() const {
  if (f_.form == kNumber) {
    AssignGeneral(f_.value, text_);  // reuses the slot's storage
  } else {
    text_.assign(1, f_.single);
  }
  f_.form = kText;
}

char Token::FindSingle() const {
  const std::string& spelled = text();
  f_.single = spelled.size() == 1 ? spelled[0] : '\0';
  return f_.single;
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
  AppendJoined(line);
  return line;
}

void TokenList::AppendJoined(std::string& line) const {
  for (int i = 0; i < count; ++i) {
    // Most tokens are one character: no general append for them.
    const std::string_view text = slots[i].View();
    if (text.size() == 1) {
      line.push_back(text.front());
    } else {
      line.append(text);
    }
  }
}

}  // namespace quorvex
