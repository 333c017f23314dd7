// Internal to engine/: the built-in tables looked up by name without comparing every row.
#pragma once

#include <array>
#include <span>
#include <string_view>
#include <vector>

namespace quorvex {

// The rows of a table grouped by the first byte of their names, in table order, so a lookup
// compares only the names that can match and returns the same first match as a scan of the
// whole table. Built once; immutable afterwards.
template <typename Row>
class NameIndex {
 public:
  explicit NameIndex(std::span<const Row> rows) {
    for (const Row& row : rows) {
      if (row.name.empty()) {
        unnamed_.push_back(&row);
      } else {
        by_first_byte_[static_cast<unsigned char>(row.name[0])].push_back(&row);
      }
    }
  }

  // The first row whose name equals name byte for byte, or nullptr.
  const Row* Find(std::string_view name) const {
    const std::vector<const Row*>& candidates =
        name.empty() ? unnamed_ : by_first_byte_[static_cast<unsigned char>(name[0])];
    for (const Row* row : candidates) {
      if (row->name == name) return row;
    }
    return nullptr;
  }

 private:
  std::array<std::vector<const Row*>, 256> by_first_byte_;
  std::vector<const Row*> unnamed_;
};

}  // namespace quorvex
