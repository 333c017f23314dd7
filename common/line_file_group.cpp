// Files that change together: each new content is staged whole beside its target, an empty
// commit file marks the moment the new group becomes the saved one, and readers resolve from
// the commit file which contents are complete.
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include "common/line_file.h"
#include "common/line_file_parts.h"

namespace quorvex {

using namespace line_file_parts;

namespace {

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
