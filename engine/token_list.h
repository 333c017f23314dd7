#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "common/number_text.h"

namespace quorvex {

struct FunctionRow;

// The longest expression a solve takes, and the longest its token texts may add up to once
// constants and variables are substituted. Every step line copies the tokens, and a solve
// records at most about kCapacity of them, so these bound a solve's memory near 100 MB.
inline constexpr size_t kMaxExpressionLength = 64 * 1024;
inline constexpr size_t kMaxSubstitutedLength = 64 * 1024;

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
    if (other.f_.form == kText) text_ = other.text_;
    CopyFields(other);
    return *this;
  }
  Token& operator=(Token&& other) noexcept {
    if (other.f_.form == kText) text_ = std::move(other.text_);
    CopyFields(other);
    return *this;
  }

  const std::string& text() const {
    if (f_.form != kText) Spell();
    return text_;
  }

  // The text as a view, without spelling a one-character text into the string; valid until
  // the token changes.
  std::string_view View() const {
    if (f_.form == kCharacter) return std::string_view(&f_.single, 1);
    return text();
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
    if (f_.form == kNumber && value == f_.value) return;
    f_.value = value;
    if (ReadsBackUnchanged(value)) {
      KeepWrittenNumber();
    } else {
      RoundWrittenNumber();
    }
  }

  // ParseNumber of the text.
  std::optional<long double> Number() const {
    if (f_.read == kUnread) ReadText();
    if (f_.read == kNoNumber) return std::nullopt;
    return f_.value;
  }

  // Whether the text is the single character c.
  bool Is(char c) const { return Single() == c; }
  // The character of a one-character text, otherwise 0.
  char Single() const { return f_.single == kUnknownSingle ? FindSingle() : f_.single; }

  // FindFunction of the text.
  const FunctionRow* Function() const;

 private:
  // Where the text is: in text_, or still to be spelled from the value or the character.
  enum Form : uint8_t { kText, kNumber, kCharacter };
  enum Read : uint8_t { kUnread, kNumberRead, kNoNumber };
  // The character after an edit in place: looked up from the text again (a DEL text always is).
  static constexpr char kUnknownSingle = '\x7F';

  // One plain copy of the fields: vector moves, and no x87 load and store of the value.
  void CopyFields(const Token& other) { f_ = other.f_; }
  // The forms of a written number in the value: as it is, or as its read-back.
  void KeepWrittenNumber() {
    f_.read = kNumberRead;
    f_.form = kNumber;
    f_.single = '\0';  // no number text is one operator or bracket
    f_.looked_up = false;
  }
  void RoundWrittenNumber();
  void ReadText() const;
  void Spell() const;
  char FindSingle() const;

  // Everything but the string, copied as one block.
  struct Fields {
    // The number read, or in kNumber form the written one (its read spells the same text).
    long double value = 0;
    const FunctionRow* function = nullptr;  // while looked_up
    Read read = kUnread;
    Form form = kText;
    char single = '\0';
    bool looked_up = false;
  };

  mutable std::string text_;
  mutable Fields f_;
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
  void AppendJoined(std::string& line) const;
};

}  // namespace quorvex
