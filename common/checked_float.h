#pragma once

#include <stdexcept>
#include <string>

namespace quorvex {

// A fault that the engine does not trap: it ends the solve without a message in the answer
// and reaches the general error report with its text.
class UntrappedFault : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class FloatFaultKind { kDivisionByZero, kInvalidOperation, kOverflow };

// A fault of the float arithmetic itself, with the standard texts "Floating point division by
// zero", "Invalid floating point operation" and "Floating point overflow".
class FloatFault : public UntrappedFault {
 public:
  explicit FloatFault(FloatFaultKind kind);
  FloatFaultKind kind() const { return kind_; }

 private:
  FloatFaultKind kind_;
};

// Arithmetic that throws FloatFault instead of yielding a silent infinity or not-a-number:
// finite operands overflowing, x/0, 0/0, inf-inf, 0*inf. A not-a-number operand passes quietly.
long double CheckedAdd(long double a, long double b);
long double CheckedSub(long double a, long double b);
long double CheckedMul(long double a, long double b);
long double CheckedDiv(long double a, long double b);

}  // namespace quorvex
