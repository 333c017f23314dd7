#pragma once

#include <optional>
#include <string_view>

#include "engine/token_list.h"

namespace quorvex {

// Cuts source into tokens (numbers, operators, names, literals in braces, an inserted "*" where
// two operands meet). splice_base is added to the token count for the capacity check. Returns
// the failure message, or nullopt on success (zero tokens is a success).
std::optional<std::string_view> Tokenize(std::string_view source, int splice_base,
                                         TokenList& tokens);

}  // namespace quorvex
