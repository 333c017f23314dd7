#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <optional>

#include "graph/chart_model.h"
#include "ui/chart_painter.h"

class QVariantAnimation;

namespace quorvex {

// The chart `graph` of the graph window: paints a ChartModel and lets the user zoom by
// dragging a rectangle from its top-left to its bottom-right corner; dragging towards the top
// or the left undoes the zoom. The wheel zooms about the pointer, dragging with the middle
// button (or with Shift and the left button) pans, and the context menu's "Undo zoom" (Home)
// returns to the whole view. The view does not change the model itself: it reports the
// chosen zoom, and animates from the old view to whatever the model shows afterwards.
// Under the mouse pointer it reads out the nearest point of the series.
class ChartView : public QWidget {
  Q_OBJECT

 public:
  explicit ChartView(const ChartModel& model, QWidget* parent = nullptr);

  const ChartModel& model() const { return model_; }
  // 0 switches the animation off.
  void setZoomAnimationMs(int ms) { animation_ms_ = ms; }
  bool zoomAnimating() const { return animating_; }
  // What is painted now: the model's range, or a step of the zoom animation.
  ZoomRect displayedRange() const;
  ChartLayout currentLayout() const;

  // The chart at its current size, as an SVG document and as an image.
  QByteArray RenderSvg() const;
  QImage RenderImage() const;

  // The index of the series point drawn nearest to pixel inside the plot area; none outside
  // it or while the series is empty.
  std::optional<size_t> NearestPoint(const QPointF& pixel) const;
  // "x: " + x + " <=> f(x): " + f(x) of the point under the pointer, both in the general form;
  // empty while the pointer is not over the plot area.
  QString readoutText() const;
  // Forgets the point under the pointer (a new run has other points).
  void clearReadout();

  QSize sizeHint() const override { return QSize(500, 280); }
  QSize minimumSizeHint() const override { return QSize(80, 60); }

 Q_SIGNALS:
  void zoomChosen(const quorvex::ZoomRect& rect);
  void zoomUndoChosen();
  // The readout text changed; empty when the pointer left the points.
  void readoutChanged(const QString& text);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void AnimateFrom(const ZoomRect& from);
  ZoomRect RangeOfPixels(const QRect& pixels) const;
  void SetHovered(std::optional<size_t> index);
  // Reports range as the new zoom when the chart can draw it.
  void ChooseRange(const ZoomRect& range);

  const ChartModel& model_;
  QVariantAnimation* animation_;
  int animation_ms_ = 250;
  bool animating_ = false;
  double progress_ = 1;
  ZoomRect animation_from_;
  bool dragging_ = false;
  bool panning_ = false;
  QPointF pan_from_;
  QPoint press_;
  QPoint drag_to_;
  std::optional<size_t> hovered_;
};

}  // namespace quorvex
