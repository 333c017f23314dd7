#include "ui/chart_painter.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "common/number_text.h"
#include "ui/contrast.h"

namespace quorvex {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kTickLength = 4;
constexpr double kLabelGap = 3;
// A 3 x 3 fill inside a one-pixel border; the data area keeps this far from the frame.
constexpr double kMarkerInset = 3;
const QColor kWallColor(0xC8, 0xC8, 0xC8);
const QColor kWallPen(0x80, 0x80, 0x80);
const QColor kBackWall(Qt::white);

double Transform(double value, bool log) {
  if (!log) return value;
  return value > 0 ? std::log10(value) : kNaN;
}

QString NumberLabel(double value) { return QString::fromLatin1(FormatGeneral(value)); }

double LabelExtent(const QString& label, bool by_width, const QFontMetricsF& metrics) {
  return by_width ? metrics.horizontalAdvance(label) : metrics.height();
}

// Adjacent labels keep a gap of their own extent apart.
bool TicksFit(const std::vector<AxisTick>& ticks, const AxisScale& scale, bool by_width,
              const QFontMetricsF& metrics) {
  const double gap = by_width ? 8 : 2;
  for (size_t i = 1; i < ticks.size(); ++i) {
    const double distance =
        std::abs(scale.ToPixel(ticks[i].value) - scale.ToPixel(ticks[i - 1].value));
    const double needed = (LabelExtent(ticks[i].label, by_width, metrics) +
                           LabelExtent(ticks[i - 1].label, by_width, metrics)) /
                              2 +
                          gap;
    if (!(distance >= needed)) return false;
  }
  return true;
}

double NiceStep(double raw) {
  const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
  for (const double factor : {1.0, 2.0, 5.0}) {
    if (factor * magnitude >= raw * (1 - 1e-12)) return factor * magnitude;
  }
  return 10 * magnitude;
}

double NextNiceStep(double step) {
  const double magnitude = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
  const double factor = std::round(step / magnitude);
  if (factor < 2) return 2 * magnitude;
  if (factor < 5) return 5 * magnitude;
  return 10 * magnitude;
}

std::vector<AxisTick> LinearTicks(double lo, double hi, double step) {
  std::vector<AxisTick> ticks;
  const double first = std::ceil(lo / step - 1e-9);
  const double last = std::floor(hi / step + 1e-9);
  if (!(last - first < 1000)) return ticks;
  for (double k = first; k <= last; ++k) {
    double value = k * step;
    if (std::abs(value) < step * 1e-9) value = 0;
    ticks.push_back({value, NumberLabel(value)});
  }
  return ticks;
}

std::vector<AxisTick> FittingLinearTicks(const AxisScale& scale, double length, bool by_width,
                                         const QFontMetricsF& metrics) {
  const double span = scale.hi - scale.lo;
  const double guess = by_width ? std::max(metrics.horizontalAdvance(NumberLabel(scale.lo)),
                                           metrics.horizontalAdvance(NumberLabel(scale.hi))) +
                                      8
                                : metrics.height() * 2;
  const double count = std::max(1.0, std::floor(length / std::max(guess, 1.0)));
  double step = NiceStep(span / count);
  std::vector<AxisTick> ticks;
  for (int attempt = 0; attempt < 40; ++attempt) {
    ticks = LinearTicks(scale.lo, scale.hi, step);
    // A logarithmic axis has no place for 0 and below.
    if (scale.log) {
      std::erase_if(ticks, [](const AxisTick& tick) { return tick.value <= 0; });
    }
    if (TicksFit(ticks, scale, by_width, metrics)) return ticks;
    step = NextNiceStep(step);
  }
  return ticks.size() > 1 ? std::vector<AxisTick>{ticks.front()} : ticks;
}

std::vector<AxisTick> DecadeTicks(const AxisScale& scale, int decade_step, bool with_2_and_5) {
  std::vector<AxisTick> ticks;
  const int first = static_cast<int>(std::floor(std::log10(scale.lo)));
  const int last = static_cast<int>(std::ceil(std::log10(scale.hi)));
  for (int decade = first; decade <= last; ++decade) {
    if (decade % decade_step != 0) continue;
    for (const double factor : {1.0, 2.0, 5.0}) {
      if (factor != 1 && !with_2_and_5) continue;
      const double value = factor * std::pow(10.0, decade);
      if (value >= scale.lo * (1 - 1e-12) && value <= scale.hi * (1 + 1e-12)) {
        ticks.push_back({value, NumberLabel(value)});
      }
    }
  }
  return ticks;
}

// Where the segment p-q lies inside box; false when it misses the box.
bool ClipSegment(QPointF& p, QPointF& q, const QRectF& box, bool& p_kept, bool& q_kept) {
  double t0 = 0;
  double t1 = 1;
  const double dx = q.x() - p.x();
  const double dy = q.y() - p.y();
  const std::array<double, 4> ps = {-dx, dx, -dy, dy};
  const std::array<double, 4> qs = {p.x() - box.left(), box.right() - p.x(), p.y() - box.top(),
                                    box.bottom() - p.y()};
  for (int i = 0; i < 4; ++i) {
    if (ps[i] == 0) {
      if (qs[i] < 0) return false;
      continue;
    }
    const double t = qs[i] / ps[i];
    if (ps[i] < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 > t1) return false;
  }
  p_kept = t0 == 0;
  q_kept = t1 == 1;
  const QPointF start = p;
  p = start + QPointF(dx, dy) * t0;
  q = start + QPointF(dx, dy) * t1;
  return true;
}

// Collects the visible parts of polylines; segments are clipped to the box, so huge pixel
// values never reach the painter.
class LineBuilder {
 public:
  explicit LineBuilder(const QRectF& box) : box_(box) {}

  void Add(QPointF point) {
    if (!std::isfinite(point.x()) || !std::isfinite(point.y())) {
      Break();
      return;
    }
    if (has_last_) {
      QPointF p = last_;
      QPointF q = point;
      bool p_kept = false;
      bool q_kept = false;
      if (ClipSegment(p, q, box_, p_kept, q_kept)) {
        if (!(p_kept && open_)) {
          runs_.emplace_back();
          runs_.back().append(p);
        }
        runs_.back().append(q);
        open_ = q_kept;
      } else {
        open_ = false;
      }
    } else if (box_.contains(point)) {
      // A single visible point still shows as a dot.
      runs_.emplace_back();
      runs_.back().append(point);
      open_ = true;
    }
    last_ = point;
    has_last_ = true;
  }

  void Break() {
    has_last_ = false;
    open_ = false;
  }

  const std::vector<QPolygonF>& runs() const { return runs_; }

 private:
  QRectF box_;
  std::vector<QPolygonF> runs_;
  QPointF last_;
  bool has_last_ = false;
  bool open_ = false;
};

struct VisibleSlice {
  size_t begin = 0;
  size_t end = 0;
};

// The points inside the visible x range and one neighbour on each side, so that lines enter
// and leave the plot.
VisibleSlice SliceVisible(const std::vector<ChartPoint>& points, const ZoomRect& visible) {
  const auto lower =
      std::lower_bound(points.begin(), points.end(), visible.x_min,
                       [](const ChartPoint& point, double value) { return point.x < value; });
  const auto upper =
      std::upper_bound(points.begin(), points.end(), visible.x_max,
                       [](double value, const ChartPoint& point) { return value < point.x; });
  VisibleSlice slice{static_cast<size_t>(lower - points.begin()),
                     static_cast<size_t>(upper - points.begin())};
  if (slice.begin > 0) --slice.begin;
  if (slice.end < points.size()) ++slice.end;
  return slice;
}

// The line as polylines. With more points than pixel columns, each column contributes its
// first, lowest, highest and last point only, which draws the same picture.
std::vector<QPolygonF> BuildLine(const ChartModel& model, const ChartLayout& layout,
                                 const VisibleSlice& slice) {
  const std::vector<ChartPoint>& points = model.line().points();
  const bool stairs = model.stairs();
  const AxisScale::Mapper to_x = layout.x.MakeMapper();
  const AxisScale::Mapper to_y = layout.y.MakeMapper();
  LineBuilder builder(layout.front.adjusted(-1, -1, 1, 1));
  const size_t count = slice.end - slice.begin;
  if (count <= static_cast<size_t>(std::max(2.0, layout.data.width() * 2))) {
    double previous_y = kNaN;
    for (size_t i = slice.begin; i < slice.end; ++i) {
      const QPointF pixel(to_x(points[i].x), to_y(points[i].y));
      if (stairs && std::isfinite(previous_y)) builder.Add(QPointF(pixel.x(), previous_y));
      builder.Add(pixel);
      previous_y = std::isfinite(pixel.x()) ? pixel.y() : kNaN;
    }
    return builder.runs();
  }

  struct Column {
    double index = 0;
    double first = 0;
    double low = 0;
    double high = 0;
    double last = 0;
  };
  bool open = false;
  Column column;
  double carried = kNaN;  // stairs: the y the step carries into the column
  auto flush = [&] {
    if (!open) return;
    const double x = column.index + 0.5;
    if (stairs && std::isfinite(carried)) builder.Add(QPointF(x, carried));
    builder.Add(QPointF(x, column.first));
    if (column.low != column.first) builder.Add(QPointF(x, column.low));
    if (column.high != column.low) builder.Add(QPointF(x, column.high));
    if (column.last != column.high) builder.Add(QPointF(x, column.last));
    carried = column.last;
    open = false;
  };
  for (size_t i = slice.begin; i < slice.end; ++i) {
    const double px = to_x(points[i].x);
    const double py = to_y(points[i].y);
    if (!std::isfinite(px) || !std::isfinite(py)) {
      flush();
      builder.Break();
      carried = kNaN;
      continue;
    }
    const double index = std::floor(px);
    if (open && index == column.index) {
      column.low = std::min(column.low, py);
      column.high = std::max(column.high, py);
      column.last = py;
      continue;
    }
    flush();
    column = Column{index, py, py, py, py};
    open = true;
  }
  flush();
  return builder.runs();
}

void DrawMarkers(QPainter& painter, const ChartModel& model, const ChartLayout& layout,
                 const VisibleSlice& slice) {
  const std::vector<ChartPoint>& points = model.line().points();
  const QRectF& area = layout.data;
  const int width = std::max(1, static_cast<int>(std::ceil(area.width())) + 1);
  const int height = std::max(1, static_cast<int>(std::ceil(area.height())) + 1);
  // Many points fall onto the same pixel; each pixel gets one marker.
  std::vector<bool> taken(static_cast<size_t>(width) * static_cast<size_t>(height), false);
  std::vector<QRectF> rects;
  const AxisScale::Mapper to_x = layout.x.MakeMapper();
  const AxisScale::Mapper to_y = layout.y.MakeMapper();
  for (size_t i = slice.begin; i < slice.end; ++i) {
    const double px = to_x(points[i].x);
    const double py = to_y(points[i].y);
    if (!(px >= area.left() - 0.5 && px <= area.right() + 0.5 && py >= area.top() - 0.5 &&
          py <= area.bottom() + 0.5)) {
      continue;
    }
    const int column = std::clamp(static_cast<int>(px - area.left() + 0.5), 0, width - 1);
    const int row = std::clamp(static_cast<int>(py - area.top() + 0.5), 0, height - 1);
    const size_t key = static_cast<size_t>(row) * static_cast<size_t>(width) + column;
    if (taken[key]) continue;
    taken[key] = true;
    const double left = std::round(px) - 2;
    const double top = std::round(py) - 2;
    rects.emplace_back(left, top, 4, 4);
  }
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(Qt::black, 0));
  painter.setBrush(ToQColor(model.marker_fill_color()));
  painter.drawRects(rects.data(), static_cast<int>(rects.size()));
}

void FixRange(double& lo, double& hi, bool log, double positive_min) {
  if (!std::isfinite(lo) || !std::isfinite(hi)) {
    lo = std::isfinite(lo) ? lo : (std::isfinite(hi) ? hi - 1 : 0);
    hi = std::isfinite(hi) ? hi : lo + 1;
  }
  if (lo > hi) std::swap(lo, hi);
  if (log) {
    if (hi <= 0) {
      lo = 1;
      hi = 10;
      return;
    }
    if (lo <= 0) lo = positive_min > 0 && positive_min < hi ? positive_min : hi / 1000;
    if (lo == hi) {
      lo /= 10;
      hi *= 10;
    }
    return;
  }
  if (lo == hi) {
    const double spread = lo == 0 ? 1 : std::abs(lo) * 0.1;
    lo -= spread;
    hi += spread;
  }
}

void DrawGrid(QPainter& painter, const ChartModel& model, const ChartLayout& layout) {
  const QRectF& front = layout.front;
  const QPointF depth = layout.depth;
  const bool view_3d = !depth.isNull();
  const QRectF back = front.translated(depth);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
  if (model.y_axis().grid_visible()) {
    painter.setPen(QPen(ToQColor(model.y_axis().grid_color()), 0, Qt::DotLine));
    for (const AxisTick& tick : layout.y_ticks) {
      const double y = std::round(layout.y.ToPixel(tick.value));
      if (view_3d) {
        painter.drawLine(QPointF(back.left(), y + depth.y()), QPointF(back.right(), y + depth.y()));
        painter.drawLine(QPointF(front.left(), y), QPointF(back.left(), y + depth.y()));
      } else {
        painter.drawLine(QPointF(front.left(), y), QPointF(front.right(), y));
      }
    }
  }
  if (model.x_axis().grid_visible()) {
    painter.setPen(QPen(ToQColor(model.x_axis().grid_color()), 0, Qt::DotLine));
    for (const AxisTick& tick : layout.x_ticks) {
      const double x = std::round(layout.x.ToPixel(tick.value));
      if (view_3d) {
        painter.drawLine(QPointF(x + depth.x(), back.top()), QPointF(x + depth.x(), back.bottom()));
        painter.drawLine(QPointF(x, front.bottom()), QPointF(x + depth.x(), back.bottom()));
      } else {
        painter.drawLine(QPointF(x, front.top()), QPointF(x, front.bottom()));
      }
    }
  }
}

void DrawWalls(QPainter& painter, const ChartLayout& layout) {
  const QRectF& front = layout.front;
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(kWallPen, 0));
  if (layout.depth.isNull()) {
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(front);
    return;
  }
  const QRectF back = front.translated(layout.depth);
  painter.setBrush(kBackWall);
  painter.drawRect(back);
  painter.setBrush(kWallColor);
  const QPolygonF left_wall(
      {front.topLeft(), back.topLeft(), back.bottomLeft(), front.bottomLeft()});
  painter.drawPolygon(left_wall);
  const QPolygonF bottom_wall(
      {front.bottomLeft(), back.bottomLeft(), back.bottomRight(), front.bottomRight()});
  painter.drawPolygon(bottom_wall);
}

void DrawAxes(QPainter& painter, const ChartLayout& layout, const QColor& label_color) {
  const QRectF& front = layout.front;
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
  const QFontMetricsF metrics(painter.font());
  for (const AxisTick& tick : layout.y_ticks) {
    const double y = std::round(layout.y.ToPixel(tick.value));
    painter.setPen(QPen(kWallPen, 0));
    painter.drawLine(QPointF(front.left() - kTickLength, y), QPointF(front.left() - 1, y));
    painter.setPen(label_color);
    const double width = metrics.horizontalAdvance(tick.label);
    const QRectF box(front.left() - kTickLength - kLabelGap - width - 2, y - metrics.height() / 2,
                     width + 2, metrics.height());
    painter.drawText(box, Qt::AlignRight | Qt::AlignVCenter, tick.label);
  }
  for (const AxisTick& tick : layout.x_ticks) {
    const double x = std::round(layout.x.ToPixel(tick.value));
    painter.setPen(QPen(kWallPen, 0));
    painter.drawLine(QPointF(x, front.bottom() + 1), QPointF(x, front.bottom() + kTickLength));
    painter.setPen(label_color);
    const double width = metrics.horizontalAdvance(tick.label) + 2;
    const QRectF box(x - width / 2, front.bottom() + kTickLength + kLabelGap, width,
                     metrics.height());
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, tick.label);
  }
}

void DrawLine(QPainter& painter, const ChartModel& model, const ChartLayout& layout,
              const std::vector<QPolygonF>& runs) {
  const QColor color = ToQColor(model.series_color());
  const QRectF& front = layout.front;
  if (layout.depth.isNull()) {
    // A line along the frame stays whole.
    painter.setClipRect(front.adjusted(-1, -1, 1, 1));
    painter.setRenderHint(QPainter::Antialiasing, true);
    // A cosmetic pen: wider pens go through the general stroker, many times slower.
    QPen pen(color, 1.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (const QPolygonF& run : runs) {
      if (run.size() == 1) {
        painter.drawPoint(run.front());
      } else {
        painter.drawPolyline(run);
      }
    }
    painter.setClipping(false);
    return;
  }
  // A ribbon over the whole depth, front edge darker.
  const QRectF back = front.translated(layout.depth);
  QPainterPath clip;
  clip.addPolygon(QPolygonF({front.bottomLeft(), front.topLeft(), back.topLeft(), back.topRight(),
                             back.bottomRight(), front.bottomRight(), front.bottomLeft()}));
  painter.setClipPath(clip);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(color, 0));
  painter.setBrush(color);
  for (const QPolygonF& run : runs) {
    for (qsizetype i = 0; i + 1 < run.size(); ++i) {
      const QPointF quad[4] = {run[i], run[i + 1], run[i + 1] + layout.depth,
                               run[i] + layout.depth};
      painter.drawPolygon(quad, 4);
    }
  }
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(color.darker(160), 1));
  for (const QPolygonF& run : runs) painter.drawPolyline(run);
  painter.setClipping(false);
}

}  // namespace

QColor ToQColor(GraphColor color) {
  return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                static_cast<int>((color >> 16) & 0xFF));
}

double AxisScale::ToPixel(double value) const {
  const double t0 = Transform(lo, log);
  const double t1 = Transform(hi, log);
  const double t = (Transform(value, log) - t0) / (t1 - t0);
  const double start = inverted ? to : from;
  const double end = inverted ? from : to;
  return start + t * (end - start);
}

AxisScale::Mapper AxisScale::MakeMapper() const {
  const double t0 = Transform(lo, log);
  const double t1 = Transform(hi, log);
  const double start = inverted ? to : from;
  const double end = inverted ? from : to;
  const double slope = (end - start) / (t1 - t0);
  return Mapper{slope, start - t0 * slope, log};
}

double AxisScale::Mapper::operator()(double value) const {
  if (log) return value > 0 ? std::log10(value) * slope + offset : kNaN;
  return value * slope + offset;
}

double AxisScale::FromPixel(double pixel) const {
  const double t0 = Transform(lo, log);
  const double t1 = Transform(hi, log);
  const double start = inverted ? to : from;
  const double end = inverted ? from : to;
  const double value = t0 + (pixel - start) / (end - start) * (t1 - t0);
  return log ? std::pow(10.0, value) : value;
}

std::vector<AxisTick> AxisTicks(const AxisScale& scale, double length, bool by_width,
                                const QFontMetricsF& metrics) {
  if (!(scale.hi > scale.lo) || !(length > 0)) return {};
  if (scale.log && scale.lo > 0) {
    // Decades first, with 2 and 5 between them while there is room; a range narrower than
    // that gets plain linear ticks.
    std::vector<AxisTick> ticks = DecadeTicks(scale, 1, true);
    if (ticks.size() >= 2) {
      if (TicksFit(ticks, scale, by_width, metrics)) return ticks;
      for (const int step : {1, 2, 3, 5, 10, 20, 50, 100}) {
        ticks = DecadeTicks(scale, step, false);
        if (TicksFit(ticks, scale, by_width, metrics)) return ticks;
      }
      return ticks.empty() ? ticks : std::vector<AxisTick>{ticks.front()};
    }
  }
  return FittingLinearTicks(scale, length, by_width, metrics);
}

ZoomRect VisibleRange(const ChartModel& model) {
  ZoomRect range = model.zoom().value_or(
      ZoomRect{model.XMinimum(), model.XMaximum(), model.YMinimum(), model.YMaximum()});
  const std::vector<ChartPoint>& points = model.line().points();
  double x_positive = 0;
  if (model.x_axis().logarithmic() && range.x_min <= 0) {
    const auto first =
        std::upper_bound(points.begin(), points.end(), 0.0,
                         [](double value, const ChartPoint& point) { return value < point.x; });
    if (first != points.end()) x_positive = first->x;
  }
  double y_positive = 0;
  if (model.y_axis().logarithmic() && range.y_min <= 0) {
    for (const ChartPoint& point : points) {
      if (point.y > 0 && (y_positive == 0 || point.y < y_positive)) y_positive = point.y;
    }
  }
  FixRange(range.x_min, range.x_max, model.x_axis().logarithmic(), x_positive);
  FixRange(range.y_min, range.y_max, model.y_axis().logarithmic(), y_positive);
  return range;
}

ChartLayout LayoutChart(const ChartModel& model, const ZoomRect& visible, const QRectF& area,
                        const QFontMetricsF& metrics) {
  ChartLayout layout;
  const double width = area.width();
  const double height = area.height();
  const double font_height = metrics.height();
  const double inset = model.markers_visible() ? kMarkerInset : 0;
  double depth = 0;
  if (model.view_3d()) {
    depth = std::round(model.percent_3d() / 100.0 * std::min(width, height) * 0.5);
  }
  layout.depth = QPointF(depth, -depth);

  // The margins are percentages of the chart; the top one also holds half a label.
  const double top = area.top() + std::max(std::round(height * 0.05), font_height / 2 + 1) + depth;
  const double bottom =
      area.bottom() - std::round(height * 0.01) - font_height - kTickLength - kLabelGap;
  layout.y = AxisScale{
      visible.y_min,  visible.y_max, model.y_axis().logarithmic(), model.y_axis().inverted(),
      bottom - inset, top + inset};
  layout.y_ticks = AxisTicks(layout.y, std::abs(layout.y.from - layout.y.to), false, metrics);
  double label_width = 0;
  for (const AxisTick& tick : layout.y_ticks) {
    label_width = std::max(label_width, metrics.horizontalAdvance(tick.label));
  }
  double left = area.left() + std::max(1.0, std::round(width * 0.01)) + label_width + kLabelGap +
                kTickLength + 2;
  double right = area.right() - std::max(2.0, std::round(width * 0.02)) - depth;
  layout.x = AxisScale{visible.x_min, visible.x_max, model.x_axis().logarithmic(),
                       model.x_axis().inverted()};
  // The outer x labels are centred on their ticks and must not stick out of the chart.
  for (int pass = 0; pass < 3; ++pass) {
    right = std::max(right, left + 2 * inset + 1);
    layout.x.from = left + inset;
    layout.x.to = right - inset;
    layout.x_ticks = AxisTicks(layout.x, layout.x.to - layout.x.from, true, metrics);
    double overflow_left = 0;
    double overflow_right = 0;
    for (const AxisTick& tick : layout.x_ticks) {
      const double x = layout.x.ToPixel(tick.value);
      const double half = metrics.horizontalAdvance(tick.label) / 2 + 1;
      overflow_left = std::max(overflow_left, area.left() + 1 - (x - half));
      overflow_right = std::max(overflow_right, x + half - (area.right() - 1));
    }
    if (overflow_left <= 0 && overflow_right <= 0) break;
    left += std::ceil(overflow_left);
    right -= std::ceil(overflow_right);
  }
  layout.front = QRectF(QPointF(left, top), QPointF(right, std::max(bottom, top + 2 * inset + 1)));
  layout.data = layout.front.adjusted(inset, inset, -inset, -inset);
  return layout;
}

void PaintChart(QPainter& painter, const QRectF& area, const ChartModel& model,
                const ZoomRect& visible) {
  painter.save();
  painter.fillRect(area, ToQColor(model.background_color()));
  const ChartLayout layout = LayoutChart(model, visible, area, QFontMetricsF(painter.font()));
  DrawWalls(painter, layout);
  DrawGrid(painter, model, layout);
  // The labels stand on the back colour, which the user may make dark.
  DrawAxes(painter, layout, ReadableOn(ToQColor(model.background_color()), Qt::black));
  const VisibleSlice slice = SliceVisible(model.line().points(), visible);
  DrawLine(painter, model, layout, BuildLine(model, layout, slice));
  if (model.markers_visible()) DrawMarkers(painter, model, layout, slice);
  painter.restore();
}

}  // namespace quorvex
