#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/mask_settings.h"

namespace quorvex {

// The value table's rows ("x: " + x + " <=> f(x): " + prefix + value + suffix) as CSV in UTF-8:
// a header line "x;f(x)", then one line per row with x and the value exactly as the table shows
// them, with the decimal comma; the mask's prefix and suffix are left out, so the columns stay
// numbers. Fields are separated by ";" and quoted only when they hold ";", a quote or a line
// break; lines end with CR LF. A row of another form keeps its whole text in the first field.
std::string TableCsv(const std::vector<std::string>& rows, const MaskSettings& mask);

// The same piece by piece, so that millions of rows are never held as one text: the header line,
// and the line of one row.
inline constexpr std::string_view kTableCsvHeader = "x;f(x)\r\n";
void AppendTableCsvLine(std::string_view row, const MaskSettings& mask, std::string& out);

}  // namespace quorvex
