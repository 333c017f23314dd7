#pragma once

#include <filesystem>
#include <string_view>

namespace quorvex {

// The data files, as the messages name them: relative to the working directory.
inline constexpr std::string_view kGeneralFile = "bin/general.ini";
inline constexpr std::string_view kOtherFile = "bin/other.ini";
inline constexpr std::string_view kMaskFile = "bin/mask.ini";
inline constexpr std::string_view kGraphFile = "bin/graph.ini";
inline constexpr std::string_view kDeclarationsFile = "bin/vard.ini";
inline constexpr std::string_view kAssignmentsFile = "bin/vara.ini";
inline constexpr std::string_view kLogFile = "bin/log.ini";
// Present only while a save of the variable pair is being moved into place.
inline constexpr std::string_view kVariablesCommitFile = "bin/vars.commit";

// Where the data files of one working directory live.
class DataDir {
 public:
  explicit DataDir(std::filesystem::path root) : root_(std::move(root)) {}
  std::filesystem::path File(std::string_view relative) const { return root_ / relative; }
  const std::filesystem::path& root() const { return root_; }

 private:
  std::filesystem::path root_;
};

}  // namespace quorvex
