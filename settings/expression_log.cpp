#include "settings/expression_log.h"

#include "common/line_file.h"

namespace quorvex {

void WriteExpressionLog(const std::filesystem::path& file,
                        const std::vector<std::string>& expressions) {
  WriteLineFile(file, expressions);
}

bool InsertExpressionLog(const std::filesystem::path& file, std::vector<std::string>& evaluate) {
  // The file is read even when nothing will be inserted, so a missing log is always reported.
  const std::optional<std::vector<std::string>> lines = ReadLineFile(file);
  if (!lines) return false;
  if (!evaluate.empty()) return true;
  for (const std::string& line : *lines) {
    if (!line.empty()) evaluate.push_back(line);
  }
  return true;
}

std::optional<std::vector<std::string>> ReadLogViewer(const std::filesystem::path& file) {
  return ReadLineFile(file);
}

bool ClearExpressionLog(const std::filesystem::path& file, std::vector<std::string>& viewer) {
  if (viewer.empty()) return true;
  WriteLineFile(file, {});
  std::optional<std::vector<std::string>> lines = ReadLineFile(file);
  if (!lines) return false;
  viewer = std::move(*lines);
  return true;
}

}  // namespace quorvex
