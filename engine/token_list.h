#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quorvex {

// A fixed-capacity list of token texts. Slots at or beyond count hold stale texts.
struct TokenList {
  static constexpr int kCapacity = 1000;

  std::array<std::string, kCapacity> slots;
  int count = 0;

  const std::string& operator[](int i) const { return slots[i]; }
  std::string& operator[](int i) { return slots[i]; }

  // Removes n slots from first on; later tokens move down.
  void Remove(int first, int n);
  // Copies the texts and the count of other.
  void CopyFrom(const TokenList& other);
  // All tokens joined without separator, as a step line shows them.
  std::string Joined() const;
};

}  // namespace quorvex
