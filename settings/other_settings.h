#pragma once

#include <filesystem>
#include <string>

namespace quorvex {

// bin/other.ini: the first-run flag, the text of its first line.
struct OtherSettings {
  std::string firstrun;

  // The welcome window is shown only while the installed file still holds "0".
  bool ShowsWelcome() const { return firstrun == "0"; }

  bool operator==(const OtherSettings&) const = default;
};

// Reads the first line (empty for an empty file); false (and settings untouched) when the file
// cannot be opened.
bool LoadOtherSettings(const std::filesystem::path& file, OtherSettings& settings);

// Writes the single line "1", so later runs show no welcome. Throws FileWriteError.
void SaveFirstRunDone(const std::filesystem::path& file);

}  // namespace quorvex
