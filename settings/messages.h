#pragma once

#include <string>
#include <string_view>

namespace quorvex {

// The start-up messages of the data files; the app shows them, the windows reuse them.

// "Quorvex could not find or open '" + file + "'".
inline std::string CouldNotOpenMessage(std::string_view file) {
  std::string text = "Quorvex could not find or open '";
  text += file;
  text += "'";
  return text;
}

// Shown after any could-not-open message, just before the program ends.
inline constexpr std::string_view kWillBeClosed = "Quorvex will now be closed";

// A second window on a working folder that a running window already uses; the two messages
// that follow end the second one before it can overwrite what the first saves.
inline constexpr std::string_view kFolderInUseMessage =
    "Quorvex is already open in this folder. Use that window: a second one could overwrite what "
    "the first one saves";

// The one message for either variable file, whichever of the two is missing.
inline constexpr std::string_view kVariableFilesMessage =
    "Quorvex could not find or open 'bin/vara.ini' or 'bin/vard.ini'";

// The refusal of a declaration line (line is 1-based).
inline std::string DeclarationInUseMessage(int line, std::string_view text) {
  std::string message = "Error: Declaration line[";
  message += std::to_string(line);
  message += "]. '";
  message += text;
  message += "' is used by Quorvex";
  return message;
}

}  // namespace quorvex
