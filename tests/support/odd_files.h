#pragma once

// What can stand where a data file should: things a reader must refuse without waiting or
// reading them whole. Each kind makes itself at the given path.

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <ostream>

namespace quorvex::testing_support {

struct OddKind {
  const char* name;
  std::function<void(const std::filesystem::path&)> make;
};

inline void PrintTo(const OddKind& row, std::ostream* out) { *out << row.name; }

inline const OddKind kOddKinds[] = {
    {"Fifo", [](const std::filesystem::path& file) { ::mkfifo(file.c_str(), 0644); }},
    {"LinkToDevZero",
     [](const std::filesystem::path& file) { std::filesystem::create_symlink("/dev/zero", file); }},
    {"LinkToDevUrandom",
     [](const std::filesystem::path& file) {
       std::filesystem::create_symlink("/dev/urandom", file);
     }},
    {"Directory",
     [](const std::filesystem::path& file) { std::filesystem::create_directory(file); }},
    {"HundredMegabytes",
     [](const std::filesystem::path& file) {
       { std::ofstream(file) << "1\r\n"; }
       std::filesystem::resize_file(file, 100u * 1024 * 1024);
     }},
};

}  // namespace quorvex::testing_support
