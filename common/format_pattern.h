#pragma once

#include <string>
#include <string_view>

namespace quorvex {

// The thousands separator that FormatPattern writes. A blank, so that a grouped answer pasted
// back into an expression still reads as one number.
inline constexpr char kThousandsSeparator = ' ';

// Writes a value by a digit pattern such as "0.####" or "#,##0.00;(0.00);zero". Every text is
// a pattern; an empty one gives FormatGeneral.
std::string FormatPattern(std::string_view pattern, long double value);

}  // namespace quorvex
