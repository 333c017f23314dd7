#include "common/line_file.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string_view>
#include <system_error>

namespace quorvex {
namespace {

std::string ErrorText(int error) { return std::generic_category().message(error); }

[[noreturn]] void Fail(const std::filesystem::path& path, const std::string& what, int error) {
  std::string text = "Could not write '" + path.string() + "': " + what;
  if (error != 0) text += ": " + ErrorText(error);
  throw FileWriteError(text);
}

// Closes a descriptor and removes the temporary file unless the write was committed.
class TempFile {
 public:
  TempFile() = default;
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!path_.empty()) ::unlink(path_.c_str());
  }

  bool Create(const std::filesystem::path& target) {
    // The pid and a counter keep the name unique; O_EXCL never reuses a stale leftover.
    for (int attempt = 0; attempt < 100; ++attempt) {
      std::string name =
          target.string() + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(attempt);
      const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
      if (fd >= 0) {
        fd_ = fd;
        path_ = std::move(name);
        return true;
      }
      if (errno != EEXIST) return false;
    }
    errno = EEXIST;
    return false;
  }

  int fd() const { return fd_; }
  const std::string& path() const { return path_; }

  // Closes the descriptor; false with errno when the close reports a failed write.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

  // After a successful rename the temporary name is gone: nothing to remove.
  void Release() { path_.clear(); }

 private:
  int fd_ = -1;
  std::string path_;
};

// Writes everything or reports the failure with errno; a short write that makes no progress
// (for example at the file-size limit when SIGXFSZ is ignored) is a failure.
bool WriteAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t written = ::write(fd, data.data(), data.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (written == 0) {
      errno = EIO;
      return false;
    }
    data.remove_prefix(static_cast<size_t>(written));
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

}  // namespace

std::optional<std::vector<std::string>> ReadLineFile(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string data;
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      ::close(fd);
      return std::nullopt;  // a directory, or a read error
    }
    if (got == 0) break;
    data.append(buffer, static_cast<size_t>(got));
  }
  ::close(fd);

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

void WriteLineFile(const std::filesystem::path& path, const std::vector<std::string>& lines) {
  std::string data;
  size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 2;
  data.reserve(size);
  for (const std::string& line : lines) {
    data += line;
    data += "\r\n";
  }

  TempFile temp;
  if (!temp.Create(path)) Fail(path, "cannot create a temporary file", errno);
  // Keep the permissions of the file being replaced.
  struct stat old_status;
  if (::stat(path.c_str(), &old_status) == 0 && S_ISREG(old_status.st_mode)) {
    ::fchmod(temp.fd(), old_status.st_mode & 07777);
  }
  bool written = false;
  {
    const FileSizeSignalHold hold;
    written = WriteAll(temp.fd(), data);
  }
  if (!written) Fail(path, "write failed", errno);
  if (::fsync(temp.fd()) != 0) Fail(path, "flush failed", errno);
  if (!temp.Close()) Fail(path, "close failed", errno);
  if (::rename(temp.path().c_str(), path.c_str()) != 0) Fail(path, "rename failed", errno);
  temp.Release();

  // Make the rename itself durable; the new file is complete either way.
  std::filesystem::path folder = path.parent_path();
  if (folder.empty()) folder = ".";
  const int folder_fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder_fd >= 0) {
    ::fsync(folder_fd);
    ::close(folder_fd);
  }
}

}  // namespace quorvex
