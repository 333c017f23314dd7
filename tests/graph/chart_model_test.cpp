#include "graph/chart_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quorvex {
namespace {

TEST(ChartSeries, KeepsPointsInXOrderWithTheirExtremes) {
  ChartModel chart;
  chart.SetSeriesColor(255);
  chart.AddPoint(1, 5);
  chart.AddPoint(3, -2);
  chart.AddPoint(2, 7);  // out of order: inserted between
  chart.AddPoint(3, 0);  // an equal x goes after the earlier one
  const std::vector<ChartPoint>& points = chart.line().points();
  ASSERT_EQ(chart.line().PointCount(), 4u);
  const double xs[] = {1, 2, 3, 3};
  const double ys[] = {5, 7, -2, 0};
  for (size_t i = 0; i < points.size(); ++i) {
    EXPECT_EQ(points[i].x, xs[i]) << i;
    EXPECT_EQ(points[i].y, ys[i]) << i;
    EXPECT_TRUE(chart.line().Look(i).IsDefault()) << i;  // the series' own colour
  }
  EXPECT_EQ(chart.line().MinY(), -2);
  EXPECT_EQ(chart.line().MaxY(), 7);

  chart.ClearSeries();
  EXPECT_EQ(chart.line().PointCount(), 0u);
  chart.AddPoint(4, 9);
  EXPECT_EQ(chart.line().MinY(), 9);  // extremes start anew after a clear
  EXPECT_EQ(chart.line().MaxY(), 9);
}

// Only points with their own label or colour make the series keep looks, and each look stays
// with its point when a later point is inserted before it.
TEST(ChartSeries, KeepsALookOnlyWhereOneIsGivenAndWithItsPoint) {
  ChartSeries series;
  series.AddPoint(1, 1);
  series.AddPoint(3, 3);
  const size_t plain_bytes = series.BytesHeld();
  EXPECT_LE(plain_bytes, series.points().capacity() * 2 * sizeof(double));
  series.AddPoint(4, 4, PointLook{.label = "four", .color = 255});
  series.AddPoint(2, 2);  // inserted before the labelled point
  ASSERT_EQ(series.PointCount(), 4u);
  EXPECT_TRUE(series.Look(0).IsDefault());
  EXPECT_TRUE(series.Look(1).IsDefault());
  EXPECT_TRUE(series.Look(2).IsDefault());
  EXPECT_EQ(series.Look(3).label, "four");
  EXPECT_EQ(series.Look(3).color, 255u);
  series.Clear();
  series.AddPoint(5, 5);
  EXPECT_TRUE(series.Look(0).IsDefault());
}

TEST(ChartModel, DefaultsAreTheChartsFixedDesign) {
  const ChartModel chart;
  EXPECT_TRUE(chart.x_axis().automatic());
  EXPECT_TRUE(chart.y_axis().automatic());
  EXPECT_FALSE(chart.x_axis().grid_visible());
  EXPECT_EQ(chart.y_axis().grid_color(), 13158600u);
  EXPECT_EQ(chart.series_color(), 15102720u);
  EXPECT_EQ(chart.marker_fill_color(), 13158600u);
  EXPECT_FALSE(chart.markers_visible());
  EXPECT_FALSE(chart.view_3d());
  EXPECT_EQ(chart.percent_3d(), 10);
  EXPECT_FALSE(chart.zoom().has_value());
}

// One axis operation after a set-up, and whether the chart takes it.
struct AxisRow {
  const char* name;
  bool automatic;               // before the operation
  double minimum, maximum;      // fixed limits set first (ignored while automatic)
  std::vector<double> data_ys;  // points of a previous run
  enum Op { kMax, kMin, kLog } op;
  double value;
  bool accepted;
};

class AxisRefusals : public testing::TestWithParam<AxisRow> {};

TEST_P(AxisRefusals, OnTheYAxis) {
  const AxisRow& row = GetParam();
  ChartModel chart;
  for (size_t i = 0; i < row.data_ys.size(); ++i) chart.AddPoint(double(i), row.data_ys[i]);
  if (!row.automatic) {
    chart.SetYAutomatic(false);
    ASSERT_TRUE(chart.SetYMaximum(row.maximum));
    ASSERT_TRUE(chart.SetYMinimum(row.minimum));
  }
  const double min_before = chart.YMinimum();
  const double max_before = chart.YMaximum();
  bool accepted = false;
  switch (row.op) {
    case AxisRow::kMax:
      accepted = chart.SetYMaximum(row.value);
      break;
    case AxisRow::kMin:
      accepted = chart.SetYMinimum(row.value);
      break;
    case AxisRow::kLog:
      accepted = chart.SetYLogarithmic(row.value != 0);
      break;
  }
  EXPECT_EQ(accepted, row.accepted);
  if (!accepted) {  // a refusal changes nothing
    EXPECT_EQ(chart.YMinimum(), min_before);
    EXPECT_EQ(chart.YMaximum(), max_before);
    EXPECT_FALSE(chart.y_axis().logarithmic());
  }
}

const AxisRow kAxisRows[] = {
    {"MaximumAboveMinimum", false, 0, 10, {}, AxisRow::kMax, 30, true},
    {"MaximumEqualToMinimum", false, 0, 10, {}, AxisRow::kMax, 0, true},
    {"MaximumBelowMinimumRefused", false, 0, 10, {}, AxisRow::kMax, -5, false},
    {"MinimumAboveMaximumRefused", false, 0, 10, {}, AxisRow::kMin, 11, false},
    {"MinimumBelowMaximum", false, 0, 10, {}, AxisRow::kMin, -3, true},
    {"LogOverPositiveLimits", false, 1, 10, {}, AxisRow::kLog, 1, true},
    {"LogOverNegativeLimitsRefused", false, -1, 10, {}, AxisRow::kLog, 1, false},
    {"LogOffIsNeverRefused", false, -1, 10, {}, AxisRow::kLog, 0, true},
    {"LogAutomaticWithoutDataTakesIt", true, 0, 0, {}, AxisRow::kLog, 1, true},
    {"LogAutomaticOverPositiveData", true, 0, 0, {1, 4}, AxisRow::kLog, 1, true},
    {"LogAutomaticOverDataBelowZeroRefused", true, 0, 0, {2, -1}, AxisRow::kLog, 1, false},
    {"AutomaticMaximumTestedAgainstTheData", true, 0, 0, {5, 8}, AxisRow::kMax, 4, false},
};

INSTANTIATE_TEST_SUITE_P(Rows, AxisRefusals, testing::ValuesIn(kAxisRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChartAxis, TurningAutomaticOffKeepsTheShownRange) {
  ChartModel chart;
  chart.AddPoint(1, 2);
  chart.AddPoint(10, 6);
  chart.SetXAutomatic(false);
  EXPECT_EQ(chart.x_axis().minimum(), 1);
  EXPECT_EQ(chart.x_axis().maximum(), 10);
  chart.ClearSeries();
  EXPECT_EQ(chart.XMinimum(), 1);  // fixed limits do not follow the data
}

struct PercentRow {
  const char* name;
  int percent;
  bool accepted;
};

class ThreeDPercent : public testing::TestWithParam<PercentRow> {};

TEST_P(ThreeDPercent, OutsideOneToHundredIsRefused) {
  const PercentRow& row = GetParam();
  ChartModel chart;
  EXPECT_EQ(chart.Set3DPercent(row.percent), row.accepted);
  EXPECT_EQ(chart.percent_3d(), row.accepted ? row.percent : 10);
}

const PercentRow kPercentRows[] = {
    {"ZeroRefused", 0, false},
    {"OneIsTheLowest", 1, true},
    {"Five", 5, true},
    {"HundredIsTheHighest", 100, true},
    {"AboveHundredRefused", 101, false},
    {"NegativeRefused", -5, false},
};

INSTANTIATE_TEST_SUITE_P(Rows, ThreeDPercent, testing::ValuesIn(kPercentRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ChartModel, UndoZoomReturnsToTheUnzoomedView) {
  ChartModel chart;
  chart.Zoom({1, 2, 3, 4});
  ASSERT_TRUE(chart.zoom().has_value());
  EXPECT_EQ(*chart.zoom(), (ZoomRect{1, 2, 3, 4}));
  chart.UndoZoom();
  EXPECT_FALSE(chart.zoom().has_value());
}

}  // namespace
}  // namespace quorvex
