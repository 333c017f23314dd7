#include "graph/graph_options.h"

#include <limits>

#include "graph/messages.h"

namespace quorvex {
namespace {

// The fixed limits are checked as a pair: a minimum not above the maximum is accepted whatever
// range the axis had before (checked one at a time, 0..10 after 20..30 would be refused).
template <typename SetAutomatic, typename SetLimits>
bool ApplyLimits(bool automatic, const std::string& max_text, const std::string& min_text,
                 SetAutomatic set_automatic, SetLimits set_limits) {
  if (automatic) {
    set_automatic(true);
    return true;
  }
  set_automatic(false);
  const std::optional<int32_t> maximum = ParseWholeNumber(max_text);
  const std::optional<int32_t> minimum = ParseWholeNumber(min_text);
  return maximum && minimum && set_limits(*minimum, *maximum);
}

bool ApplyScales(const GraphSettings& s, ChartModel& chart) {
  const bool x_limits = ApplyLimits(
      s.xautocheck, s.xmax, s.xmin, [&](bool on) { chart.SetXAutomatic(on); },
      [&](double low, double high) { return chart.SetXLimits(low, high); });
  if (!x_limits) return false;
  chart.SetXInverted(s.xinvcheck);
  if (!chart.SetXLogarithmic(s.xlogcheck)) return false;
  const bool y_limits = ApplyLimits(
      s.yautocheck, s.ymax, s.ymin, [&](bool on) { chart.SetYAutomatic(on); },
      [&](double low, double high) { return chart.SetYLimits(low, high); });
  if (!y_limits) return false;
  chart.SetYInverted(s.yinvcheck);
  return chart.SetYLogarithmic(s.ylogcheck);
}

bool ApplyVisuals(const GraphSettings& s, ChartModel& chart) {
  chart.SetStairs(s.scheck);
  chart.SetMarkersVisible(s.pcheck);
  chart.SetHorizontalGridVisible(s.hgcheck);
  chart.SetVerticalGridVisible(s.vgcheck);
  chart.SetSeriesColor(s.gcolor);
  chart.SetBackgroundColor(s.bcolor);
  chart.SetYGridColor(s.grcolor);
  chart.SetXGridColor(s.grcolor);
  chart.SetMarkerFillColor(s.pcolor);
  if (!s.dcheck) {
    chart.Set3D(false);
    return true;
  }
  chart.Set3D(true);
  const std::optional<int32_t> percent = ParseWholeNumber(s.percent);
  return percent && chart.Set3DPercent(*percent);
}

}  // namespace

std::optional<int32_t> ParseWholeNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i == text.size()) return std::nullopt;
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9') return std::nullopt;
    value = value * 10 + (text[i] - '0');
    if (value > int64_t{std::numeric_limits<int32_t>::max()} + 1) return std::nullopt;
  }
  if (negative) value = -value;
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max()) {
    return std::nullopt;
  }
  return static_cast<int32_t>(value);
}

bool ApplyGraphOptions(const GraphSettings& settings, ChartModel& chart, std::string& answer) {
  if (!ApplyScales(settings, chart)) {
    answer.assign(graph_messages::kScales);
    return false;
  }
  if (!ApplyVisuals(settings, chart)) {
    answer.assign(graph_messages::kVisuals);
    return false;
  }
  return true;
}

}  // namespace quorvex
