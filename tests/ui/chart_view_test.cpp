// The chart's painting, ticks and zoom gestures, on images and on a ChartView without the
// graph window around it.
#include "ui/chart_view.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <cmath>
#include <functional>

#include "graph/chart_model.h"
#include "ui/chart_painter.h"
#include "ui/contrast.h"

using quorvex::AxisScale;
using quorvex::AxisTick;
using quorvex::ChartLayout;
using quorvex::ChartModel;
using quorvex::ChartView;
using quorvex::ZoomRect;

namespace {

constexpr quorvex::GraphColor kRed = 0x0000FF;    // 0x00BBGGRR
constexpr quorvex::GraphColor kGreen = 0x00FF00;  // 0x00BBGGRR
const QSize kImageSize(508, 284);

QImage Paint(const ChartModel& model, QSize size = kImageSize) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::magenta);
  QPainter painter(&image);
  quorvex::PaintChart(painter, QRectF(QPoint(0, 0), size), model, quorvex::VisibleRange(model));
  return image;
}

ChartLayout Layout(const ChartModel& model, QSize size = kImageSize) {
  QImage image(1, 1, QImage::Format_RGB32);
  QPainter painter(&image);
  return quorvex::LayoutChart(model, quorvex::VisibleRange(model), QRectF(QPoint(0, 0), size),
                              QFontMetricsF(painter.font()));
}

int CountColour(const QImage& image, QColor colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += image.pixelColor(x, y) == colour;
  }
  return count;
}

// Whether the pixel is mostly red: the line is antialiased and blends with what lies under it.
bool Reddish(QColor pixel) {
  return pixel.red() > 150 && pixel.green() < 110 && pixel.blue() < 110;
}

// Whether the 3 x 3 fill of the marker of (x, y) lies whole inside the image.
bool MarkerWhole(const QImage& image, const ChartLayout& layout, double x, double y, QColor fill) {
  const int px = static_cast<int>(std::round(layout.x.ToPixel(x)));
  const int py = static_cast<int>(std::round(layout.y.ToPixel(y)));
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      if (!image.rect().contains(px + dx, py + dy)) return false;
      if (image.pixelColor(px + dx, py + dy) != fill) return false;
    }
  }
  return layout.front.contains(QPointF(px - 2, py - 2)) &&
         layout.front.contains(QPointF(px + 2, py + 2));
}

void AddSine(ChartModel& model, double from, double to, double step) {
  for (double x = from; x <= to + step / 2; x += step) model.AddPoint(x, std::sin(x));
}

using ModelSetup = std::function<void(ChartModel&)>;
using ImageCheck = std::function<bool(const ChartModel&, const QImage&)>;

}  // namespace

Q_DECLARE_METATYPE(ModelSetup)
Q_DECLARE_METATYPE(ImageCheck)

class ChartViewTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void ticks_data();
  void ticks();
  void painting_data();
  void painting();
  void layoutKeepsLabelsInside_data();
  void layoutKeepsLabelsInside();
  void manyPointsDrawTheSameExtentAsFew();
  void zoomByDragging_data();
  void zoomByDragging();
  void zoomIsAnimated();
  void wheelZoomsAboutThePointer_data();
  void wheelZoomsAboutThePointer();
  void panningMovesTheView_data();
  void panningMovesTheView();
  void axisLabelsReadableOnEveryBackColour_data();
  void axisLabelsReadableOnEveryBackColour();
};

void ChartViewTest::ticks_data() {
  QTest::addColumn<double>("lo");
  QTest::addColumn<double>("hi");
  QTest::addColumn<bool>("log");
  QTest::addColumn<double>("length");
  QTest::addColumn<bool>("by_width");
  QTest::addColumn<QStringList>("must_contain");

  QTest::newRow("fractions use the decimal comma")
      << 0.0 << 1.0 << false << 400.0 << true << QStringList{"0", "0,5", "1"};
  QTest::newRow("steps of a tenth are not written as 0,30000000000000004")
      << 1.0 << 1.6 << false << 500.0 << true << QStringList{"1,2", "1,3"};
  QTest::newRow("negative ranges")
      << -1.0 << 1.0 << false << 250.0 << false << QStringList{"-1", "0", "1"};
  QTest::newRow("huge values in the exponent form")
      << 0.0 << 4e20 << false << 400.0 << true << QStringList{"0", "1E20"};
  QTest::newRow("a logarithmic axis has decades")
      << 1.0 << 1e6 << true << 250.0 << false << QStringList{"1", "100", "10000", "1000000"};
  QTest::newRow("a short logarithmic range falls back to plain steps")
      << 2.0 << 3.0 << true << 250.0 << false << QStringList{"2", "3"};
  QTest::newRow("small decimals") << 0.001 << 0.002 << false << 300.0 << false
                                  << QStringList{"0,001", "0,0015", "0,002"};
}

void ChartViewTest::ticks() {
  QFETCH(double, lo);
  QFETCH(double, hi);
  QFETCH(bool, log);
  QFETCH(double, length);
  QFETCH(bool, by_width);
  QFETCH(QStringList, must_contain);

  const AxisScale scale{lo, hi, log, false, 0, length};
  const QFontMetricsF metrics(QApplication::font());
  const std::vector<AxisTick> ticks = quorvex::AxisTicks(scale, length, by_width, metrics);
  QStringList labels;
  for (const AxisTick& tick : ticks) labels.append(tick.label);
  for (const QString& label : must_contain)
    QVERIFY2(labels.contains(label), qPrintable(labels.join(' ')));
  for (const QString& label : labels) QVERIFY2(!label.contains('.'), qPrintable(label));
  // Crowded ticks: neighbouring labels never touch.
  for (size_t i = 1; i < ticks.size(); ++i) {
    const double distance =
        std::abs(scale.ToPixel(ticks[i].value) - scale.ToPixel(ticks[i - 1].value));
    const double extent = by_width ? (metrics.horizontalAdvance(ticks[i].label) +
                                      metrics.horizontalAdvance(ticks[i - 1].label)) /
                                         2
                                   : metrics.height();
    QVERIFY2(distance > extent, qPrintable(labels.join(' ')));
  }
}

void ChartViewTest::painting_data() {
  QTest::addColumn<ModelSetup>("setup");
  QTest::addColumn<ImageCheck>("check");

  QTest::newRow("the background colour fills the chart") << ModelSetup([](ChartModel& m) {
    AddSine(m, 1, 25, 0.1);
    m.SetBackgroundColor(0x00FFFF);
  }) << ImageCheck([](const ChartModel&, const QImage& image) {
    return image.pixelColor(2, 2) == QColor(255, 255, 0) &&
           image.pixelColor(image.width() - 3, image.height() - 3) == QColor(255, 255, 0);
  });
  QTest::newRow("the line is drawn in the series colour") << ModelSetup([](ChartModel& m) {
    m.SetSeriesColor(kRed);
    m.AddPoint(0, 0);
    m.AddPoint(10, 0);
    m.AddPoint(10.0001, 10);
  }) << ImageCheck([](const ChartModel& m, const QImage& image) {
    const ChartLayout layout = Layout(m);
    const int y = static_cast<int>(std::round(layout.y.ToPixel(0)));
    const int x = static_cast<int>(layout.x.ToPixel(5));
    return Reddish(image.pixelColor(x, y)) || Reddish(image.pixelColor(x, y - 1));
  });
  QTest::newRow("no grid unless asked for") << ModelSetup([](ChartModel& m) {
    AddSine(m, 1, 25, 0.1);
    m.SetXGridColor(kRed);
    m.SetYGridColor(kRed);
  }) << ImageCheck([](const ChartModel&, const QImage& image) {
    return CountColour(image, Qt::red) == 0;
  });
  QTest::newRow("horizontal grid lines are dotted in the grid colour")
      << ModelSetup([](ChartModel& m) {
           AddSine(m, 1, 25, 0.1);
           m.SetSeriesColor(kGreen);
           m.SetYGridColor(kRed);
           m.SetHorizontalGridVisible(true);
         })
      << ImageCheck([](const ChartModel& m, const QImage& image) {
           const ChartLayout layout = Layout(m);
           const int y = static_cast<int>(std::round(layout.y.ToPixel(0.5)));
           int red = 0;
           int gaps = 0;
           for (int x = static_cast<int>(layout.front.left()) + 2; x < layout.front.right() - 2;
                ++x) {
             const QColor pixel = image.pixelColor(x, y);
             red += pixel == Qt::red;
             gaps += pixel == Qt::white;
           }
           return red > 50 && gaps > 50;
         });
  QTest::newRow("vertical grid lines belong to the x axis") << ModelSetup([](ChartModel& m) {
    AddSine(m, 1, 25, 0.1);
    m.SetXGridColor(kRed);
    m.SetYGridColor(kGreen);
    m.SetVerticalGridVisible(true);
  }) << ImageCheck([](const ChartModel& m, const QImage& image) {
    const ChartLayout layout = Layout(m);
    const int x = static_cast<int>(std::round(layout.x.ToPixel(10)));
    int red = 0;
    for (int y = static_cast<int>(layout.front.top()) + 2; y < layout.front.bottom() - 2; ++y) {
      red += image.pixelColor(x, y) == Qt::red;
    }
    return red > 30 && CountColour(image, Qt::green) == 0;
  });
  QTest::newRow("markers at all four edges stay whole") << ModelSetup([](ChartModel& m) {
    m.AddPoint(0, 0);
    m.AddPoint(1, 5);
    m.AddPoint(2, -5);
    m.AddPoint(3, 0);
    m.SetMarkersVisible(true);
    m.SetMarkerFillColor(kGreen);
  }) << ImageCheck([](const ChartModel& m, const QImage& image) {
    const ChartLayout layout = Layout(m);
    return MarkerWhole(image, layout, 0, 0, Qt::green) &&
           MarkerWhole(image, layout, 1, 5, Qt::green) &&
           MarkerWhole(image, layout, 2, -5, Qt::green) &&
           MarkerWhole(image, layout, 3, 0, Qt::green);
  });
  QTest::newRow("markers are hidden unless asked for") << ModelSetup([](ChartModel& m) {
    AddSine(m, 1, 25, 0.1);
    m.SetMarkerFillColor(kGreen);
  }) << ImageCheck([](const ChartModel&, const QImage& image) {
    return CountColour(image, Qt::green) == 0;
  });
  QTest::newRow("an inverted x axis puts the first point at the right")
      << ModelSetup([](ChartModel& m) {
           m.AddPoint(0, 0);
           m.AddPoint(10, 10);
           m.SetXInverted(true);
           m.SetMarkersVisible(true);
           m.SetMarkerFillColor(kGreen);
         })
      << ImageCheck([](const ChartModel& m, const QImage& image) {
           const ChartLayout layout = Layout(m);
           return layout.x.ToPixel(0) > layout.x.ToPixel(10) &&
                  layout.x.ToPixel(0) > layout.front.center().x() &&
                  MarkerWhole(image, layout, 0, 0, Qt::green);
         });
  QTest::newRow("an inverted y axis puts large values at the bottom")
      << ModelSetup([](ChartModel& m) {
           m.AddPoint(0, 0);
           m.AddPoint(10, 10);
           m.SetYInverted(true);
         })
      << ImageCheck([](const ChartModel& m, const QImage&) {
           const ChartLayout layout = Layout(m);
           return layout.y.ToPixel(10) > layout.y.ToPixel(0);
         });
  QTest::newRow("stairs go across before they go up") << ModelSetup([](ChartModel& m) {
    m.SetSeriesColor(kRed);
    m.AddPoint(0, 0);
    m.AddPoint(10, 10);
    m.SetStairs(true);
  }) << ImageCheck([](const ChartModel& m, const QImage& image) {
    const ChartLayout layout = Layout(m);
    const int x = static_cast<int>(layout.x.ToPixel(5));
    const int y = static_cast<int>(std::round(layout.y.ToPixel(0)));
    return Reddish(image.pixelColor(x, y)) || Reddish(image.pixelColor(x, y - 1));
  });
  QTest::newRow("without stairs the line is straight") << ModelSetup([](ChartModel& m) {
    m.SetSeriesColor(kRed);
    m.AddPoint(0, 0);
    m.AddPoint(10, 10);
  }) << ImageCheck([](const ChartModel& m, const QImage& image) {
    const ChartLayout layout = Layout(m);
    const int x = static_cast<int>(layout.x.ToPixel(5));
    const int y = static_cast<int>(std::round(layout.y.ToPixel(0)));
    const int y5 = static_cast<int>(layout.y.ToPixel(5));
    return !Reddish(image.pixelColor(x, y - 1)) &&
           (Reddish(image.pixelColor(x, y5)) || Reddish(image.pixelColor(x, y5 - 1)));
  });
  QTest::newRow("3D shows the left and bottom walls in 0xC8C8C8 behind a white back wall")
      << ModelSetup([](ChartModel& m) {
           AddSine(m, 1, 25, 0.1);
           m.Set3D(true);
           m.Set3DPercent(20);
         })
      << ImageCheck([](const ChartModel& m, const QImage& image) {
           const ChartLayout layout = Layout(m);
           const QPointF left_wall =
               QPointF(layout.front.left(), layout.front.center().y()) + layout.depth / 2;
           const QPointF bottom_wall =
               QPointF(layout.front.center().x(), layout.front.bottom()) + layout.depth / 2;
           const QPointF back_wall =
               QPointF(layout.front.right(), layout.front.top()) + layout.depth * 0.9;
           return layout.depth.x() > 10 && layout.depth.y() < -10 &&
                  image.pixelColor(left_wall.toPoint()) == QColor(0xC8, 0xC8, 0xC8) &&
                  image.pixelColor(bottom_wall.toPoint()) == QColor(0xC8, 0xC8, 0xC8) &&
                  image.pixelColor((back_wall + QPointF(-3, 3)).toPoint()) == Qt::white;
         });
  QTest::newRow("the 3D depth follows the percent") << ModelSetup([](ChartModel& m) {
    AddSine(m, 1, 25, 0.1);
    m.Set3D(true);
    m.Set3DPercent(10);
  }) << ImageCheck([](const ChartModel& m, const QImage&) {
    ChartModel deeper = m;
    deeper.Set3DPercent(40);
    return std::abs(Layout(deeper).depth.x() - 4 * Layout(m).depth.x()) <= 2;
  });
  QTest::newRow("a logarithmic axis skips values of 0 and below without failing")
      << ModelSetup([](ChartModel& m) {
           // Set while the series is empty, so the later values below 0 are not refused.
           m.SetYLogarithmic(true);
           m.SetSeriesColor(kRed);
           m.AddPoint(1, -1);
           m.AddPoint(2, 0);
           m.AddPoint(3, 10);
           m.AddPoint(4, 1000);
         })
      << ImageCheck([](const ChartModel& m, const QImage& image) {
           const ChartLayout layout = Layout(m);
           return layout.y.lo == 10 && layout.y.hi == 1000 && CountColour(image, Qt::magenta) == 0;
         });
  QTest::newRow("a zoomed chart shows only the zoomed range") << ModelSetup([](ChartModel& m) {
    AddSine(m, 1, 25, 0.1);
    m.Zoom(ZoomRect{5, 6, -0.5, 0.5});
  }) << ImageCheck([](const ChartModel& m, const QImage&) {
    const ChartLayout layout = Layout(m);
    return layout.x.lo == 5 && layout.x.hi == 6 && layout.y.lo == -0.5;
  });
  QTest::newRow("an empty chart and a single point paint without failing")
      << ModelSetup([](ChartModel& m) { m.AddPoint(3, 3); })
      << ImageCheck([](const ChartModel& m, const QImage& image) {
           ChartModel empty;
           Paint(empty);
           const ChartLayout layout = Layout(m);
           return layout.x.lo < 3 && layout.x.hi > 3 && CountColour(image, Qt::magenta) == 0;
         });
}

void ChartViewTest::painting() {
  QFETCH(ModelSetup, setup);
  QFETCH(ImageCheck, check);
  ChartModel model;
  setup(model);
  const QImage image = Paint(model);
  if (!check(model, image)) {
    image.save(QStringLiteral("chart_view_test_failure.png"));
    QFAIL("the picture is wrong; saved as chart_view_test_failure.png");
  }
}

void ChartViewTest::layoutKeepsLabelsInside_data() {
  QTest::addColumn<double>("x_max");
  QTest::addColumn<double>("y_max");
  QTest::addColumn<QSize>("size");

  QTest::newRow("the tutorial's range") << 25.0 << 1.0 << kImageSize;
  QTest::newRow("long labels at the right edge") << 123456789.0 << 1e-7 << kImageSize;
  QTest::newRow("a small chart") << 1e15 << 1e15 << QSize(160, 120);
  QTest::newRow("a maximised chart") << 25.0 << 1.0 << QSize(1600, 1000);
}

void ChartViewTest::layoutKeepsLabelsInside() {
  QFETCH(double, x_max);
  QFETCH(double, y_max);
  QFETCH(QSize, size);
  ChartModel model;
  model.AddPoint(x_max / 7, 0);
  model.AddPoint(x_max, y_max);
  const ChartLayout layout = Layout(model, size);
  const QFontMetricsF metrics(QApplication::font());
  QVERIFY(!layout.x_ticks.empty());
  QVERIFY(!layout.y_ticks.empty());
  for (const AxisTick& tick : layout.x_ticks) {
    const double x = layout.x.ToPixel(tick.value);
    const double half = metrics.horizontalAdvance(tick.label) / 2;
    QVERIFY2(x - half >= 0 && x + half <= size.width(), qPrintable(tick.label));
  }
  for (const AxisTick& tick : layout.y_ticks) {
    const double y = layout.y.ToPixel(tick.value);
    QVERIFY2(y - metrics.height() / 2 >= 0, qPrintable(tick.label));
    QVERIFY2(layout.front.left() - metrics.horizontalAdvance(tick.label) >= 0,
             qPrintable(tick.label));
  }
}

void ChartViewTest::manyPointsDrawTheSameExtentAsFew() {
  // Past two points per pixel column the line is drawn per column; the picture must still
  // reach every extreme.
  ChartModel model;
  model.SetSeriesColor(kRed);
  for (int i = 0; i <= 200000; ++i) {
    const double x = i / 200000.0;
    model.AddPoint(x, i == 100000 ? 5.0 : std::sin(x * 40));
  }
  const QImage image = Paint(model);
  const ChartLayout layout = Layout(model);
  const int spike_x = static_cast<int>(layout.x.ToPixel(0.5));
  const int spike_top = static_cast<int>(std::round(layout.y.ToPixel(5)));
  bool spike = false;
  for (int dx = -1; dx <= 1; ++dx) spike |= Reddish(image.pixelColor(spike_x + dx, spike_top + 1));
  QVERIFY(spike);
  int columns_with_line = 0;
  for (int x = static_cast<int>(layout.data.left()) + 1; x < layout.data.right() - 1; ++x) {
    for (int y = static_cast<int>(layout.front.top()); y < layout.front.bottom(); ++y) {
      if (Reddish(image.pixelColor(x, y))) {
        ++columns_with_line;
        break;
      }
    }
  }
  QVERIFY(columns_with_line >= static_cast<int>(layout.data.width()) - 3);
}

void ChartViewTest::zoomByDragging_data() {
  QTest::addColumn<QPointF>("from");  // in data units
  QTest::addColumn<QPointF>("to");
  QTest::addColumn<bool>("zoomed_before");
  QTest::addColumn<QString>("expected");  // "zoom", "undo" or "none"

  QTest::newRow("down and right zooms") << QPointF(2, 0.8) << QPointF(6, -0.2) << false << "zoom";
  QTest::newRow("a zoomed chart zooms further")
      << QPointF(2, 0.8) << QPointF(6, -0.2) << true << "zoom";
  QTest::newRow("up and left undoes the zoom")
      << QPointF(6, -0.2) << QPointF(2, 0.8) << true << "undo";
  QTest::newRow("left only undoes the zoom")
      << QPointF(6, 0.8) << QPointF(2, -0.2) << true << "undo";
  QTest::newRow("a click does nothing") << QPointF(4, 0.5) << QPointF(4, 0.5) << true << "none";
}

void ChartViewTest::zoomByDragging() {
  QFETCH(QPointF, from);
  QFETCH(QPointF, to);
  QFETCH(bool, zoomed_before);
  QFETCH(QString, expected);

  ChartModel model;
  AddSine(model, 0, 10, 0.05);
  const ZoomRect before{1, 9, -0.9, 0.9};
  if (zoomed_before) model.Zoom(before);
  ChartView view(model);
  view.setZoomAnimationMs(0);
  QObject::connect(&view, &ChartView::zoomChosen, &view,
                   [&model](const ZoomRect& rect) { model.Zoom(rect); });
  QObject::connect(&view, &ChartView::zoomUndoChosen, &view, [&model] { model.UndoZoom(); });
  view.resize(500, 300);
  view.show();
  QVERIFY(QTest::qWaitForWindowExposed(&view));

  const ChartLayout layout = view.currentLayout();
  auto pixel = [&layout](QPointF data) {
    return QPointF(layout.x.ToPixel(data.x()), layout.y.ToPixel(data.y())).toPoint();
  };
  QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, pixel(from));
  QTest::mouseMove(&view, pixel(to));
  QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, pixel(to));

  if (expected == QLatin1String("zoom")) {
    QVERIFY(model.zoom().has_value());
    const double x_pixel = (layout.x.hi - layout.x.lo) / layout.data.width();
    const double y_pixel = (layout.y.hi - layout.y.lo) / layout.data.height();
    QVERIFY(std::abs(model.zoom()->x_min - from.x()) < 2 * x_pixel);
    QVERIFY(std::abs(model.zoom()->x_max - to.x()) < 2 * x_pixel);
    QVERIFY(std::abs(model.zoom()->y_min - to.y()) < 2 * y_pixel);
    QVERIFY(std::abs(model.zoom()->y_max - from.y()) < 2 * y_pixel);
  } else if (expected == QLatin1String("undo")) {
    QVERIFY(!model.zoom().has_value());
  } else {
    QCOMPARE(model.zoom().has_value(), zoomed_before);
    if (zoomed_before) QVERIFY(*model.zoom() == before);
  }
}

void ChartViewTest::zoomIsAnimated() {
  ChartModel model;
  AddSine(model, 0, 10, 0.05);
  ChartView view(model);
  view.setZoomAnimationMs(200);
  QObject::connect(&view, &ChartView::zoomChosen, &view,
                   [&model](const ZoomRect& rect) { model.Zoom(rect); });
  view.resize(500, 300);
  view.show();
  QVERIFY(QTest::qWaitForWindowExposed(&view));
  const ZoomRect full = view.displayedRange();
  QTest::mousePress(&view, Qt::LeftButton, Qt::NoModifier, QPoint(150, 80));
  QTest::mouseMove(&view, QPoint(300, 200));
  QTest::mouseRelease(&view, Qt::LeftButton, Qt::NoModifier, QPoint(300, 200));
  QVERIFY(view.zoomAnimating());
  // The first frames still show about the old range, the last one the new.
  QVERIFY(std::abs(view.displayedRange().x_min - full.x_min) <
          std::abs(model.zoom()->x_min - full.x_min) / 2 + 1e-9);
  QTRY_VERIFY_WITH_TIMEOUT(!view.zoomAnimating(), 2000);
  QVERIFY(view.displayedRange() == *model.zoom());
}

void ChartViewTest::wheelZoomsAboutThePointer_data() {
  QTest::addColumn<bool>("x_log");
  QTest::addColumn<bool>("x_inverted");
  QTest::addColumn<int>("notches");  // positive: away from the user, zooms in
  QTest::newRow("in on a linear axis") << false << false << 1;
  QTest::newRow("out again") << false << false << -2;
  QTest::newRow("in on a logarithmic x axis") << true << false << 3;
  QTest::newRow("in on an inverted x axis") << false << true << 1;
}

void ChartViewTest::wheelZoomsAboutThePointer() {
  QFETCH(bool, x_log);
  QFETCH(bool, x_inverted);
  QFETCH(int, notches);
  ChartModel model;
  AddSine(model, 1, 100, 0.5);
  model.SetXInverted(x_inverted);
  QVERIFY(model.SetXLogarithmic(x_log));
  ChartView view(model);
  QObject::connect(&view, &ChartView::zoomChosen, &view,
                   [&model](const ZoomRect& rect) { model.Zoom(rect); });
  view.resize(500, 300);
  view.show();
  QVERIFY(QTest::qWaitForWindowExposed(&view));
  const ZoomRect before = view.displayedRange();
  ChartLayout layout = view.currentLayout();
  const QPointF at(layout.data.left() + layout.data.width() * 0.3,
                   layout.data.top() + layout.data.height() * 0.6);
  const double x_at = layout.x.FromPixel(at.x());
  const double y_at = layout.y.FromPixel(at.y());
  QWheelEvent wheel(at, view.mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(&view, &wheel);
  QVERIFY(model.zoom().has_value());
  const ZoomRect after = view.displayedRange();
  // The view got narrower (or wider), and the value under the pointer stayed under it.
  const double width_before =
      x_log ? std::log10(before.x_max / before.x_min) : before.x_max - before.x_min;
  const double width_after =
      x_log ? std::log10(after.x_max / after.x_min) : after.x_max - after.x_min;
  QCOMPARE(width_after<width_before, notches> 0);
  layout = view.currentLayout();
  QVERIFY(std::abs(layout.x.ToPixel(x_at) - at.x()) < 1);
  QVERIFY(std::abs(layout.y.ToPixel(y_at) - at.y()) < 1);
  // Undo zoom returns to the whole view.
  model.UndoZoom();
  QVERIFY(view.displayedRange() == before);
}

void ChartViewTest::panningMovesTheView_data() {
  QTest::addColumn<int>("button");
  QTest::addColumn<int>("modifiers");
  QTest::newRow("middle button") << int(Qt::MiddleButton) << int(Qt::NoModifier);
  QTest::newRow("Shift and the left button") << int(Qt::LeftButton) << int(Qt::ShiftModifier);
}

void ChartViewTest::panningMovesTheView() {
  QFETCH(int, button);
  QFETCH(int, modifiers);
  ChartModel model;
  AddSine(model, 0, 10, 0.05);
  ChartView view(model);
  view.setZoomAnimationMs(0);
  QObject::connect(&view, &ChartView::zoomChosen, &view,
                   [&model](const ZoomRect& rect) { model.Zoom(rect); });
  view.resize(500, 300);
  view.show();
  QVERIFY(QTest::qWaitForWindowExposed(&view));
  const ZoomRect before = view.displayedRange();
  const ChartLayout layout = view.currentLayout();
  const QPoint from = layout.data.center().toPoint();
  const QPoint to = from + QPoint(-100, 40);
  const double x_from = layout.x.FromPixel(from.x());
  const auto pressed = static_cast<Qt::MouseButton>(button);
  const auto held = static_cast<Qt::KeyboardModifiers>(modifiers);
  QTest::mousePress(&view, pressed, held, from);
  QMouseEvent move(QEvent::MouseMove, QPointF(to), view.mapToGlobal(QPointF(to)), Qt::NoButton,
                   pressed, held);
  QCoreApplication::sendEvent(&view, &move);
  QTest::mouseRelease(&view, pressed, held, to);
  const ZoomRect after = view.displayedRange();
  // The same width, moved so the value grabbed is now under the pointer: no rectangle zoom.
  QVERIFY(std::abs((after.x_max - after.x_min) - (before.x_max - before.x_min)) < 1e-9);
  QVERIFY(std::abs(view.currentLayout().x.ToPixel(x_from) - to.x()) < 1);
  QVERIFY(after.x_min > before.x_min);
  QVERIFY(after.y_max > before.y_max);
}

void ChartViewTest::axisLabelsReadableOnEveryBackColour_data() {
  QTest::addColumn<quint32>("back");  // 0x00BBGGRR
  QTest::newRow("white") << quint32(0xFFFFFF);
  QTest::newRow("black") << quint32(0x000000);
  QTest::newRow("dark blue") << quint32(0x402010);
}

void ChartViewTest::axisLabelsReadableOnEveryBackColour() {
  QFETCH(quint32, back);
  ChartModel model;
  AddSine(model, 0, 10, 0.05);
  model.SetBackgroundColor(back);
  const QImage image = Paint(model);
  const ChartLayout layout = Layout(model);
  const QColor background = quorvex::ToQColor(back);
  // The strongest contrast among the pixels of the y labels, left of the walls.
  double best = 1;
  for (int y = static_cast<int>(layout.front.top()); y < layout.front.bottom(); ++y) {
    for (int x = 0; x < layout.front.left() - 6; ++x) {
      best = std::max(best, quorvex::ContrastRatio(image.pixelColor(x, y), background));
    }
  }
  QVERIFY2(best >= 4.5, qPrintable(QString::number(best)));
}

QTEST_MAIN(ChartViewTest)
#include "chart_view_test.moc"
