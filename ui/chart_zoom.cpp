#include "ui/chart_zoom.h"

#include <algorithm>
#include <cmath>

namespace quorvex {
namespace {

double Out(double value, bool log) { return log ? std::log10(value) : value; }
double In(double value, bool log) { return log ? std::pow(10.0, value) : value; }

// One axis: [low, high] scaled about centre in the axis's own units.
void ScaleAxis(double& low, double& high, double centre, double factor, bool log) {
  const double c = Out(centre, log);
  const double a = Out(low, log);
  const double b = Out(high, log);
  low = In(c + (a - c) * factor, log);
  high = In(c + (b - c) * factor, log);
}

void ShiftAxis(double& low, double& high, double from, double to, bool log) {
  const double shift = Out(from, log) - Out(to, log);
  low = In(Out(low, log) + shift, log);
  high = In(Out(high, log) + shift, log);
}

bool UsableAxis(double low, double high, bool log) {
  if (!std::isfinite(low) || !std::isfinite(high) || !(low < high)) return false;
  if (log && low <= 0) return false;
  // A range narrower than the doubles can tell apart cannot be drawn.
  return high - low > 1e-12 * std::max(std::abs(low), std::abs(high));
}

}  // namespace

ZoomRect ZoomAbout(const ZoomRect& range, double x, double y, double factor, bool x_log,
                   bool y_log) {
  ZoomRect zoomed = range;
  ScaleAxis(zoomed.x_min, zoomed.x_max, x, factor, x_log);
  ScaleAxis(zoomed.y_min, zoomed.y_max, y, factor, y_log);
  return zoomed;
}

ZoomRect PanRange(const ZoomRect& range, double from_x, double from_y, double to_x, double to_y,
                  bool x_log, bool y_log) {
  ZoomRect moved = range;
  ShiftAxis(moved.x_min, moved.x_max, from_x, to_x, x_log);
  ShiftAxis(moved.y_min, moved.y_max, from_y, to_y, y_log);
  return moved;
}

bool UsableRange(const ZoomRect& range, bool x_log, bool y_log) {
  return UsableAxis(range.x_min, range.x_max, x_log) && UsableAxis(range.y_min, range.y_max, y_log);
}

}  // namespace quorvex
