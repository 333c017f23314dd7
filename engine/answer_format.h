#pragma once

#include <string>

#include "settings/general_settings.h"
#include "settings/mask_settings.h"

namespace quorvex {

struct FormattedAnswer {
  std::string answer;  // the text of the answer box
  std::string bits;    // the text of status panel 0, "4 bit"
};

FormattedAnswer FormatAnswer(long double ans, const GeneralSettings& general,
                             const MaskSettings& mask);

// "1,2345*10^4"; zero gives "0*10^0", a value that is not finite its FormatGeneral text.
std::string FormatScientific(long double value);

// Sign digit, two blanks, the integer digits (two's complement when negative) and, when there
// is a fraction, two blanks and up to 24 binary places, in groups of group_bits (1 to 4).
// Expects 0 < |value| <= 2^48 - 1.
std::string ConvertToBase(long double value, int group_bits);

// "4 bit": the bits of ceil(|value|).
std::string BitCountText(long double value);

}  // namespace quorvex
