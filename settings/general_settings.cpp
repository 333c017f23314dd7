#include "settings/general_settings.h"

#include <string>
#include <vector>

#include "common/line_file.h"

namespace quorvex {

namespace {

// The number system read from its line: "0" to "3" by position, anything else Binary.
int NumberSystemFromText(const std::string& text) {
  if (text == "0") return kHexadecimal;
  if (text == "1") return kDecimal;
  if (text == "2") return kOctal;
  if (text == "3") return kQuaternary;
  return kBinary;
}

// Out-of-range positions behave as Binary everywhere, as they do when read.
int NormalNumberSystem(int numbersys) {
  return numbersys >= kHexadecimal && numbersys <= kBinary ? numbersys : kBinary;
}

const char* Flag(bool on) { return on ? "1" : "0"; }

}  // namespace

bool LoadGeneralSettings(const std::filesystem::path& file, GeneralSettings& settings) {
  const std::optional<std::vector<std::string>> lines = ReadLineFile(file);
  if (!lines) return false;
  auto line = [&lines](size_t i) -> std::string {
    return i < lines->size() ? (*lines)[i] : std::string();
  };
  settings.logcheck = line(0) == "1";
  settings.numbersys = NumberSystemFromText(line(1));
  settings.scicheck = line(2) == "1";
  settings.autocomplete = line(3) == "1";
  settings.storeinput = line(4) == "1";
  settings.solcheck = line(5) == "1";
  settings.tscheck = line(6) == "1";
  return true;
}

void SaveGeneralSettings(const std::filesystem::path& file, const GeneralSettings& settings) {
  WriteLineFile(file,
                {Flag(settings.logcheck), std::to_string(NormalNumberSystem(settings.numbersys)),
                 Flag(settings.scicheck), Flag(settings.autocomplete), Flag(settings.storeinput),
                 Flag(settings.solcheck), Flag(settings.tscheck)});
}

bool ScientificAvailable(const GeneralSettings& settings) { return settings.numbersys == kDecimal; }

std::string NumberSystemStatusText(const GeneralSettings& settings) {
  std::string text(kNumberSystemNames[NormalNumberSystem(settings.numbersys)]);
  if (settings.numbersys == kDecimal && settings.scicheck) text += " (sci)";
  return text;
}

}  // namespace quorvex
