#pragma once

#include <cstdint>

namespace quorvex {

struct FunctionRow;

// One reduction the solver made in the working tokens, told before the tokens move, so that an
// observer can follow which token holds which value. at is a slot of the working tokens:
//   kPower, kMul, kDiv: the operator; the slot before it gets the result, at and at+1 go.
//   kSumBegin, kSumEnd, kLone: the first operand of the stretch, which kSumEnd and kLone
//     overwrite with the result.
//   kAdd, kSub: the operator; its right operand is added, at and at+1 go.
//   kUnwrap: the "(" that takes the token after it; at+1 and at+2 go.
//   kCall: the "[" of a call of row with count values; the name's slot (at-1) gets the result,
//     removed slots from at go.
struct Reduction {
  enum Kind : uint8_t { kPower, kMul, kDiv, kSumBegin, kAdd, kSub, kSumEnd, kLone, kCall, kUnwrap };
  Kind kind;
  int at = 0;
  int count = 0;    // kCall: the number of values
  int removed = 0;  // kCall: the number of slots removed from at
  const FunctionRow* row = nullptr;
};

// Follows the reductions of a solve (the graph run's replay records them).
class ReductionObserver {
 public:
  virtual void Reduced(const Reduction& reduction) = 0;

 protected:
  ~ReductionObserver() = default;
};

}  // namespace quorvex
