#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvex {

// One token text. A number the engine writes keeps the value its text reads back as, and its
// text is only spelled out when someone asks for it (a graph run never does), so reading a
// written number costs nothing. The read of any other text is cached until the text changes.
class Token {
 public:
  const std::string& text() const {
    if (unspelled_) Spell();
    return text_;
  }

  void SetText(std::string_view text) {
    text_.assign(text);
    unspelled_ = false;
    read_ = kUnread;
  }
  Token& operator=(std::string_view text) {
    SetText(text);
    return *this;
  }
  // The text, for editing in place; forgets the cached read.
  std::string& MutableText() {
    if (unspelled_) Spell();
    read_ = kUnread;
    return text_;
  }

  // Writes FormatGeneral(value).
  void SetNumber(long double value);

  // ParseNumber of the text.
  std::optional<long double> Number() const;

  // Whether the text is the single character c. No number text is a single operator or
  // bracket, so a number never needs spelling for this.
  bool Is(char c) const { return Single() == c; }
  // The character of a one-character text, otherwise 0.
  char Single() const { return !unspelled_ && text_.size() == 1 ? text_[0] : '\0'; }

 private:
  enum Read : uint8_t { kUnread, kNumber, kNoNumber };

  void Spell() const;

  mutable std::string text_;
  // The number read, or while unspelled_ the written one (its read spells the same text).
  mutable long double value_ = 0;
  mutable Read read_ = kUnread;
  mutable bool unspelled_ = false;
};

// A fixed-capacity list of token texts. Slots at or beyond count hold stale texts.
struct TokenList {
  static constexpr int kCapacity = 1000;

  std::array<Token, kCapacity> slots;
  int count = 0;

  const Token& operator[](int i) const { return slots[i]; }
  Token& operator[](int i) { return slots[i]; }

  // Removes n slots from first on; later tokens move down.
  void Remove(int first, int n);
  // Copies the texts and the count of other.
  void CopyFrom(const TokenList& other);
  // All tokens joined without separator, as a step line shows them.
  std::string Joined() const;
};

}  // namespace quorvex
