#pragma once

#include <filesystem>

namespace quorvex {

// One writer per working folder: the window program holds an exclusive lock on its bin/ for as
// long as it runs, so a second window on the same folder is turned away at start-up instead of
// overwriting what the first saved. The lock is the kernel's (flock on the folder itself): it
// needs no file, works in a read-only bin/, and goes with the process however that ends.
class FolderLock {
 public:
  enum class Result { kHeld, kTaken, kUnavailable };

  FolderLock() = default;
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  ~FolderLock();

  // kHeld when this object now holds the lock (also when it already did); kTaken when another
  // holder has it; kUnavailable when the folder cannot be locked at all (missing, or a file
  // system without locks), which the caller lets pass.
  Result Acquire(const std::filesystem::path& folder);

 private:
  int fd_ = -1;
};

}  // namespace quorvex
