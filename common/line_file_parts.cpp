#include "common/line_file_parts.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>

#include <system_error>

#include "common/line_file.h"

namespace quorvex::line_file_parts {
namespace {

std::string ErrorText(int error) { return std::generic_category().message(error); }

// Writes everything at offset or reports the failure with errno; a short write that makes no
// progress (for example at the file-size limit when SIGXFSZ is ignored) is a failure.
bool WriteAllAt(int fd, std::string_view data, off_t offset) {
  while (!data.empty()) {
    const ssize_t written = ::pwrite(fd, data.data(), data.size(), offset);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (written == 0) {
      errno = EIO;
      return false;
    }
    data.remove_prefix(static_cast<size_t>(written));
    offset += written;
  }
  return true;
}

// Writing past the file-size limit raises SIGXFSZ, whose default action ends the process before
// anyone can report the failed save. While held blocked the write fails with EFBIG instead; a
// signal that the write raised is taken back before the old mask returns.
class FileSizeSignalHold {
 public:
  FileSizeSignalHold() {
    sigemptyset(&signal_);
    sigaddset(&signal_, SIGXFSZ);
    sigset_t pending;
    was_pending_ = ::sigpending(&pending) == 0 && sigismember(&pending, SIGXFSZ) == 1;
    held_ = ::pthread_sigmask(SIG_BLOCK, &signal_, &old_mask_) == 0;
  }
  FileSizeSignalHold(const FileSizeSignalHold&) = delete;
  FileSizeSignalHold& operator=(const FileSizeSignalHold&) = delete;
  ~FileSizeSignalHold() {
    if (!held_) return;
    const int saved_errno = errno;
    sigset_t pending;
    if (!was_pending_ && ::sigpending(&pending) == 0 && sigismember(&pending, SIGXFSZ) == 1) {
      const struct timespec no_wait = {0, 0};
      ::sigtimedwait(&signal_, nullptr, &no_wait);
    }
    ::pthread_sigmask(SIG_SETMASK, &old_mask_, nullptr);
    errno = saved_errno;
  }

 private:
  sigset_t signal_;
  sigset_t old_mask_;
  bool was_pending_ = false;
  bool held_ = false;
};

// The bytes of an open regular file of at most kMaxLineFileSize; nullopt otherwise.
std::optional<std::string> ReadOpenFile(int fd) {
  struct stat status;
  if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size < 0 ||
      static_cast<std::uintmax_t>(status.st_size) > kMaxLineFileSize) {
    return std::nullopt;
  }
  std::string data;
  data.reserve(static_cast<size_t>(status.st_size));
  char buffer[65536];
  off_t offset = 0;
  for (;;) {
    const ssize_t got = ::pread(fd, buffer, sizeof buffer, offset);
    if (got < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    if (got == 0) break;
    // A file that grows while it is read is held to the same limit.
    if (data.size() + static_cast<size_t>(got) > kMaxLineFileSize) return std::nullopt;
    data.append(buffer, static_cast<size_t>(got));
    offset += got;
  }
  return data;
}

}  // namespace

[[noreturn]] void Fail(const fs::path& path, const std::string& what, int error) {
  std::string text = "Could not write '" + path.string() + "': " + what;
  if (error != 0) text += ": " + ErrorText(error);
  throw FileWriteError(text);
}

// Non-blocking, so a FIFO in place of a file is seen (and refused) instead of waited on.
std::optional<std::string> ReadWholeFile(const fs::path& path) {
  const Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!fd.valid()) return std::nullopt;
  return ReadOpenFile(fd.get());
}

std::vector<std::string> SplitLines(const std::string& data) {
  std::vector<std::string> lines;
  size_t start = 0;
  size_t i = 0;
  while (i < data.size()) {
    const char c = data[i];
    if (c == '\r' || c == '\n') {
      lines.emplace_back(data, start, i - start);
      i += (c == '\r' && i + 1 < data.size() && data[i + 1] == '\n') ? 2 : 1;
      start = i;
    } else {
      ++i;
    }
  }
  if (start < data.size()) lines.emplace_back(data, start, data.size() - start);
  return lines;
}

// The file's bytes; refuses what could not be read back as the same lines.
std::string Serialize(const fs::path& path, const std::vector<std::string>& lines) {
  size_t size = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (lines[i].find_first_of("\r\n") != std::string::npos) {
      Fail(path, "line " + std::to_string(i + 1) + " holds a line break", 0);
    }
    size += lines[i].size() + 2;
  }
  if (size > kMaxLineFileSize) {
    Fail(path, "the file would be larger than " + std::to_string(kMaxLineFileSize) + " bytes", 0);
  }
  std::string data;
  data.reserve(size);
  for (const std::string& line : lines) {
    data += line;
    data += "\r\n";
  }
  return data;
}

// The file a path names once symbolic links are followed, so that a save replaces the link's
// target and keeps the link. A link that names nothing yet leads to the path it names.
fs::path ResolveLinks(const fs::path& path) {
  fs::path current = path;
  for (int depth = 0; depth < 40; ++depth) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(current, error))) return current;
    const fs::path next = fs::read_symlink(current, error);
    if (error) return current;
    current = next.is_absolute() ? next : current.parent_path() / next;
  }
  return current;
}

fs::path FolderOf(const fs::path& file) {
  fs::path folder = file.parent_path();
  return folder.empty() ? fs::path(".") : folder;
}

// Makes renames and new names in the folder durable; the files are complete either way.
void SyncFolder(const fs::path& file) {
  const Descriptor folder(::open(FolderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (folder.valid()) ::fsync(folder.get());
}

bool FolderDenied(int error) { return error == EACCES || error == EPERM; }

// Removes the "<name>.tmp<pid>-<n>" files that processes which no longer run left beside target
// when they were killed in the middle of a save.
void RemoveStaleTemporariesOf(const fs::path& target) {
  const std::string prefix = target.filename().string() + ".tmp";
  DIR* folder = ::opendir(FolderOf(target).c_str());
  if (folder == nullptr) return;
  const pid_t own = ::getpid();
  while (const struct dirent* entry = ::readdir(folder)) {
    const std::string_view name(entry->d_name);
    if (name.substr(0, prefix.size()) != prefix) continue;
    const std::string_view rest = name.substr(prefix.size());
    const size_t dash = rest.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash > 9) continue;
    long pid = 0;
    bool digits = true;
    for (const char c : rest.substr(0, dash)) {
      digits = digits && c >= '0' && c <= '9';
      pid = pid * 10 + (c - '0');
    }
    const std::string_view counter = rest.substr(dash + 1);
    for (const char c : counter) digits = digits && c >= '0' && c <= '9';
    if (!digits || counter.empty() || pid <= 0 || pid == own) continue;
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) {
      ::unlinkat(::dirfd(folder), entry->d_name, 0);
    }
  }
  ::closedir(folder);
}

// Keeps the permissions of the file being replaced.
void KeepMode(int fd, const fs::path& target) {
  struct stat old_status;
  if (::stat(target.c_str(), &old_status) == 0 && S_ISREG(old_status.st_mode)) {
    ::fchmod(fd, old_status.st_mode & 07777);
  }
}

// Writes data into the temporary file and flushes it; errno on failure.
bool FillTemporary(TempFile& temp, std::string_view data) {
  bool written = false;
  {
    const FileSizeSignalHold hold;
    written = WriteAllAt(temp.fd(), data, 0);
  }
  return written && ::fsync(temp.fd()) == 0 && temp.Close();
}

// Rewrites a writable file whose folder takes no new names. The space is reserved first, so a
// full disk fails before a byte changes; any later failure puts the old bytes back.
void WriteInPlace(const fs::path& path, const fs::path& target, std::string_view data,
                  int folder_error) {
  const Descriptor fd(::open(target.c_str(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!fd.valid()) Fail(path, "cannot create a temporary file", folder_error);
  const std::optional<std::string> old = ReadOpenFile(fd.get());
  if (!old) Fail(path, "cannot read the file to rewrite it in place", 0);

  const FileSizeSignalHold hold;
  if (data.size() > old->size() &&
      ::fallocate(fd.get(), 0, 0, static_cast<off_t>(data.size())) != 0 && errno != EOPNOTSUPP) {
    const int error = errno;
    (void)!::ftruncate(fd.get(), static_cast<off_t>(old->size()));
    Fail(path, "cannot reserve space to rewrite it in place", error);
  }
  if (WriteAllAt(fd.get(), data, 0) &&
      ::ftruncate(fd.get(), static_cast<off_t>(data.size())) == 0 && ::fsync(fd.get()) == 0) {
    return;
  }
  const int error = errno;
  if (WriteAllAt(fd.get(), *old, 0) &&
      ::ftruncate(fd.get(), static_cast<off_t>(old->size())) == 0) {
    ::fsync(fd.get());
    Fail(path, "rewriting it in place failed, the old content is back", error);
  }
  Fail(path, "rewriting it in place failed and the old content could not be put back", error);
}

}  // namespace quorvex::line_file_parts
