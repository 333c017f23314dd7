#include "settings/mask_settings.h"

#include <vector>

#include "common/format_pattern.h"
#include "common/line_file.h"

namespace quorvex {

std::string MaskedText(const MaskSettings& mask, long double value) {
  return mask.prefix + FormatPattern(mask.mask, value) + mask.suffix;
}

std::string MaskStatusText(const MaskSettings& mask) {
  return mask.prefix + mask.mask + mask.suffix;
}

bool LoadMaskSettings(const std::filesystem::path& file, MaskSettings& settings) {
  const std::optional<std::vector<std::string>> lines = ReadLineFile(file);
  if (!lines) return false;
  auto line = [&lines](size_t i) -> std::string {
    return i < lines->size() ? (*lines)[i] : std::string();
  };
  // Lines are taken whole: the default prefix "= " keeps its blank.
  settings.prefix = line(0);
  settings.mask = line(1);
  settings.suffix = line(2);
  return true;
}

void SaveMaskSettings(const std::filesystem::path& file, const MaskSettings& settings) {
  WriteLineFile(file, {settings.prefix, settings.mask, settings.suffix});
}

}  // namespace quorvex
