#include "settings/graph_settings.h"

#include <charconv>
#include <optional>
#include <vector>

#include "common/line_file.h"

namespace quorvex {

namespace {

constexpr size_t kGraphLineCount = 23;

std::string Flag(bool on) { return on ? "1" : "0"; }

std::optional<GraphColor> ParseColor(const std::string& text) {
  if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
  GraphColor color = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, color);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return color;
}

}  // namespace

bool LoadGraphSettings(const std::filesystem::path& file, GraphSettings& settings) {
  const std::optional<std::vector<std::string>> read = ReadLineFile(file);
  if (!read || read->size() < kGraphLineCount) return false;
  const std::vector<std::string>& line = *read;
  const std::optional<GraphColor> gcolor = ParseColor(line[17]);
  const std::optional<GraphColor> bcolor = ParseColor(line[18]);
  const std::optional<GraphColor> grcolor = ParseColor(line[19]);
  const std::optional<GraphColor> pcolor = ParseColor(line[20]);
  if (!gcolor || !bcolor || !grcolor || !pcolor) return false;

  GraphSettings loaded;
  loaded.start = line[0];
  loaded.stop = line[1];
  loaded.inc = line[2];
  loaded.xautocheck = line[3] == "1";
  loaded.xinvcheck = line[4] == "1";
  loaded.xlogcheck = line[5] == "1";
  loaded.xmin = line[6];
  loaded.xmax = line[7];
  loaded.yautocheck = line[8] == "1";
  loaded.yinvcheck = line[9] == "1";
  loaded.ylogcheck = line[10] == "1";
  loaded.ymin = line[11];
  loaded.ymax = line[12];
  loaded.scheck = line[13] == "1";
  loaded.pcheck = line[14] == "1";
  loaded.hgcheck = line[15] == "1";
  loaded.vgcheck = line[16] == "1";
  loaded.gcolor = *gcolor;
  loaded.bcolor = *bcolor;
  loaded.grcolor = *grcolor;
  loaded.pcolor = *pcolor;
  loaded.dcheck = line[21] == "1";
  loaded.percent = line[22];
  settings = std::move(loaded);
  return true;
}

void SaveGraphSettings(const std::filesystem::path& file, const GraphSettings& settings) {
  WriteLineFile(file, {settings.start,
                       settings.stop,
                       settings.inc,
                       Flag(settings.xautocheck),
                       Flag(settings.xinvcheck),
                       Flag(settings.xlogcheck),
                       settings.xmin,
                       settings.xmax,
                       Flag(settings.yautocheck),
                       Flag(settings.yinvcheck),
                       Flag(settings.ylogcheck),
                       settings.ymin,
                       settings.ymax,
                       Flag(settings.scheck),
                       Flag(settings.pcheck),
                       Flag(settings.hgcheck),
                       Flag(settings.vgcheck),
                       std::to_string(settings.gcolor),
                       std::to_string(settings.bcolor),
                       std::to_string(settings.grcolor),
                       std::to_string(settings.pcolor),
                       Flag(settings.dcheck),
                       settings.percent});
}

std::string XRangeStatusText(const GraphSettings& settings) {
  return "xE[" + settings.start + ";" + settings.stop + "]";
}

}  // namespace quorvex
