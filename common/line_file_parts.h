#pragma once

// The pieces that the single-file and the group saves share: descriptors and temporary files,
// bounded reading, line checks, links, in-place rewriting. Not for use outside common/.

#include <errno.h>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex::line_file_parts {

namespace fs = std::filesystem;

// Throws FileWriteError "Could not write '<path>': <what>[: <error text>]".
[[noreturn]] void Fail(const fs::path& path, const std::string& what, int error);

// A descriptor that closes itself.
class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }
  void Reset(int fd) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
  }
  // Closes now; false with errno when the close reports a failed write.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// A new file beside the target that is removed again unless the write was committed.
class TempFile {
 public:
  TempFile() = default;
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() {
    if (fd_.valid()) fd_.Close();
    if (!path_.empty()) ::unlink(path_.c_str());
  }

  // A name of its own: the pid and a counter keep it unique; O_EXCL never reuses a leftover.
  bool CreateUnique(const fs::path& target) {
    for (int attempt = 0; attempt < 100; ++attempt) {
      std::string name =
          target.string() + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
      if (Open(name, O_EXCL)) return true;
      if (errno != EEXIST) return false;
    }
    errno = EEXIST;
    return false;
  }

  // A fixed name, replacing whatever an earlier, unfinished save left there.
  bool CreateNamed(std::string name) { return Open(std::move(name), O_TRUNC); }

  int fd() const { return fd_.get(); }
  const std::string& path() const { return path_; }
  bool Close() { return fd_.Close(); }
  // After a successful rename the temporary name is gone: nothing to remove.
  void Release() { path_.clear(); }

 private:
  bool Open(std::string name, int mode) {
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NOFOLLOW | mode, 0666);
    if (fd < 0) return false;
    fd_.Reset(fd);
    path_ = std::move(name);
    return true;
  }

  Descriptor fd_;
  std::string path_;
};

// The bytes of a regular file of at most kMaxLineFileSize; nullopt otherwise. The open never
// blocks, so a FIFO in place of a file is seen (and refused) instead of waited on.
std::optional<std::string> ReadWholeFile(const fs::path& path);
// CR LF, LF and a lone CR each end a line; a final line end adds no empty line.
std::vector<std::string> SplitLines(const std::string& data);
// The file's bytes; refuses (throws) what could not be read back as the same lines.
std::string Serialize(const fs::path& path, const std::vector<std::string>& lines);
// The file a path names once symbolic links are followed; a link that names nothing yet leads
// to the path it names.
fs::path ResolveLinks(const fs::path& path);
// Makes renames and new names in the file's folder durable.
void SyncFolder(const fs::path& file);
// Errors of a folder that takes no new names although its files may be writable.
bool FolderDenied(int error);
// Removes the "<name>.tmp<pid>-<n>" files of processes that no longer run.
void RemoveStaleTemporariesOf(const fs::path& target);
// Gives the new file the permissions of the file it replaces.
void KeepMode(int fd, const fs::path& target);
// Writes data into the temporary file, flushes and closes it; false with errno on failure.
bool FillTemporary(TempFile& temp, std::string_view data);
// Rewrites a writable file in place (its folder takes no new names); throws FileWriteError,
// with the old bytes back, when that fails.
void WriteInPlace(const fs::path& path, const fs::path& target, std::string_view data,
                  int folder_error);

}  // namespace quorvex::line_file_parts
