#pragma once

// A GoogleTest row name for a table row whose own name holds characters a test name cannot
// (function names such as "cel>fah" or ">="): its place in the table and the name spelled
// with letters, digits and underscores only ("Row20_cel_to_fah", "Row89_GtEq").

#include <cctype>
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace quorvex::testing_support {

inline std::string RowName(size_t index, std::string_view text) {
  std::string name = "Row" + std::to_string(index + 1);
  if (!text.empty()) name += '_';
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '>':  // a unit conversion such as "cel>fah", else a relation
        name +=
            i > 0 && i + 1 < text.size() && std::isalpha(static_cast<unsigned char>(text[i - 1]))
                ? "_to_"
                : "Gt";
        break;
      case '_':
        name += c;
        break;
      case ' ':  // words of a description run together
      case '(':
      case ')':
        break;
      case '<':
        name += "Lt";
        break;
      case '=':
        name += "Eq";
        break;
      case '!':
        name += "Bang";
        break;
      default:
        if (byte < 0x80 && std::isalnum(byte)) {
          name += c;
        } else {
          char hex[8];
          std::snprintf(hex, sizeof hex, "x%02X", byte);
          name += hex;
        }
    }
  }
  return name;
}

}  // namespace quorvex::testing_support
