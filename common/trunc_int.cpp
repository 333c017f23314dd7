#include <cmath>

#include "common/number_text.h"

namespace quorvex {

int32_t TruncToInt32(long double value) {
  if (std::isnan(value)) return 0;
  const long double whole = std::trunc(value);
  // [-2^63, 2^63) is the 64-bit range; both bounds are exact in long double.
  if (whole < -9223372036854775808.0L || whole >= 9223372036854775808.0L) return 0;
  const int64_t wide = static_cast<int64_t>(whole);
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(wide)));
}

}  // namespace quorvex
