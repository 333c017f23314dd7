#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace quorvex {

// Positions of the number system list.
enum NumberSystem : int {
  kHexadecimal = 0,
  kDecimal = 1,
  kOctal = 2,
  kQuaternary = 3,
  kBinary = 4,
};

inline constexpr std::array<std::string_view, 5> kNumberSystemNames = {
    "Hexadecimal", "Decimal", "Octal", "Quaternary", "Binary"};

struct GeneralSettings {
  bool logcheck = true;
  int numbersys = kDecimal;
  bool scicheck = false;
  bool autocomplete = false;
  bool storeinput = true;
  bool solcheck = true;
  bool tscheck = true;

  bool operator==(const GeneralSettings&) const = default;
};

// Reads the seven lines of general.ini; false (and settings untouched) when it cannot be opened.
bool LoadGeneralSettings(const std::filesystem::path& file, GeneralSettings& settings);
// Throws FileWriteError when the file cannot be replaced.
void SaveGeneralSettings(const std::filesystem::path& file, const GeneralSettings& settings);

// Scientific notation acts (and its check box is enabled) only with Decimal.
bool ScientificAvailable(const GeneralSettings& settings);

// Status panel 1: the number system's name, plus " (sci)" for Decimal with scicheck on.
std::string NumberSystemStatusText(const GeneralSettings& settings);

}  // namespace quorvex
