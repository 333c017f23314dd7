#pragma once

#include <filesystem>
#include <string>

namespace quorvex {

struct MaskSettings {
  std::string prefix = "= ";
  std::string mask;
  std::string suffix;

  bool operator==(const MaskSettings&) const = default;
};

// prefix + FormatPattern(mask, value) + suffix.
std::string MaskedText(const MaskSettings& mask, long double value);
// prefix + mask + suffix, the text of status panel 2.
std::string MaskStatusText(const MaskSettings& mask);

// Reads the three lines of mask.ini whole; false (and settings untouched) when it cannot be
// opened.
bool LoadMaskSettings(const std::filesystem::path& file, MaskSettings& settings);
// Throws FileWriteError when the file cannot be replaced.
void SaveMaskSettings(const std::filesystem::path& file, const MaskSettings& settings);

}  // namespace quorvex
