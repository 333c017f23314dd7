#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace quorvex::testing_support {

// A fresh working directory holding bin/ with the default data files; removed afterwards.
class TempWorkdir {
 public:
  TempWorkdir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quorvex-test-XXXXXX").string();
    root_ = mkdtemp(pattern.data());
    std::filesystem::create_directory(root_ / "bin");
    for (const auto& entry : std::filesystem::directory_iterator(QUORVEX_DEFAULT_BIN)) {
      std::filesystem::copy_file(entry.path(), root_ / "bin" / entry.path().filename());
    }
  }
  ~TempWorkdir() {
    std::error_code ignored;
    std::filesystem::permissions(root_ / "bin", std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(root_, ignored);
  }
  TempWorkdir(const TempWorkdir&) = delete;
  TempWorkdir& operator=(const TempWorkdir&) = delete;

  const std::filesystem::path& root() const { return root_; }
  std::filesystem::path File(std::string_view relative) const { return root_ / relative; }

  std::string Read(std::string_view relative) const {
    std::ifstream in(File(relative), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void Write(std::string_view relative, std::string_view bytes) const {
    std::ofstream out(File(relative), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  void Remove(std::string_view relative) const { std::filesystem::remove(File(relative)); }

 private:
  std::filesystem::path root_;
};

}  // namespace quorvex::testing_support
