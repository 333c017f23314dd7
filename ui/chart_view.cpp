#include "ui/chart_view.h"

#include <QBuffer>
#include <QEasingCurve>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QVariantAnimation>
#include <cmath>
#include <limits>

#include "common/number_text.h"
#include "ui/chart_zoom.h"
#include "ui/text_convert.h"

namespace quorvex {
namespace {

// Drags shorter than this are clicks.
constexpr int kMinimumDrag = 4;
// One notch of the wheel (120 eighths of a degree) shows this share of the range.
constexpr double kWheelFactor = 0.8;

double Lerp(double a, double b, double t, bool log) {
  if (log && a > 0 && b > 0)
    return std::pow(10.0, std::log10(a) + (std::log10(b) - std::log10(a)) * t);
  return a + (b - a) * t;
}

}  // namespace

ChartView::ChartView(const ChartModel& model, QWidget* parent)
    : QWidget(parent), model_(model), animation_(new QVariantAnimation(this)) {
  setObjectName(QStringLiteral("graph"));
  // Tracking feeds the readout; a drag still starts only with the left button.
  setMouseTracking(true);
  setAccessibleName(QStringLiteral("Graph"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  animation_->setStartValue(0.0);
  animation_->setEndValue(1.0);
  animation_->setEasingCurve(QEasingCurve::OutCubic);
  connect(animation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& value) {
    progress_ = value.toDouble();
    update();
  });
  connect(animation_, &QVariantAnimation::finished, this, [this] {
    animating_ = false;
    progress_ = 1;
    update();
  });
}

ZoomRect ChartView::displayedRange() const {
  const ZoomRect target = VisibleRange(model_);
  if (!animating_) return target;
  const bool x_log = model_.x_axis().logarithmic();
  const bool y_log = model_.y_axis().logarithmic();
  return ZoomRect{Lerp(animation_from_.x_min, target.x_min, progress_, x_log),
                  Lerp(animation_from_.x_max, target.x_max, progress_, x_log),
                  Lerp(animation_from_.y_min, target.y_min, progress_, y_log),
                  Lerp(animation_from_.y_max, target.y_max, progress_, y_log)};
}

ChartLayout ChartView::currentLayout() const {
  return LayoutChart(model_, displayedRange(), QRectF(rect()), QFontMetricsF(font()));
}

QByteArray ChartView::RenderSvg() const {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(size());
  generator.setViewBox(QRect(QPoint(0, 0), size()));
  generator.setTitle(QStringLiteral("Graph"));
  {
    QPainter painter(&generator);
    painter.setFont(font());
    PaintChart(painter, QRectF(rect()), model_, VisibleRange(model_));
  }
  // The generator gives the size in millimetres at its resolution, which viewers read back at
  // their own: in pixels, the picture opens at the chart's size everywhere.
  QByteArray svg = buffer.data();
  const qsizetype open = svg.indexOf("<svg");
  const qsizetype close = open < 0 ? -1 : svg.indexOf('>', open);
  if (close > open) {
    QString element = QString::fromUtf8(svg.mid(open, close - open));
    element.replace(QRegularExpression(QStringLiteral("\\bwidth=\"[^\"]*\"")),
                    QStringLiteral("width=\"%1\"").arg(width()));
    element.replace(QRegularExpression(QStringLiteral("\\bheight=\"[^\"]*\"")),
                    QStringLiteral("height=\"%1\"").arg(height()));
    svg.replace(open, close - open, element.toUtf8());
  }
  return svg;
}

QImage ChartView::RenderImage() const {
  QImage image(size(), QImage::Format_RGB32);
  QPainter painter(&image);
  painter.setFont(font());
  PaintChart(painter, QRectF(rect()), model_, VisibleRange(model_));
  return image;
}

std::optional<size_t> ChartView::NearestPoint(const QPointF& pixel) const {
  const ChartLayout layout = currentLayout();
  if (!layout.data.contains(pixel)) return std::nullopt;
  const std::vector<ChartPoint>& points = model_.line().points();
  const AxisScale::Mapper to_x = layout.x.MakeMapper();
  const AxisScale::Mapper to_y = layout.y.MakeMapper();
  std::optional<size_t> nearest;
  double best = std::numeric_limits<double>::infinity();
  for (size_t i = 0; i < points.size(); ++i) {
    const double px = to_x(points[i].x);
    const double py = to_y(points[i].y);
    // Points a logarithmic axis cannot show, and those zoomed out of view, are not offered.
    if (!std::isfinite(px) || !std::isfinite(py) || !layout.data.contains(QPointF(px, py))) {
      continue;
    }
    const double distance = std::hypot(px - pixel.x(), py - pixel.y());
    if (distance < best) {
      best = distance;
      nearest = i;
    }
  }
  return nearest;
}

QString ChartView::readoutText() const {
  const std::vector<ChartPoint>& points = model_.line().points();
  if (!hovered_ || *hovered_ >= points.size()) return QString();
  const ChartPoint& point = points[*hovered_];
  return ToQString("x: " + FormatGeneral(point.x) + " <=> f(x): " + FormatGeneral(point.y));
}

void ChartView::clearReadout() { SetHovered(std::nullopt); }

void ChartView::SetHovered(std::optional<size_t> index) {
  if (index == hovered_) return;
  hovered_ = index;
  update();
  Q_EMIT readoutChanged(readoutText());
}

void ChartView::leaveEvent(QEvent* event) {
  SetHovered(std::nullopt);
  QWidget::leaveEvent(event);
}

void ChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintChart(painter, QRectF(rect()), model_, displayedRange());
  const std::vector<ChartPoint>& points = model_.line().points();
  if (hovered_ && *hovered_ < points.size() && !animating_) {
    // Only on screen: the saved and copied pictures show the chart alone.
    const ChartLayout layout = currentLayout();
    const QPointF at(layout.x.ToPixel(points[*hovered_].x), layout.y.ToPixel(points[*hovered_].y));
    if (std::isfinite(at.x()) && std::isfinite(at.y())) {
      painter.setRenderHint(QPainter::Antialiasing, true);
      painter.setPen(QPen(Qt::black, 1.5));
      painter.setBrush(Qt::NoBrush);
      painter.drawEllipse(at, 4.5, 4.5);
    }
  }
  if (dragging_) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 0, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(press_, drag_to_).normalized());
  }
}

void ChartView::mousePressEvent(QMouseEvent* event) {
  const bool pan = event->button() == Qt::MiddleButton ||
                   (event->button() == Qt::LeftButton && event->modifiers() & Qt::ShiftModifier);
  if (pan) {
    panning_ = true;
    pan_from_ = event->position();
    setCursor(Qt::ClosedHandCursor);
    return;
  }
  if (event->button() != Qt::LeftButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  dragging_ = true;
  press_ = event->position().toPoint();
  drag_to_ = press_;
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
  if (panning_) {
    const ChartLayout layout = currentLayout();
    const QPointF to = event->position();
    ChooseRange(PanRange(displayedRange(), layout.x.FromPixel(pan_from_.x()),
                         layout.y.FromPixel(pan_from_.y()), layout.x.FromPixel(to.x()),
                         layout.y.FromPixel(to.y()), model_.x_axis().logarithmic(),
                         model_.y_axis().logarithmic()));
    pan_from_ = to;
    return;
  }
  SetHovered(NearestPoint(event->position()));
  if (!dragging_) return;
  drag_to_ = event->position().toPoint();
  update();
}

void ChartView::mouseReleaseEvent(QMouseEvent* event) {
  if (panning_) {
    panning_ = false;
    unsetCursor();
    return;
  }
  if (!dragging_ || event->button() != Qt::LeftButton) return;
  dragging_ = false;
  drag_to_ = event->position().toPoint();
  update();
  const QPoint moved = drag_to_ - press_;
  const ZoomRect from = displayedRange();
  if (moved.x() > kMinimumDrag && moved.y() > kMinimumDrag) {
    const ZoomRect chosen = RangeOfPixels(QRect(press_, drag_to_));
    if (chosen.x_min < chosen.x_max && chosen.y_min < chosen.y_max) {
      Q_EMIT zoomChosen(chosen);
      AnimateFrom(from);
    }
  } else if (moved.x() < -kMinimumDrag || moved.y() < -kMinimumDrag) {
    Q_EMIT zoomUndoChosen();
    AnimateFrom(from);
  }
}

void ChartView::wheelEvent(QWheelEvent* event) {
  const int notches = event->angleDelta().y();
  const ChartLayout layout = currentLayout();
  const QPointF at = event->position();
  if (notches == 0 || !layout.data.contains(at) || model_.line().points().empty()) {
    event->ignore();
    return;
  }
  event->accept();
  const double factor = std::pow(kWheelFactor, notches / 120.0);
  const bool x_log = model_.x_axis().logarithmic();
  const bool y_log = model_.y_axis().logarithmic();
  const double x_at = layout.x.FromPixel(at.x());
  const double y_at = layout.y.FromPixel(at.y());
  ZoomRect range = ZoomAbout(displayedRange(), x_at, y_at, factor, x_log, y_log);
  // New tick labels may widen or narrow the margins and move the plot area; shift the range
  // until the value grabbed is back under the pointer.
  for (int pass = 0; pass < 3 && UsableRange(range, x_log, y_log); ++pass) {
    const ChartLayout moved = LayoutChart(model_, range, QRectF(rect()), QFontMetricsF(font()));
    range = PanRange(range, x_at, y_at, moved.x.FromPixel(at.x()), moved.y.FromPixel(at.y()), x_log,
                     y_log);
  }
  ChooseRange(range);
}

void ChartView::ChooseRange(const ZoomRect& range) {
  if (!UsableRange(range, model_.x_axis().logarithmic(), model_.y_axis().logarithmic())) return;
  // Wheel and pan follow the hand directly; an animation would lag behind it.
  animation_->stop();
  animating_ = false;
  Q_EMIT zoomChosen(range);
  update();
}

ZoomRect ChartView::RangeOfPixels(const QRect& pixels) const {
  const ChartLayout layout = currentLayout();
  const QRectF inside = QRectF(pixels).intersected(layout.data);
  if (inside.isEmpty()) return ZoomRect{};
  const double x1 = layout.x.FromPixel(inside.left());
  const double x2 = layout.x.FromPixel(inside.right());
  const double y1 = layout.y.FromPixel(inside.top());
  const double y2 = layout.y.FromPixel(inside.bottom());
  return ZoomRect{std::min(x1, x2), std::max(x1, x2), std::min(y1, y2), std::max(y1, y2)};
}

void ChartView::AnimateFrom(const ZoomRect& from) {
  animation_->stop();
  if (animation_ms_ <= 0) {
    animating_ = false;
    update();
    return;
  }
  animation_from_ = from;
  animating_ = true;
  progress_ = 0;
  animation_->setDuration(animation_ms_);
  animation_->start();
}

}  // namespace quorvex
