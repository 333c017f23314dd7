#include "graph/chart_model.h"

#include <algorithm>
#include <cstddef>

namespace quorvex {

void ChartSeries::AddPoint(double x, double y, PointLook look) {
  if (points_.empty()) {
    min_y_ = y;
    max_y_ = y;
  } else {
    min_y_ = std::min(min_y_, y);
    max_y_ = std::max(max_y_, y);
  }
  if (looks_.empty() && !look.IsDefault()) looks_.resize(points_.size());
  if (looks_.empty() && (points_.empty() || !(x < points_.back().x))) {
    points_.push_back(ChartPoint{x, y});
    return;
  }
  size_t place = points_.size();
  if (!points_.empty() && x < points_.back().x) {
    place = static_cast<size_t>(
        std::upper_bound(points_.begin(), points_.end(), x,
                         [](double value, const ChartPoint& p) { return value < p.x; }) -
        points_.begin());
  }
  points_.insert(points_.begin() + static_cast<std::ptrdiff_t>(place), ChartPoint{x, y});
  if (!looks_.empty()) {
    looks_.insert(looks_.begin() + static_cast<std::ptrdiff_t>(place), std::move(look));
  }
}

void ChartSeries::Clear() {
  std::vector<ChartPoint>().swap(points_);
  std::vector<PointLook>().swap(looks_);
  min_y_ = 0;
  max_y_ = 0;
}

size_t ChartSeries::BytesHeld() const {
  size_t bytes = points_.capacity() * sizeof(ChartPoint) + looks_.capacity() * sizeof(PointLook);
  for (const PointLook& look : looks_) {
    if (look.label.capacity() > 15) bytes += look.label.capacity() + 1;
  }
  return bytes;
}

double ChartAxis::CurrentMinimum(const DataRange& data) const {
  return automatic_ && data ? data->first : minimum_;
}

double ChartAxis::CurrentMaximum(const DataRange& data) const {
  return automatic_ && data ? data->second : maximum_;
}

void ChartAxis::SetAutomatic(bool on, const DataRange& data) {
  if (automatic_ && !on) {
    minimum_ = CurrentMinimum(data);
    maximum_ = CurrentMaximum(data);
  }
  automatic_ = on;
}

bool ChartAxis::SetMaximum(double value, const DataRange& data) {
  if (value < CurrentMinimum(data)) return false;
  maximum_ = value;
  return true;
}

bool ChartAxis::SetMinimum(double value, const DataRange& data) {
  if (value > CurrentMaximum(data)) return false;
  minimum_ = value;
  return true;
}

bool ChartAxis::SetLimits(double minimum, double maximum) {
  if (minimum > maximum) return false;
  minimum_ = minimum;
  maximum_ = maximum;
  return true;
}

bool ChartAxis::SetLogarithmic(bool on, const DataRange& data) {
  if (on && (CurrentMinimum(data) < 0 || CurrentMaximum(data) < 0)) return false;
  logarithmic_ = on;
  return true;
}

bool ChartModel::Set3DPercent(int percent) {
  if (percent < 1 || percent > 100) return false;
  percent_3d_ = percent;
  return true;
}

DataRange ChartModel::XDataRange() const {
  if (line_.PointCount() == 0) return std::nullopt;
  return std::pair(line_.MinX(), line_.MaxX());
}

DataRange ChartModel::YDataRange() const {
  if (line_.PointCount() == 0) return std::nullopt;
  return std::pair(line_.MinY(), line_.MaxY());
}

}  // namespace quorvex
