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

namespace {

// The pair's commit file sits beside the declarations.
std::filesystem::path CommitFile(const std::filesystem::path& declarations_file) {
  return declarations_file.parent_path() / std::filesystem::path(kVariablesCommitFile).filename();
}

}  // namespace

bool LoadVariableStore(const std::filesystem::path& declarations_file,
                       const std::filesystem::path& assignments_file, VariableStore& store) {
  std::optional<std::vector<std::vector<std::string>>> pair =
      ReadLineFileGroup({declarations_file, assignments_file}, CommitFile(declarations_file));
  if (!pair) return false;
  store.declarations = std::move((*pair)[0]);
  store.assignments = std::move((*pair)[1]);
  return true;
}

bool LoadVariableStore(const DataDir& dir, VariableStore& store) {
  return LoadVariableStore(dir.File(kDeclarationsFile), dir.File(kAssignmentsFile), store);
}

void SaveVariableStore(const std::filesystem::path& declarations_file,
                       const std::filesystem::path& assignments_file, const VariableStore& store) {
  WriteLineFileGroup(
      {{declarations_file, store.declarations}, {assignments_file, store.assignments}},
      CommitFile(declarations_file));
}

void SaveVariableStore(const DataDir& dir, const VariableStore& store) {
  SaveVariableStore(dir.File(kDeclarationsFile), dir.File(kAssignmentsFile), store);
}

void SettleVariableStore(const DataDir& dir) {
  SettleLineFileGroup({dir.File(kDeclarationsFile), dir.File(kAssignmentsFile)},
                      dir.File(kVariablesCommitFile));
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
