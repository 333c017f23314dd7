#pragma once

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvex {

// Reads a number: optional blanks, optional sign, digits with at most one decimal comma,
// optional exponent, optional blanks. A lone "-", "NAN", "INF" and values beyond the
// extended range are no numbers.
std::optional<long double> ParseNumber(std::string_view text);

// The general form with 15 significant digits and the decimal comma: 0,333333333333333,
// 1,12589990684262E15, 1E-5, "INF", "-INF", "NAN".
std::string FormatGeneral(long double value);

// FormatGeneral into text, replacing or extending it in its own storage (no allocation once
// the string is large enough).
void AssignGeneral(long double value, std::string& text);
void AppendGeneral(long double value, std::string& text);

// ParseNumber(FormatGeneral(value)) without writing the text: the value rounded to the 15
// digits it is written with. Nullopt for "NAN", "INF" and texts beyond the extended range.
std::optional<long double> GeneralReadBack(long double value);

// Whether value is a whole number other than zero below 10^15 in magnitude: its text holds
// every digit, so it reads back unchanged. Inline, since it needs no trip through memory.
inline bool ReadsBackUnchanged(long double value) {
  return value != 0 && std::fabs(value) < 1e15L && value == std::rint(value);
}

// GeneralReadBack of value into value itself; false (value unchanged) where it gives nullopt.
// Working on the value where it lies keeps it out of the x87 register file's slow round trips
// through memory, which a long double argument and result each make.
bool GeneralReadBackInPlace(long double& value);

// Truncates toward zero to 64 bits and keeps the low 32 bits as a signed integer; values
// outside the 64-bit range give 0.
int32_t TruncToInt32(long double value);

}  // namespace quorvex
