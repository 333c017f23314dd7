#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "settings/graph_settings.h"

namespace quorvex {

// One point of the series. A run adds millions, so a point is its two doubles only; the label
// and colour, almost always the defaults, are kept beside the points when one is not.
struct ChartPoint {
  double x = 0;
  double y = 0;
  bool operator==(const ChartPoint&) const = default;
};

// A point's label and colour; kSeriesColor draws it in the series' own colour.
struct PointLook {
  static constexpr GraphColor kSeriesColor = ~GraphColor{0};
  std::string label;
  GraphColor color = kSeriesColor;
  bool IsDefault() const { return label.empty() && color == kSeriesColor; }
};

// The line series: points in ascending x order, with their smallest and largest y.
class ChartSeries {
 public:
  // Appends a point; one whose x is below the last point's is inserted in x order.
  void AddPoint(double x, double y, PointLook look = {});
  // Frees the points' storage, so that a small run after a large one holds little.
  void Clear();
  // Room for count points without moving them while they are added.
  void Reserve(size_t count) { points_.reserve(count); }

  const std::vector<ChartPoint>& points() const { return points_; }
  size_t PointCount() const { return points_.size(); }
  // The label and colour of point i.
  PointLook Look(size_t i) const { return looks_.empty() ? PointLook{} : looks_[i]; }
  // The bytes the points and their looks occupy.
  size_t BytesHeld() const;
  // Both 0 while the series is empty.
  double MinY() const { return min_y_; }
  double MaxY() const { return max_y_; }
  double MinX() const { return points_.empty() ? 0 : points_.front().x; }
  double MaxX() const { return points_.empty() ? 0 : points_.back().x; }

 private:
  std::vector<ChartPoint> points_;
  // Empty while every point has the default look; else one entry per point.
  std::vector<PointLook> looks_;
  double min_y_ = 0;
  double max_y_ = 0;
};

// The smallest and largest value of the series on one axis; none while it is empty.
using DataRange = std::optional<std::pair<double, double>>;

inline constexpr GraphColor kDefaultGridColor = 13158600;        // 0xC8C8C8
inline constexpr GraphColor kDefaultSeriesColor = 15102720;      // 0xE67300
inline constexpr GraphColor kDefaultBackgroundColor = 16777215;  // white
inline constexpr int kDefault3DPercent = 10;

// One axis. While automatic it fits itself to the data: its current range is that of the
// series' points on its side, or its own limits while the series is empty.
class ChartAxis {
 public:
  // Turning automatic off keeps the range the axis shows as its limits.
  void SetAutomatic(bool on, const DataRange& data);
  // Refused (false, nothing changed) below the current minimum.
  bool SetMaximum(double value, const DataRange& data);
  // Refused (false, nothing changed) above the current maximum.
  bool SetMinimum(double value, const DataRange& data);
  // Both limits at once: refused (false, nothing changed) only when minimum > maximum.
  bool SetLimits(double minimum, double maximum);
  void SetInverted(bool on) { inverted_ = on; }
  // Turning it on is refused (false, nothing changed) while the current range reaches below 0.
  bool SetLogarithmic(bool on, const DataRange& data);
  void SetGridVisible(bool on) { grid_visible_ = on; }
  void SetGridColor(GraphColor color) { grid_color_ = color; }

  bool automatic() const { return automatic_; }
  // The fixed limits; the range shown while automatic is CurrentMinimum/CurrentMaximum.
  double minimum() const { return minimum_; }
  double maximum() const { return maximum_; }
  double CurrentMinimum(const DataRange& data) const;
  double CurrentMaximum(const DataRange& data) const;
  bool inverted() const { return inverted_; }
  bool logarithmic() const { return logarithmic_; }
  bool grid_visible() const { return grid_visible_; }
  GraphColor grid_color() const { return grid_color_; }

 private:
  bool automatic_ = true;
  double minimum_ = 0;
  double maximum_ = 0;
  bool inverted_ = false;
  bool logarithmic_ = false;
  bool grid_visible_ = false;
  GraphColor grid_color_ = kDefaultGridColor;
};

// A zoomed view: the visible rectangle in data units.
struct ZoomRect {
  double x_min = 0;
  double x_max = 0;
  double y_min = 0;
  double y_max = 0;
  bool operator==(const ZoomRect&) const = default;
};

// The chart's state and every operation on it, with the chart's refusals; the chart view in
// ui/ paints it. The x axis is the bottom axis, the y axis the left one; the horizontal grid
// belongs to the y axis, the vertical grid to the x axis.
class ChartModel {
 public:
  void SetXAutomatic(bool on) { x_axis_.SetAutomatic(on, XDataRange()); }
  bool SetXMaximum(double value) { return x_axis_.SetMaximum(value, XDataRange()); }
  bool SetXMinimum(double value) { return x_axis_.SetMinimum(value, XDataRange()); }
  bool SetXLimits(double minimum, double maximum) { return x_axis_.SetLimits(minimum, maximum); }
  void SetXInverted(bool on) { x_axis_.SetInverted(on); }
  bool SetXLogarithmic(bool on) { return x_axis_.SetLogarithmic(on, XDataRange()); }
  void SetYAutomatic(bool on) { y_axis_.SetAutomatic(on, YDataRange()); }
  bool SetYMaximum(double value) { return y_axis_.SetMaximum(value, YDataRange()); }
  bool SetYMinimum(double value) { return y_axis_.SetMinimum(value, YDataRange()); }
  bool SetYLimits(double minimum, double maximum) { return y_axis_.SetLimits(minimum, maximum); }
  void SetYInverted(bool on) { y_axis_.SetInverted(on); }
  bool SetYLogarithmic(bool on) { return y_axis_.SetLogarithmic(on, YDataRange()); }
  // The current range of each axis: the data while automatic, else the fixed limits.
  double XMinimum() const { return x_axis_.CurrentMinimum(XDataRange()); }
  double XMaximum() const { return x_axis_.CurrentMaximum(XDataRange()); }
  double YMinimum() const { return y_axis_.CurrentMinimum(YDataRange()); }
  double YMaximum() const { return y_axis_.CurrentMaximum(YDataRange()); }

  void SetHorizontalGridVisible(bool on) { y_axis_.SetGridVisible(on); }
  void SetVerticalGridVisible(bool on) { x_axis_.SetGridVisible(on); }
  void SetXGridColor(GraphColor color) { x_axis_.SetGridColor(color); }
  void SetYGridColor(GraphColor color) { y_axis_.SetGridColor(color); }
  void SetStairs(bool on) { stairs_ = on; }
  void SetMarkersVisible(bool on) { markers_visible_ = on; }
  void SetMarkerFillColor(GraphColor color) { marker_fill_color_ = color; }
  void SetSeriesColor(GraphColor color) { series_color_ = color; }
  void SetBackgroundColor(GraphColor color) { background_color_ = color; }
  void Set3D(bool on) { view_3d_ = on; }
  // Refused (false, nothing changed) outside 1 to 100.
  bool Set3DPercent(int percent);

  // Appends a point in the series' own colour with an empty label.
  void AddPoint(double x, double y) { line_.AddPoint(x, y); }
  void ClearSeries() { line_.Clear(); }
  void Zoom(const ZoomRect& rect) { zoom_ = rect; }
  // Back to the unzoomed view.
  void UndoZoom() { zoom_.reset(); }

  const ChartAxis& x_axis() const { return x_axis_; }
  const ChartAxis& y_axis() const { return y_axis_; }
  const ChartSeries& line() const { return line_; }
  ChartSeries& line() { return line_; }
  bool stairs() const { return stairs_; }
  bool markers_visible() const { return markers_visible_; }
  GraphColor marker_fill_color() const { return marker_fill_color_; }
  GraphColor series_color() const { return series_color_; }
  GraphColor background_color() const { return background_color_; }
  bool view_3d() const { return view_3d_; }
  int percent_3d() const { return percent_3d_; }
  const std::optional<ZoomRect>& zoom() const { return zoom_; }

 private:
  DataRange XDataRange() const;
  DataRange YDataRange() const;

  ChartAxis x_axis_;
  ChartAxis y_axis_;
  ChartSeries line_;
  bool stairs_ = false;
  bool markers_visible_ = false;
  GraphColor marker_fill_color_ = kDefaultGridColor;
  GraphColor series_color_ = kDefaultSeriesColor;
  GraphColor background_color_ = kDefaultBackgroundColor;
  bool view_3d_ = false;
  int percent_3d_ = kDefault3DPercent;
  std::optional<ZoomRect> zoom_;
};

}  // namespace quorvex
