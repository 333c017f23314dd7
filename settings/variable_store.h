#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

// The user variables: two parallel line lists sharing one index space. The declarations decide
// which variables exist; a declaration without an assignment line has the empty assignment.
class VariableStore {
 public:
  std::vector<std::string> declarations;
  std::vector<std::string> assignments;

  // The index of the first declaration equal to name, or -1.
  int Find(std::string_view name) const;
  // The assignment of index i; empty when the assignments list is shorter.
  std::string_view Assignment(int index) const;
};

}  // namespace quorvex
