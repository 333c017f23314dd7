#pragma once

#include <cstdint>

namespace quorvex {

// The generator of rand: a 64-bit linear congruential state, never reseeded.
class RandGenerator {
 public:
  // Advances the state and returns bits 32 to 62 of it: 0 to 2147483647.
  uint32_t Draw();

 private:
  uint64_t state_ = 22695478;
};

// The generator of randr and randg: a 32-bit linear congruential state, never reseeded.
class RangeGenerator {
 public:
  // A whole number below limit, which may be up to 2^32 (0 when limit is 0).
  uint32_t DrawBelow(uint64_t limit);
  // A real number in [0, 1).
  long double DrawUnit();

 private:
  uint32_t state_ = 0;
};

struct RandomGenerators {
  RandGenerator rand;
  RangeGenerator range;
};

}  // namespace quorvex
