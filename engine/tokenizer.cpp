#include "engine/tokenizer.h"

#include "engine/messages.h"

namespace quorvex {
namespace {

enum class State { kAfterOperator, kInNumber, kInName, kAfterClose, kAfterSign };

bool IsNumberChar(char c) { return (c >= '0' && c <= '9') || c == ',' || c == '.'; }

bool IsOperatorChar(char c) {
  switch (c) {
    case '+':
    case '-':
    case '*':
    case '/':
    case '^':
    case '(':
    case ')':
    case '[':
    case ']':
    case ';':
      return true;
    default:
      return false;
  }
}

char DecimalComma(char c) { return c == '.' ? ',' : c; }

class Scanner {
 public:
  Scanner(TokenList& tokens) : tokens_(tokens) { tokens_.count = 0; }

  // Appends a token; false when the list is full (the caller's limit check reports it).
  bool Emit(char c) { return Emit(std::string_view(&c, 1)); }
  bool Emit(std::string_view text) {
    if (tokens_.count >= TokenList::kCapacity) {
      overflowed_ = true;
      return false;
    }
    tokens_.slots[tokens_.count++].SetText(text);
    return true;
  }
  void Extend(char c) { tokens_.slots[tokens_.count - 1].MutableText() += c; }
  int count() const { return tokens_.count; }
  bool overflowed() const { return overflowed_; }
  std::string& Last() { return tokens_.slots[tokens_.count - 1].MutableText(); }

 private:
  TokenList& tokens_;
  bool overflowed_ = false;
};

}  // namespace

std::optional<std::string_view> Tokenize(std::string_view source, int splice_base,
                                         TokenList& tokens) {
  Scanner out(tokens);
  State state = State::kAfterOperator;
  const size_t length = source.size();
  for (size_t i = 0; i < length; ++i) {
    const char c = source[i];
    if (IsNumberChar(c)) {
      if (state == State::kAfterClose || state == State::kInName) out.Emit('*');
      if (state == State::kInNumber || state == State::kAfterSign) {
        out.Extend(DecimalComma(c));
      } else {
        out.Emit(DecimalComma(c));
      }
      state = State::kInNumber;
    } else if (IsOperatorChar(c)) {
      if (c == '(' && state != State::kAfterOperator) out.Emit('*');
      out.Emit(c);
      if (c == ')' || c == ']') {
        state = State::kAfterClose;
      } else if (c == '-' && state == State::kAfterOperator) {
        state = State::kAfterSign;
      } else {
        state = State::kAfterOperator;
      }
    } else if (c != ' ') {
      if (state == State::kAfterClose || state == State::kInNumber) out.Emit('*');
      if (c == '{' && i + 1 < length) {
        if (source[i + 1] == '}') return messages::kEmptyBraces;
        if (state == State::kInName) out.Emit('*');
        const size_t close = source.find('}', i + 1);
        const size_t end = close == std::string_view::npos ? length : close;
        if (out.Emit(source.substr(i + 1, end - i - 1))) {
          for (char& ch : out.Last()) ch = DecimalComma(ch);
        }
        i = end;  // resumes after the "}", or ends with the text
        state = State::kAfterClose;
      } else {
        if (state == State::kInName) {
          out.Extend(c);
        } else {
          out.Emit(c);
        }
        state = State::kInName;
      }
    }
    // One character adds at most two tokens, so the list can never be overrun unnoticed.
    if (splice_base + out.count() > TokenList::kCapacity || out.overflowed()) {
      return messages::kTooLarge;
    }
  }
  return std::nullopt;
}

}  // namespace quorvex
