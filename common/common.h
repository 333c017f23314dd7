// common: the number text shared by every layer (reading numbers written with the decimal
// comma, FormatGeneral, FormatPattern), checked float arithmetic with its FloatFault,
// Windows-1252 <-> UTF-8, and whole-file line reading and writing. Plain C++, no state.
#pragma once

#include "common/checked_float.h"
#include "common/cp1252.h"
#include "common/format_pattern.h"
#include "common/line_file.h"
#include "common/number_text.h"
