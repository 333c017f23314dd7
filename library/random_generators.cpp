#include "library/random_generators.h"

namespace quorvex {

uint32_t RandGenerator::Draw() {
  state_ = state_ * 1486058704437ULL + 1;  // wraps modulo 2^64
  return static_cast<uint32_t>((state_ >> 32) & 2147483647U);
}

uint32_t RangeGenerator::DrawBelow(uint64_t limit) {
  state_ = state_ * 134775813U + 1;  // wraps modulo 2^32
  // state < 2^32 and limit <= 2^32: the product stays below 2^64.
  return static_cast<uint32_t>((static_cast<uint64_t>(state_) * limit) >> 32);
}

long double RangeGenerator::DrawUnit() {
  state_ = state_ * 134775813U + 1;
  return static_cast<long double>(state_) / 4294967296.0L;
}

}  // namespace quorvex
