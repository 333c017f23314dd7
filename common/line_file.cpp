#include "common/line_file.h"

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string_view>
#include <system_error>

namespace quorvex {
namespace {

namespace fs = std::filesystem;

std::string ErrorText(int error) { return std::generic_category().message(error); }

[[noreturn]] void Fail(const fs::path& path, const std::string& what, int error) {
  std::string text = "Could not write '" + path.string() + "': " + what;
  if (error != 0) text += ": " + ErrorText(error);
  throw FileWriteError(text);
}

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

fs::path StagedName(const fs::path& target) { return target.string() + ".new"; }

bool Exists(const fs::path& path) {
  struct stat status;
  return ::lstat(path.c_str(), &status) == 0;
}

// Moves the staged contents of a committed group save into place and drops the commit.
bool FinishCommit(const std::vector<fs::path>& targets, const fs::path& commit_file) {
  bool moved = true;
  for (const fs::path& target : targets) {
    const fs::path staged = StagedName(target);
    if (Exists(staged) && ::rename(staged.c_str(), target.c_str()) != 0) moved = false;
  }
  if (!moved) return false;
  for (const fs::path& target : targets) SyncFolder(target);
  ::unlink(commit_file.c_str());
  SyncFolder(commit_file);
  return true;
}

// The group saved file by file in place: a failure puts back the files already rewritten.
void WriteGroupInPlace(const std::vector<LineFileContent>& files,
                       const std::vector<fs::path>& targets, const std::vector<std::string>& data,
                       int folder_error) {
  std::vector<std::string> old;
  for (size_t i = 0; i < files.size(); ++i) {
    std::optional<std::string> bytes = ReadWholeFile(targets[i]);
    if (!bytes) Fail(files[i].path, "cannot create a temporary file", folder_error);
    old.push_back(std::move(*bytes));
  }
  for (size_t i = 0; i < files.size(); ++i) {
    try {
      WriteInPlace(files[i].path, targets[i], data[i], folder_error);
    } catch (const FileWriteError&) {
      for (size_t j = 0; j < i; ++j) {
        try {
          WriteInPlace(files[j].path, targets[j], old[j], folder_error);
        } catch (const FileWriteError&) {
        }
      }
      throw;
    }
  }
}

// What a reader saw of a group: identity and times of every file it may read.
std::string GroupSnapshot(const std::vector<fs::path>& targets, const fs::path& commit_file) {
  std::string snapshot;
  auto add = [&snapshot](const fs::path& path) {
    struct stat status;
    if (::stat(path.c_str(), &status) != 0) {
      snapshot += "-;";
      return;
    }
    snapshot += std::to_string(status.st_ino) + "," + std::to_string(status.st_size) + "," +
                std::to_string(status.st_mtim.tv_sec) + "." +
                std::to_string(status.st_mtim.tv_nsec) + ";";
  };
  add(commit_file);
  for (const fs::path& target : targets) {
    add(target);
    add(StagedName(target));
  }
  return snapshot;
}

}  // namespace

std::optional<std::vector<std::string>> ReadLineFile(const fs::path& path) {
  const std::optional<std::string> data = ReadWholeFile(path);
  if (!data) return std::nullopt;
  return SplitLines(*data);
}

void WriteLineFile(const fs::path& path, const std::vector<std::string>& lines) {
  const std::string data = Serialize(path, lines);
  const fs::path target = ResolveLinks(path);
  RemoveStaleTemporariesOf(target);

  TempFile temp;
  if (!temp.CreateUnique(target)) {
    const int error = errno;
    if (FolderDenied(error)) return WriteInPlace(path, target, data, error);
    Fail(path, "cannot create a temporary file", error);
  }
  KeepMode(temp.fd(), target);
  if (!FillTemporary(temp, data)) Fail(path, "write failed", errno);
  if (::rename(temp.path().c_str(), target.c_str()) != 0) {
    const int error = errno;
    if (FolderDenied(error) || error == EBUSY) return WriteInPlace(path, target, data, error);
    Fail(path, "rename failed", error);
  }
  temp.Release();
  SyncFolder(target);
}

void WriteLineFileGroup(const std::vector<LineFileContent>& files, const fs::path& commit_file) {
  std::vector<std::string> data;
  std::vector<fs::path> targets;
  for (const LineFileContent& file : files) {
    data.push_back(Serialize(file.path, file.lines));
    targets.push_back(ResolveLinks(file.path));
  }
  const fs::path& first = files.empty() ? commit_file : files.front().path;

  // An earlier save that committed but was stopped before it ended is finished first, so its
  // staged contents are not mistaken for leftovers.
  if (Exists(commit_file) && !FinishCommit(targets, commit_file)) {
    Fail(first, "cannot finish the previous save", errno);
  }

  // Past the commit nothing may fail for a reason known now: a folder or a device in place of a
  // member would take the new contents but never let them into place.
  for (size_t i = 0; i < files.size(); ++i) {
    struct stat status;
    if (::stat(targets[i].c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
      Fail(files[i].path, "it is no regular file", 0);
    }
  }

  std::vector<TempFile> staged(files.size());
  for (size_t i = 0; i < files.size(); ++i) {
    if (!staged[i].CreateNamed(StagedName(targets[i]))) {
      const int error = errno;
      if (FolderDenied(error)) {
        staged.clear();
        return WriteGroupInPlace(files, targets, data, error);
      }
      Fail(files[i].path, "cannot create a temporary file", error);
    }
    KeepMode(staged[i].fd(), targets[i]);
    if (!FillTemporary(staged[i], data[i])) Fail(files[i].path, "write failed", errno);
  }
  for (const fs::path& target : targets) SyncFolder(target);

  // From here on the new group is the saved one.
  {
    Descriptor commit(
        ::open(commit_file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666));
    if (!commit.valid() || ::fsync(commit.get()) != 0 || !commit.Close()) {
      const int error = errno;
      ::unlink(commit_file.c_str());
      Fail(first, "cannot record the save", error);
    }
    SyncFolder(commit_file);
  }
  for (TempFile& temp : staged) temp.Release();
  // A move that fails leaves the commit file: readers still take the new group.
  FinishCommit(targets, commit_file);
}

void RemoveStaleTemporaries(const fs::path& path) { RemoveStaleTemporariesOf(ResolveLinks(path)); }

bool SettleLineFileGroup(const std::vector<fs::path>& files, const fs::path& commit_file) {
  std::vector<fs::path> targets;
  for (const fs::path& file : files) targets.push_back(ResolveLinks(file));
  if (Exists(commit_file)) return FinishCommit(targets, commit_file);
  for (const fs::path& target : targets) ::unlink(StagedName(target).c_str());
  return true;
}

std::optional<std::vector<std::vector<std::string>>> ReadLineFileGroup(
    const std::vector<fs::path>& files, const fs::path& commit_file) {
  std::vector<fs::path> targets;
  for (const fs::path& file : files) targets.push_back(ResolveLinks(file));
  std::optional<std::vector<std::vector<std::string>>> result;
  // A save by another process between two reads would mix the groups: read again until
  // nothing moved meanwhile.
  for (int attempt = 0; attempt < 20; ++attempt) {
    const std::string before = GroupSnapshot(targets, commit_file);
    const bool committed = Exists(commit_file);
    result.emplace();
    for (size_t i = 0; i < files.size() && result; ++i) {
      const fs::path staged = StagedName(targets[i]);
      std::optional<std::string> data =
          ReadWholeFile(committed && Exists(staged) ? staged : files[i]);
      if (!data) {
        result.reset();
      } else {
        result->push_back(SplitLines(*data));
      }
    }
    if (GroupSnapshot(targets, commit_file) == before) break;
  }
  return result;
}

}  // namespace quorvex
