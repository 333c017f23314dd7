#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <string_view>
#include <vector>

#include "library/function_table.h"
#include "library/random_generators.h"

namespace quorvex::testing_support {

// Calls a built-in through its table row, as the engine does, so every check also proves
// the wiring of the row.
inline long double CallFunction(std::string_view name, const std::vector<long double>& values,
                                RandomGenerators& random) {
  const FunctionRow* row = FindFunction(name);
  EXPECT_NE(row, nullptr) << name;
  if (row == nullptr) return std::nanl("");
  return row->impl(FunctionArgs{values.data(), static_cast<int>(values.size()), random});
}

// Agreement to 15 significant digits, what the answer text shows; exact for zero.
inline ::testing::AssertionResult NearlyEqual(long double got, long double want) {
  const long double tolerance = 1E-15L * std::fmax(1.0L, std::fabs(want));
  if (std::isinf(want) ? got == want : std::fabs(got - want) <= tolerance) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure()
         << "got " << static_cast<double>(got) << ", want " << static_cast<double>(want);
}

}  // namespace quorvex::testing_support
