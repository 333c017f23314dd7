#include "settings/other_settings.h"

#include <vector>

#include "common/line_file.h"

namespace quorvex {

bool LoadOtherSettings(const std::filesystem::path& file, OtherSettings& settings) {
  const std::optional<std::vector<std::string>> lines = ReadLineFile(file);
  if (!lines) return false;
  settings.firstrun = lines->empty() ? std::string() : lines->front();
  return true;
}

void SaveFirstRunDone(const std::filesystem::path& file) { WriteLineFile(file, {"1"}); }

}  // namespace quorvex
