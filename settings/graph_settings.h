#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace quorvex {

// A colour as 0x00BBGGRR: red in the low byte.
using GraphColor = uint32_t;

// The 23 graph options in file order. Number settings stay the texts as typed; they are checked
// only when a run or the chart set-up uses them.
struct GraphSettings {
  std::string start = "1";
  std::string stop = "10";
  std::string inc = "1";
  bool xautocheck = true;
  bool xinvcheck = false;
  bool xlogcheck = false;
  std::string xmin = "0";
  std::string xmax = "10";
  bool yautocheck = true;
  bool yinvcheck = false;
  bool ylogcheck = false;
  std::string ymin = "0";
  std::string ymax = "10";
  bool scheck = false;
  bool pcheck = false;
  bool hgcheck = false;
  bool vgcheck = false;
  GraphColor gcolor = 15102720;   // 0xE67300
  GraphColor bcolor = 16777215;   // white
  GraphColor grcolor = 13158600;  // light grey
  GraphColor pcolor = 13158600;
  bool dcheck = false;
  std::string percent = "10";

  bool operator==(const GraphSettings&) const = default;
};

// Reads the 23 lines of graph.ini. False (and settings untouched) when the file cannot be opened,
// has fewer than 23 lines, or holds a colour line that is not a whole number from 0 to
// 4294967295: such a file is treated as unreadable rather than half applied.
bool LoadGraphSettings(const std::filesystem::path& file, GraphSettings& settings);
// Writes the 23 lines. Throws FileWriteError.
void SaveGraphSettings(const std::filesystem::path& file, const GraphSettings& settings);

// Status panel 3: "xE[" + start + ";" + stop + "]", the texts exactly as they stand.
std::string XRangeStatusText(const GraphSettings& settings);

}  // namespace quorvex
