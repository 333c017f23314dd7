#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "common/number_text.h"

namespace quorvex {

struct FunctionRow;

// One token text. A number the engine writes keeps the value its text reads back as, and a
// one-character text keeps its character; either is only spelled out into a string when someone
// asks for the text (a graph run never does), so copying, moving and reading such a token
// touches no string. The read of any other text, and its function row, are cached until the
// text changes.
class Token {
 public:
  Token() = default;
  Token(const Token&) = default;
  Token(Token&&) = default;
  Token& operator=(const Token& other) {
    if (other.form_ == kText) text_ = other.text_;
    CopyFields(other);
    return *this;
  }
  Token& operator=(Token&& other) noexcept {
    if (other.form_ == kText) text_ = std::move(other.text_);
    CopyFields(other);
    return *this;
  }

  const std::string& text() const {
    if (form_ != kText) Spell();
    return text_;
  }

  void SetText(std::string_view text);
  Token& operator=(std::string_view text) {
    SetText(text);
    return *this;
  }
  // The text, for editing in place; forgets the cached read and character.
  std::string& MutableText();

  // Writes FormatGeneral(value). Inline with the value stored before any call, so that it
  // never travels as a long double argument.
  void SetNumber(long double value) {
    // The value a written number holds reads back as itself, so writing it again changes
    // nothing (a lone operand of a group is written back as it was).
    if (form_ == kNumber && value == value_) return;
    value_ = value;
    if (ReadsBackUnchanged(value)) {
      KeepWrittenNumber();
    } else {
      RoundWrittenNumber();
    }
  }

  // ParseNumber of the text.
  std::optional<long double> Number() const {
    if (read_ == kUnread) ReadText();
    if (read_ == kNoNumber) return std::nullopt;
    return value_;
  }

  // Whether the text is the single character c.
  bool Is(char c) const { return Single() == c; }
  // The character of a one-character text, otherwise 0.
  char Single() const { return single_ == kUnknownSingle ? FindSingle() : single_; }

  // FindFunction of the text.
  const FunctionRow* Function() const;

 private:
  // Where the text is: in text_, or still to be spelled from value_ or from single_.
  enum Form : uint8_t { kText, kNumber, kCharacter };
  enum Read : uint8_t { kUnread, kNumberRead, kNoNumber };
  // single_ after an edit in place: looked up from the text again (a DEL text always is).
  static constexpr char kUnknownSingle = '\x7F';

  void CopyFields(const Token& other) {
    value_ = other.value_;
    function_ = other.function_;
    read_ = other.read_;
    form_ = other.form_;
    single_ = other.single_;
    looked_up_ = other.looked_up_;
  }
  // The forms of a written number in value_: as it is, or as its read-back.
  void KeepWrittenNumber() {
    read_ = kNumberRead;
    form_ = kNumber;
    single_ = '\0';  // no number text is one operator or bracket
    looked_up_ = false;
  }
  void RoundWrittenNumber();
  void ReadText() const;
  void Spell() const;
  char FindSingle() const;

  mutable std::string text_;
  // The number read, or in kNumber form the written one (its read spells the same text).
  mutable long double value_ = 0;
  mutable const FunctionRow* function_ = nullptr;
  mutable Read read_ = kUnread;
  mutable Form form_ = kText;
  mutable char single_ = '\0';
  mutable bool looked_up_ = false;
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
