#include "app/folder_lock.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace quorvex {

FolderLock::~FolderLock() {
  if (fd_ >= 0) ::close(fd_);
}

FolderLock::Result FolderLock::Acquire(const std::filesystem::path& folder) {
  if (fd_ >= 0) return Result::kHeld;
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return Result::kUnavailable;
  // Each open is its own lock holder, so two Calculators of one process exclude each other too.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool taken = errno == EWOULDBLOCK;
    ::close(fd);
    return taken ? Result::kTaken : Result::kUnavailable;
  }
  fd_ = fd;
  return Result::kHeld;
}

}  // namespace quorvex
