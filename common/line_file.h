#pragma once

#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvex {

// The lines of a text file; CR LF, LF and lone CR all end a line, and a final line end adds no
// empty line. nullopt when the file cannot be opened for reading.
std::optional<std::vector<std::string>> ReadLineFile(const std::filesystem::path& path);

class FileWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes every line with CR LF into a temporary file beside the target and renames it over the
// target, so a failed write leaves the old file whole. Throws FileWriteError, also at the
// file-size limit: the SIGXFSZ of that write is held back and taken, so it ends no process.
void WriteLineFile(const std::filesystem::path& path, const std::vector<std::string>& lines);

}  // namespace quorvex
