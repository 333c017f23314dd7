#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace quorvex {

// Replaces the log with the whole expression list, one line per item. Throws FileWriteError.
void WriteExpressionLog(const std::filesystem::path& file,
                        const std::vector<std::string>& expressions);

// Insert log: reads the file first (false when it cannot be opened, and nothing is inserted);
// only an empty list receives the lines, and empty lines are skipped (lines of blanks are not).
bool InsertExpressionLog(const std::filesystem::path& file, std::vector<std::string>& evaluate);

// Every line of the log, empty ones included, for the options dialog's viewer; nullopt when the
// file cannot be opened.
std::optional<std::vector<std::string>> ReadLogViewer(const std::filesystem::path& file);

// The Clear button: with an empty viewer nothing happens; otherwise the log is emptied and the
// viewer reloaded from it. False when the reload fails; throws FileWriteError from the write.
bool ClearExpressionLog(const std::filesystem::path& file, std::vector<std::string>& viewer);

}  // namespace quorvex
