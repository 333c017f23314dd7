#pragma once

// A working directory as the program expects one: a temporary directory holding bin/ with a
// copy of the shipped data files.

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "support/temp_dir.h"

namespace quorvex::testing_support {

class TempWorkdir {
 public:
  TempWorkdir() {
    std::filesystem::create_directory(root() / "bin");
    for (const auto& entry : std::filesystem::directory_iterator(QUORVEX_DEFAULT_BIN)) {
      std::filesystem::copy_file(entry.path(), root() / "bin" / entry.path().filename());
    }
  }

  const std::filesystem::path& root() const { return dir_.path(); }
  std::filesystem::path File(std::string_view relative) const { return root() / relative; }

  std::string Read(std::string_view relative) const { return ReadBytes(File(relative)); }
  void Write(std::string_view relative, std::string_view bytes) const {
    std::ofstream out(File(relative), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  void Remove(std::string_view relative) const { std::filesystem::remove(File(relative)); }

 private:
  TempDir dir_;
};

}  // namespace quorvex::testing_support
