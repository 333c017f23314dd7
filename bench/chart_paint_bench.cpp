// Painting the chart into an image: one full repaint of a series of many points, as the graph
// window does on every resize and zoom step. The line is drawn per pixel column, so the time
// should grow with the points only through the single pass over them.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <cmath>

#include "graph/chart_model.h"
#include "ui/chart_painter.h"

namespace {

quorvex::ChartModel SineModel(int64_t points) {
  quorvex::ChartModel model;
  const double step = 24.0 / static_cast<double>(points);
  for (int64_t i = 0; i < points; ++i) {
    const double x = 1 + static_cast<double>(i) * step;
    model.AddPoint(x, std::sin(x));
  }
  return model;
}

void Repaint(benchmark::State& state, const quorvex::ChartModel& model) {
  QImage image(800, 600, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&image);
    quorvex::PaintChart(painter, QRectF(image.rect()), model, quorvex::VisibleRange(model));
    painter.end();
    benchmark::DoNotOptimize(image.constBits());
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(model.line().PointCount()));
}

void BM_PaintLine(benchmark::State& state) { Repaint(state, SineModel(state.range(0))); }
BENCHMARK(BM_PaintLine)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_PaintLineWithGridAndMarkers(benchmark::State& state) {
  quorvex::ChartModel model = SineModel(state.range(0));
  model.SetHorizontalGridVisible(true);
  model.SetVerticalGridVisible(true);
  model.SetMarkersVisible(true);
  Repaint(state, model);
}
BENCHMARK(BM_PaintLineWithGridAndMarkers)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_PaintLine3D(benchmark::State& state) {
  quorvex::ChartModel model = SineModel(state.range(0));
  model.Set3D(true);
  Repaint(state, model);
}
BENCHMARK(BM_PaintLine3D)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_PaintZoomedLine(benchmark::State& state) {
  quorvex::ChartModel model = SineModel(state.range(0));
  model.Zoom(quorvex::ZoomRect{10, 11, -1, 1});
  Repaint(state, model);
}
BENCHMARK(BM_PaintZoomedLine)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
