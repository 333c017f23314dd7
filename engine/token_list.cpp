#include "engine/token_list.h"

#include <utility>

namespace quorvex {

void TokenList::Remove(int first, int n) {
  if (n <= 0) return;
  for (int i = first; i + n < count; ++i) slots[i] = std::move(slots[i + n]);
  count -= n;
}

void TokenList::CopyFrom(const TokenList& other) {
  for (int i = 0; i < other.count; ++i) slots[i] = other.slots[i];
  count = other.count;
}

std::string TokenList::Joined() const {
  std::string line;
  for (int i = 0; i < count; ++i) line += slots[i];
  return line;
}

}  // namespace quorvex
