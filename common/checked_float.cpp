#include "common/checked_float.h"

#include <cmath>

namespace quorvex {
namespace {

const char* FaultText(FloatFaultKind kind) {
  switch (kind) {
    case FloatFaultKind::kDivisionByZero:
      return "Floating point division by zero";
    case FloatFaultKind::kInvalidOperation:
      return "Invalid floating point operation";
    case FloatFaultKind::kOverflow:
      return "Floating point overflow";
  }
  return "Invalid floating point operation";
}

// The faults the hardware would raise for one operation whose operands are not NaN: a NaN
// result is an invalid operation, an infinite result from finite operands an overflow.
long double Check(long double a, long double b, long double result) {
  if (std::isnan(a) || std::isnan(b)) return result;
  if (std::isnan(result)) throw FloatFault(FloatFaultKind::kInvalidOperation);
  if (std::isinf(result) && std::isfinite(a) && std::isfinite(b)) {
    throw FloatFault(FloatFaultKind::kOverflow);
  }
  return result;
}

}  // namespace

FloatFault::FloatFault(FloatFaultKind kind) : UntrappedFault(FaultText(kind)), kind_(kind) {}

long double CheckedAdd(long double a, long double b) { return Check(a, b, a + b); }

long double CheckedSub(long double a, long double b) { return Check(a, b, a - b); }

long double CheckedMul(long double a, long double b) { return Check(a, b, a * b); }

long double CheckedDiv(long double a, long double b) {
  if (b == 0 && !std::isnan(a)) {
    if (a == 0) throw FloatFault(FloatFaultKind::kInvalidOperation);
    // An infinite dividend over zero stays infinite, as the hardware has it.
    if (std::isfinite(a)) throw FloatFault(FloatFaultKind::kDivisionByZero);
  }
  return Check(a, b, a / b);
}

}  // namespace quorvex
