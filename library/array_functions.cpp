#include "library/array_functions.h"

#include <cmath>
#include <limits>
#include <vector>

#include "common/checked_float.h"

namespace quorvex {
namespace {

// The values rounded to double; the vector grows with the call, so any count fits.
std::vector<double> Values(const FunctionArgs& args) {
  std::vector<double> values;
  if (args.count > 0) values.reserve(static_cast<size_t>(args.count));
  for (int i = 0; i < args.count; ++i) {
    const long double value = args.n[i];
    // A value that a double cannot hold would turn into an infinity unnoticed.
    if (std::fabs(value) > std::numeric_limits<double>::max()) {
      throw FloatFault(FloatFaultKind::kOverflow);
    }
    values.push_back(static_cast<double>(value));
  }
  return values;
}

long double Sum(const std::vector<double>& values) {
  long double sum = 0.0L;
  for (double x : values) sum = CheckedAdd(sum, x);
  return sum;
}

long double SumOfSquares(const std::vector<double>& values) {
  long double sum = 0.0L;
  for (double x : values) {
    const long double wide = x;
    sum = CheckedAdd(sum, CheckedMul(wide, wide));
  }
  return sum;
}

long double Count(const std::vector<double>& values) {
  return static_cast<long double>(values.size());
}

// The squared deviations from the mean, in two passes: S2 - S1^2 / N cancels to noise or even
// below zero when the values are close together. The second term corrects the rounding of
// the mean; for equal values the mean is exact (at most 499 doubles summed in 64 bits), so
// every deviation and the result are exactly 0.
long double TotalVariance(const std::vector<double>& values) {
  const long double count = Count(values);
  const long double mean = CheckedDiv(Sum(values), count);
  long double squares = 0.0L;
  long double deviations = 0.0L;
  for (double x : values) {
    const long double d = CheckedSub(x, mean);
    squares = CheckedAdd(squares, CheckedMul(d, d));
    deviations = CheckedAdd(deviations, d);
  }
  const long double result =
      CheckedSub(squares, CheckedDiv(CheckedMul(deviations, deviations), count));
  return result < 0.0L ? 0.0L : result;
}

// The square root of a negative value is an invalid operation, not a silent NAN.
long double CheckedSqrt(long double value) {
  if (value < 0.0L) throw FloatFault(FloatFaultKind::kInvalidOperation);
  return std::sqrt(value);
}

// An empty array has no first value to start from.
void RequireValues(const std::vector<double>& values) {
  if (values.empty()) throw FloatFault(FloatFaultKind::kInvalidOperation);
}

}  // namespace

long double ArrayAve(const FunctionArgs& args) {
  const std::vector<double> values = Values(args);
  return CheckedDiv(Sum(values), Count(values));
}

long double ArrayCount(const FunctionArgs& args) { return Count(Values(args)); }

long double ArrayMax(const FunctionArgs& args) {
  const std::vector<double> values = Values(args);
  RequireValues(values);
  double result = values[0];
  for (double x : values) {
    if (x > result) result = x;
  }
  return result;
}

long double ArrayMed(const FunctionArgs& args) {
  std::vector<double> values = Values(args);
  RequireValues(values);
  // Insertion sort: a value moves left only past strictly greater ones.
  for (size_t i = 1; i < values.size(); ++i) {
    const double x = values[i];
    size_t j = i;
    while (j > 0 && values[j - 1] > x) {
      values[j] = values[j - 1];
      --j;
    }
    values[j] = x;
  }
  const size_t n = values.size();
  if (std::fmod(static_cast<double>(n), 2.0) != 0.0) return values[(n - 1) / 2];
  // The pair is added in extended precision, so two huge doubles do not overflow.
  const long double pair = CheckedAdd(values[n / 2 - 1], values[n / 2]);
  return CheckedMul(pair, 0.5L);
}

long double ArrayMin(const FunctionArgs& args) {
  const std::vector<double> values = Values(args);
  RequireValues(values);
  double result = values[0];
  for (double x : values) {
    if (x < result) result = x;
  }
  return result;
}

long double ArrayNorm(const FunctionArgs& args) { return CheckedSqrt(SumOfSquares(Values(args))); }

long double ArrayPsdev(const FunctionArgs& args) { return CheckedSqrt(ArrayPvar(args)); }

long double ArrayPvar(const FunctionArgs& args) {
  const std::vector<double> values = Values(args);
  return CheckedDiv(TotalVariance(values), Count(values));
}

long double ArraySdev(const FunctionArgs& args) { return CheckedSqrt(ArrayVar(args)); }

long double ArraySum(const FunctionArgs& args) { return Sum(Values(args)); }

long double ArraySumsq(const FunctionArgs& args) { return SumOfSquares(Values(args)); }

long double ArraySvar(const FunctionArgs& args) { return TotalVariance(Values(args)); }

long double ArrayVar(const FunctionArgs& args) {
  const std::vector<double> values = Values(args);
  return CheckedDiv(TotalVariance(values), CheckedSub(Count(values), 1.0L));
}

}  // namespace quorvex
