#pragma once

#include <string>
#include <string_view>

namespace quorvex {

std::string Cp1252ToUtf8(std::string_view text);

// Characters that Windows-1252 cannot hold, and malformed UTF-8, become "?".
std::string Utf8ToCp1252(std::string_view text);

}  // namespace quorvex
