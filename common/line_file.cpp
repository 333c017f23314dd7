#include "common/line_file.h"

#include <errno.h>
#include <stdio.h>

#include "common/line_file_parts.h"

namespace quorvex {

using namespace line_file_parts;

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

void RemoveStaleTemporaries(const fs::path& path) { RemoveStaleTemporariesOf(ResolveLinks(path)); }

}  // namespace quorvex
