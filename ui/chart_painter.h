#pragma once

// Paints a ChartModel with a QPainter: the widget, the clipboard copy (SVG and PNG) and the
// benchmark all draw through PaintChart. The layout is computed first (margins, ticks and
// labels, the 3D depth, the data area), then walls, grid, ticks, the line and the markers.

#include <QColor>
#include <QFontMetricsF>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

#include "graph/chart_model.h"

class QPainter;

namespace quorvex {

// 0x00BBGGRR as the settings store it.
QColor ToQColor(GraphColor color);

// The visible range of one axis and its mapping onto a pixel interval. from is the pixel of
// lo on a normal axis (left for x, bottom for y); an inverted axis swaps the ends.
struct AxisScale {
  double lo = 0;
  double hi = 1;
  bool log = false;
  bool inverted = false;
  double from = 0;
  double to = 1;

  // NaN for values a logarithmic axis cannot show (0 and below).
  double ToPixel(double value) const;
  double FromPixel(double pixel) const;

  // ToPixel with the constants worked out once, for the loops over every point.
  struct Mapper {
    double slope;
    double offset;
    bool log;
    double operator()(double value) const;
  };
  Mapper MakeMapper() const;
};

struct AxisTick {
  double value = 0;
  QString label;
};

// Ticks between lo and hi on an axis of length pixels, spaced so that labels of the given
// extent (width for x, height for y) plus a gap never touch. Labels use the decimal comma.
std::vector<AxisTick> AxisTicks(const AxisScale& scale, double length, bool by_width,
                                const QFontMetricsF& metrics);

// What the chart shows: the zoom when there is one, else the axes' current ranges, widened
// where a range is empty and kept positive on a logarithmic axis.
ZoomRect VisibleRange(const ChartModel& model);

struct ChartLayout {
  QRectF front;   // the plot frame; in 3D the front plane
  QPointF depth;  // offset of the back wall (0 in 2D)
  QRectF data;    // front inset so that the markers at the edges stay whole
  AxisScale x;
  AxisScale y;
  std::vector<AxisTick> x_ticks;
  std::vector<AxisTick> y_ticks;
};

ChartLayout LayoutChart(const ChartModel& model, const ZoomRect& visible, const QRectF& area,
                        const QFontMetricsF& metrics);

// Paints the whole chart into area with the painter's current font.
void PaintChart(QPainter& painter, const QRectF& area, const ChartModel& model,
                const ZoomRect& visible);

}  // namespace quorvex
