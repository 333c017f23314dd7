// Every data-file loader over the same bytes. What a loader accepts must survive a save and a
// second load unchanged, so a loaded record never holds what its file cannot.
#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/line_file.h"
#include "settings/expression_log.h"
#include "settings/general_settings.h"
#include "settings/graph_settings.h"
#include "settings/mask_settings.h"
#include "settings/other_settings.h"
#include "settings/variable_store.h"

namespace {

namespace fs = std::filesystem;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

// The input lives in a memory file, read through its /proc path like any other file.
class MemoryFile {
 public:
  MemoryFile() : fd_(::memfd_create("quorvex-fuzz", MFD_CLOEXEC)) {
    if (fd_ < 0) std::abort();
    path_ = "/proc/self/fd/" + std::to_string(fd_);
  }
  void Fill(const uint8_t* data, size_t size) {
    if (::ftruncate(fd_, 0) != 0) std::abort();
    size_t done = 0;
    while (done < size) {
      const ssize_t written = ::pwrite(fd_, data + done, size - done, static_cast<off_t>(done));
      if (written <= 0) std::abort();
      done += static_cast<size_t>(written);
    }
  }
  const fs::path& path() const { return path_; }

 private:
  int fd_;
  fs::path path_;
};

constexpr std::string_view kFolderPrefix = "quorvex-fuzz-";

fs::path SaveBase() {
  return fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
}

// Folders of fuzzing processes that ended without cleaning up (a finding ends the process at
// once); the folder name holds the owner's process id.
void RemoveOrphanFolders() {
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(SaveBase(), error)) {
    const std::string name = entry.path().filename().string();
    if (!name.starts_with(kFolderPrefix)) continue;
    const long owner = std::strtol(name.c_str() + kFolderPrefix.size(), nullptr, 10);
    if (owner > 0 && ::kill(static_cast<pid_t>(owner), 0) != 0 && errno == ESRCH) {
      fs::remove_all(entry.path(), error);
    }
  }
}

// Where the round trips save: a fresh folder per fuzzing process, on tmpfs when there is one,
// removed when the process exits.
class SaveFolder {
 public:
  SaveFolder() {
    RemoveOrphanFolders();
    std::string pattern =
        (SaveBase() / (std::string(kFolderPrefix) + std::to_string(::getpid()) + "-XXXXXX"))
            .string();
    if (::mkdtemp(pattern.data()) == nullptr) std::abort();
    path_ = pattern;
  }
  ~SaveFolder() {
    std::error_code error;
    fs::remove_all(path_, error);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quorvex;
  static MemoryFile input;
  static const SaveFolder save_folder;
  const fs::path& folder = save_folder.path();
  input.Fill(data, size);
  const fs::path saved = folder / "saved.ini";
  const fs::path saved_assignments = folder / "vara.ini";

  Check(ReadLineFile(input.path()).has_value());

  GeneralSettings general;
  Check(LoadGeneralSettings(input.path(), general));
  NumberSystemStatusText(general);
  SaveGeneralSettings(saved, general);
  GeneralSettings general_again;
  Check(LoadGeneralSettings(saved, general_again) && general_again == general);

  OtherSettings other;
  Check(LoadOtherSettings(input.path(), other));
  other.ShowsWelcome();

  MaskSettings mask;
  Check(LoadMaskSettings(input.path(), mask));
  MaskStatusText(mask);
  SaveMaskSettings(saved, mask);
  MaskSettings mask_again;
  Check(LoadMaskSettings(saved, mask_again) && mask_again == mask);

  GraphSettings graph;
  if (LoadGraphSettings(input.path(), graph)) {
    XRangeStatusText(graph);
    SaveGraphSettings(saved, graph);
    GraphSettings graph_again;
    Check(LoadGraphSettings(saved, graph_again) && graph_again == graph);
  } else {
    Check(graph == GraphSettings());  // a refused file leaves the record as it was
  }

  VariableStore variables;
  Check(LoadVariableStore(input.path(), input.path(), variables));
  ValidateDeclarations(variables);
  variables.Find("a");
  SaveVariableStore(saved, saved_assignments, variables);
  VariableStore variables_again;
  Check(LoadVariableStore(saved, saved_assignments, variables_again) &&
        variables_again == variables);

  std::vector<std::string> evaluate;
  Check(InsertExpressionLog(input.path(), evaluate));
  for (const std::string& line : evaluate) Check(!line.empty());
  const auto viewer = ReadLogViewer(input.path());
  Check(viewer.has_value() && viewer->size() >= evaluate.size());
  WriteExpressionLog(saved, *viewer);
  Check(ReadLogViewer(saved) == viewer);
  return 0;
}
