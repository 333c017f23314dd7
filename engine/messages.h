#pragma once

#include <string>
#include <string_view>

// Every message that ends a solve in the answer box.
namespace quorvex::messages {

inline constexpr std::string_view kNothingToEvaluate = "Need something to evaluate";
inline constexpr std::string_view kEmptyBraces = "Need something to evaluate inside { }";
inline constexpr std::string_view kTooLarge = "Too large evaluate";
inline constexpr std::string_view kTooLong = "Too long expression: at most 65536 characters";
inline constexpr std::string_view kTooLongSubstituted =
    "Too long expression once its variables are in: at most 65536 characters. See "
    "(Tools/Variables/Assignments)";
inline constexpr std::string_view kRoundUnbalanced = "One or more ( ) parentheses are unbalanced";
inline constexpr std::string_view kSquareUnbalanced =
    "One or more [ ] function parentheses are unbalanced";
inline constexpr std::string_view kInvalidNesting =
    "One or more ( ) parentheses are invalid nested";
inline constexpr std::string_view kFirstOperandNaN =
    "Error syntax, position 1 or first position after ( or [ is NaN";
inline constexpr std::string_view kVariableLoop =
    "Unstoppable variable loop. See (Tools/Variables/Assignments)";
inline constexpr std::string_view kInvalidFunctionExpression = "Invalid function expression";
inline constexpr std::string_view kNoFunctionName =
    "A function call needs a function name before [";
inline constexpr std::string_view kMax48Bit = "Max 48 bit conversion";

inline std::string OperatorNaN(std::string_view op) {
  return "Error syntax, position before or after (" + std::string(op) + ") is NaN";
}
inline std::string NotAFunction(std::string_view name) {
  return "'" + std::string(name) +
         "' is not a function. See (Tools/Functions) for a list of all available functions";
}
inline std::string WrongParameterCount(std::string_view name, int expected, int got) {
  return "Function '" + std::string(name) + "' need " + std::to_string(expected) +
         " parameter(s), got " + std::to_string(got);
}

}  // namespace quorvex::messages
