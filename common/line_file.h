#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvex {

// No data file is larger: a bigger file, or anything that is no regular file (a FIFO, a device,
// a folder), reads as one that cannot be opened, so no reader waits or runs out of memory.
inline constexpr std::uintmax_t kMaxLineFileSize = 64ull * 1024 * 1024;

// The lines of a text file; CR LF, LF and lone CR all end a line, and a final line end adds no
// empty line. nullopt when the file cannot be opened for reading, is no regular file or is
// larger than kMaxLineFileSize. The open never blocks.
std::optional<std::vector<std::string>> ReadLineFile(const std::filesystem::path& path);

class FileWriteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Writes every line with CR LF into a temporary file beside the target and renames it over the
// target, so a failed write leaves the old file whole. A symbolic link is written through to
// the file it names. Where no temporary file can be made (a folder without write permission)
// a writable file is rewritten in place, with its old bytes put back when that fails. Throws
// FileWriteError, before touching anything when a line holds CR or LF or the file would
// exceed kMaxLineFileSize; also at the file-size limit: the SIGXFSZ of that write is held back
// and taken, so it ends no process. Temporary files that dead processes left beside the target
// are removed.
void WriteLineFile(const std::filesystem::path& path, const std::vector<std::string>& lines);

// Removes what killed saves of this file left beside it: temporary files of processes that no
// longer run. Only the folder's one writer calls it for files it may still be writing.
void RemoveStaleTemporaries(const std::filesystem::path& path);

// One file of a group that changes together.
struct LineFileContent {
  std::filesystem::path path;
  std::vector<std::string> lines;
};

// Replaces every file of the group so that readers of ReadLineFileGroup see either all old or
// all new contents, whatever fails or stops the save. Each new content is first written whole
// beside its target; only then does the commit file appear, the contents are renamed into
// place and the commit file goes. A commit file found later means those contents are complete:
// readers take them, and the next save finishes moving them into place. Throws FileWriteError;
// the group is then as it was.
void WriteLineFileGroup(const std::vector<LineFileContent>& files,
                        const std::filesystem::path& commit_file);

// Brings a group that a stopped save left behind to its last complete state: a committed save
// is moved into place, the new contents of one that never committed are removed. For the
// folder's one writer, at start; false when a committed save could not be moved.
bool SettleLineFileGroup(const std::vector<std::filesystem::path>& files,
                         const std::filesystem::path& commit_file);

// The lines of every file of the group, as the last complete save left them; nullopt when any
// of them cannot be read.
std::optional<std::vector<std::vector<std::string>>> ReadLineFileGroup(
    const std::vector<std::filesystem::path>& files, const std::filesystem::path& commit_file);

}  // namespace quorvex
