#pragma once

#include "library/function_table.h"

namespace quorvex {

// The statistics of category "s". args.n[0] to args.n[count - 1] are the values of the call;
// each is rounded to double before use, and sums are formed in extended precision. A value
// beyond the double range is an overflow fault; var and sdev of one value are 0/0 faults.

long double ArrayAve(const FunctionArgs& args);
long double ArrayCount(const FunctionArgs& args);
long double ArrayMax(const FunctionArgs& args);
// The middle value after an ascending sort, or the mean of the two middle values.
long double ArrayMed(const FunctionArgs& args);
long double ArrayMin(const FunctionArgs& args);
// The Euclidean norm, the square root of the sum of squares.
long double ArrayNorm(const FunctionArgs& args);
// The population standard deviation, sqrt(TV / N).
long double ArrayPsdev(const FunctionArgs& args);
// The population variance TV / N.
long double ArrayPvar(const FunctionArgs& args);
// The sample standard deviation, sqrt(TV / (N - 1)).
long double ArraySdev(const FunctionArgs& args);
long double ArraySum(const FunctionArgs& args);
long double ArraySumsq(const FunctionArgs& args);
// The total variance TV, the sum of squared deviations from the mean.
long double ArraySvar(const FunctionArgs& args);
// The sample variance TV / (N - 1).
long double ArrayVar(const FunctionArgs& args);

}  // namespace quorvex
