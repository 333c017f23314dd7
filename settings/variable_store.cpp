#include "settings/variable_store.h"

#include "common/line_file.h"
#include "library/constant_table.h"
#include "library/function_table.h"
#include "settings/messages.h"

namespace quorvex {

int VariableStore::Find(std::string_view name) const {
  for (size_t i = 0; i < declarations.size(); ++i) {
    if (declarations[i] == name) return static_cast<int>(i);
  }
  return -1;
}

std::string_view VariableStore::Assignment(int index) const {
  if (index < 0 || static_cast<size_t>(index) >= assignments.size()) return {};
  return assignments[static_cast<size_t>(index)];
}

bool LoadVariableStore(const std::filesystem::path& declarations_file,
                       const std::filesystem::path& assignments_file, VariableStore& store) {
  std::optional<std::vector<std::string>> declarations = ReadLineFile(declarations_file);
  if (!declarations) return false;
  std::optional<std::vector<std::string>> assignments = ReadLineFile(assignments_file);
  if (!assignments) return false;
  store.declarations = std::move(*declarations);
  store.assignments = std::move(*assignments);
  return true;
}

bool LoadVariableStore(const DataDir& dir, VariableStore& store) {
  return LoadVariableStore(dir.File(kDeclarationsFile), dir.File(kAssignmentsFile), store);
}

void SaveVariableStore(const std::filesystem::path& declarations_file,
                       const std::filesystem::path& assignments_file, const VariableStore& store) {
  WriteLineFile(declarations_file, store.declarations);
  WriteLineFile(assignments_file, store.assignments);
}

void SaveVariableStore(const DataDir& dir, const VariableStore& store) {
  SaveVariableStore(dir.File(kDeclarationsFile), dir.File(kAssignmentsFile), store);
}

std::optional<std::string> ValidateDeclarations(const VariableStore& store) {
  for (size_t i = 0; i < store.declarations.size(); ++i) {
    const std::string& name = store.declarations[i];
    if (name == "ans" || name == "x" || FindConstant(name) != nullptr ||
        FindFunction(name) != nullptr) {
      return DeclarationInUseMessage(static_cast<int>(i + 1), name);
    }
  }
  return std::nullopt;
}

void AppendVariable(VariableStore& store, std::string_view declaration,
                    std::string_view assignment) {
  store.declarations.emplace_back(declaration);
  store.assignments.emplace_back(assignment);
}

}  // namespace quorvex
