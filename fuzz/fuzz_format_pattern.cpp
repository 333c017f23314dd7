// FormatPattern over any pattern and value. Input: ten bytes of an x87 extended value (any bit
// pattern, unnormals and NaNs included), then the pattern.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "common/format_pattern.h"
#include "common/number_text.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  constexpr size_t kValueBytes = 10;
  if (size < kValueBytes) return 0;
  long double value = 0;
  std::memcpy(&value, data, kValueBytes);
  const std::string pattern(reinterpret_cast<const char*>(data) + kValueBytes, size - kValueBytes);
  const std::string text = quorvex::FormatPattern(pattern, value);
  // Output is the pattern's literal text and one number's digits (at most 4933 before the
  // comma) with their group separators; anything far beyond that is a runaway.
  if (text.size() > 2 * pattern.size() + 8000) __builtin_trap();
  quorvex::FormatGeneral(value);
  return 0;
}
