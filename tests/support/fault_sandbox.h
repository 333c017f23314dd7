#pragma once

// Runs a piece of a test in a child process under one fault of the file system: bin/ read-only,
// the disk full, or the file-size limit. The child gets a private mount namespace with a small
// tmpfs as its bin/, so the faults are real ones of the kernel, also for root, and nothing
// leaks into the machine's mounts.

#include <sched.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <string_view>

namespace quorvex::testing_support {

enum class FileFault { kReadOnlyFolder, kDiskFull, kFileSizeLimit };

inline const char* FileFaultName(FileFault fault) {
  switch (fault) {
    case FileFault::kReadOnlyFolder:
      return "ReadOnlyFolder";
    case FileFault::kDiskFull:
      return "DiskFull";
    case FileFault::kFileSizeLimit:
      return "FileSizeLimit";
  }
  return "?";
}

// What a sandboxed run came to: passed, failed with a text, or could not provoke the fault.
struct SandboxResult {
  enum Kind { kPassed, kFailed, kUnavailable } kind = kFailed;
  std::string text;
};

namespace sandbox_detail {

constexpr int kUnavailableStatus = 77;

inline bool WriteProcFile(const char* path, const std::string& text) {
  std::ofstream out(path);
  out << text;
  out.flush();
  return static_cast<bool>(out);
}

// A mount namespace of our own; without root, inside a user namespace that maps us to root.
inline bool EnterPrivateMounts() {
  const uid_t uid = ::geteuid();
  const gid_t gid = ::getegid();
  if (uid != 0) {
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return false;
    WriteProcFile("/proc/self/setgroups", "deny");
    if (!WriteProcFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1\n") ||
        !WriteProcFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1\n")) {
      return false;
    }
  } else if (::unshare(CLONE_NEWNS) != 0) {
    return false;
  }
  // Mounts made here must not propagate back to the machine.
  return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

// Fills the file system that holds folder until no byte more fits.
inline bool FillDisk(const std::filesystem::path& folder) {
  std::FILE* filler = std::fopen((folder / "filler").c_str(), "wb");
  if (filler == nullptr) return false;
  std::setvbuf(filler, nullptr, _IONBF, 0);
  const std::string block(4096, 'f');
  while (std::fwrite(block.data(), 1, block.size(), filler) == block.size()) {
  }
  // Byte by byte into the last partial page.
  while (std::fwrite("f", 1, 1, filler) == 1) {
  }
  const bool full = errno == ENOSPC;
  std::fclose(filler);
  return full;
}

}  // namespace sandbox_detail

// Forks; the child mounts a 256 KiB tmpfs on folder (which must exist and is hidden only from
// the child), lets prepare fill it, applies the fault, and runs check. Both return an empty text
// for success, or what went wrong. The files that prepare wrote stay readable for check, and
// the disk-full filler is named "filler". The file-size limit is 2 bytes, with SIGXFSZ left at
// its default action, which ends the process.
inline SandboxResult RunUnderFault(FileFault fault, const std::filesystem::path& folder,
                                   const std::function<std::string()>& prepare,
                                   const std::function<std::string()>& check) {
  using namespace sandbox_detail;
  int pipe_fds[2];
  if (::pipe(pipe_fds) != 0) return {SandboxResult::kFailed, "pipe failed"};
  std::fflush(nullptr);
  const pid_t child = ::fork();
  if (child < 0) return {SandboxResult::kFailed, "fork failed"};
  if (child == 0) {
    ::close(pipe_fds[0]);
    auto finish = [&](int status, const std::string& text) {
      (void)!::write(pipe_fds[1], text.data(), text.size());
      ::_exit(status);
    };
    if (!EnterPrivateMounts()) finish(kUnavailableStatus, "no private mount namespace");
    if (::mount("quorvex-test", folder.c_str(), "tmpfs", 0, "size=256k,mode=0755") != 0) {
      finish(kUnavailableStatus, "tmpfs mount failed");
    }
    if (std::string text = prepare(); !text.empty()) finish(1, "prepare: " + text);
    switch (fault) {
      case FileFault::kReadOnlyFolder:
        if (::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
          finish(kUnavailableStatus, "read-only remount failed");
        }
        break;
      case FileFault::kDiskFull:
        if (!FillDisk(folder)) finish(1, "could not fill the disk");
        break;
      case FileFault::kFileSizeLimit: {
        const struct rlimit limit = {2, 2};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) finish(kUnavailableStatus, "setrlimit failed");
        break;
      }
    }
    const std::string text = check();
    finish(text.empty() ? 0 : 1, text);
  }
  ::close(pipe_fds[1]);
  std::string text;
  char buffer[1024];
  for (ssize_t n; (n = ::read(pipe_fds[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
  ::close(pipe_fds[0]);
  int status = 0;
  if (::waitpid(child, &status, 0) != child) return {SandboxResult::kFailed, "waitpid failed"};
  if (WIFSIGNALED(status)) {
    return {SandboxResult::kFailed, "child killed by signal " + std::to_string(WTERMSIG(status))};
  }
  if (WEXITSTATUS(status) == kUnavailableStatus) return {SandboxResult::kUnavailable, text};
  if (WEXITSTATUS(status) != 0) return {SandboxResult::kFailed, text};
  return {SandboxResult::kPassed, text};
}

// The bytes of a file, or "<missing>".
inline std::string FileBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return "<missing>";
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace quorvex::testing_support
