#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/data_files.h"

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

  bool operator==(const VariableStore&) const = default;
};

// Reads both files whole, replacing both lists, as the last complete save left them (see
// SaveVariableStore). False when either file cannot be opened; the store is then left as it
// was, so a half-read pair is never used.
bool LoadVariableStore(const std::filesystem::path& declarations_file,
                       const std::filesystem::path& assignments_file, VariableStore& store);
// The same for bin/vard.ini and bin/vara.ini of a data directory.
bool LoadVariableStore(const DataDir& dir, VariableStore& store);

// Writes the declarations and the assignments, one line per entry, as one change: after a
// failure at any point the pair on disk reads as the old pair or the new one, never a mix (the
// commit file bin/vars.commit marks a save whose new pair is complete but not yet in place).
// The two files keep their format, so files of any version load. Throws FileWriteError.
void SaveVariableStore(const std::filesystem::path& declarations_file,
                       const std::filesystem::path& assignments_file, const VariableStore& store);
void SaveVariableStore(const DataDir& dir, const VariableStore& store);

// At start, for the folder's one writer: finishes a save of the pair that was stopped after it
// committed, or removes what one left that never committed. Loading works either way.
void SettleVariableStore(const DataDir& dir);

// The message for the first declaration line that equals "ans", "x", a constant name or a
// function name; nullopt when every line is acceptable. Assignments are not examined.
std::optional<std::string> ValidateDeclarations(const VariableStore& store);

// The creation wizard's append: each text becomes the new last line of its own list, even when
// the two lists differ in length.
void AppendVariable(VariableStore& store, std::string_view declaration,
                    std::string_view assignment);

}  // namespace quorvex
