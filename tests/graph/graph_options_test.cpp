#include "graph/graph_options.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

namespace quorvex {
namespace {

constexpr const char* kScales = "One or more errors occurred in (Tools/Graph options/Scales)";
constexpr const char* kVisuals = "One or more errors occurred in (Tools/Graph options/Visuals)";

struct WholeNumberRow {
  const char* name;
  const char* text;
  std::optional<int32_t> value;
};

class ParseWholeNumberRows : public testing::TestWithParam<WholeNumberRow> {};

TEST_P(ParseWholeNumberRows, TakesOnlyWholeDecimalNumbers) {
  const WholeNumberRow& row = GetParam();
  EXPECT_EQ(ParseWholeNumber(row.text), row.value) << row.text;
}

const WholeNumberRow kWholeNumberRows[] = {
    {"Positive", "10", 10},
    {"Negative", "-7", -7},
    {"PlusSign", "+3", 3},
    {"LeadingBlank", " 4", 4},
    {"DecimalCommaRefused", "1,5", std::nullopt},
    {"DecimalPointRefused", "1.5", std::nullopt},
    {"EmptyRefused", "", std::nullopt},
    {"LoneMinusRefused", "-", std::nullopt},
    {"TrailingBlankRefused", "4 ", std::nullopt},
    {"ExponentRefused", "1E3", std::nullopt},
    {"LargestInt32", "2147483647", 2147483647},
    {"SmallestInt32", "-2147483648", -2147483647 - 1},
    {"AboveInt32Refused", "2147483648", std::nullopt},
    {"FarBeyondRefused", "99999999999999999999", std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Rows, ParseWholeNumberRows, testing::ValuesIn(kWholeNumberRows),
                         [](const auto& info) { return std::string(info.param.name); });

// Settings changed from the defaults, and what the chart set-up says.
struct OptionsRow {
  const char* name;
  std::function<void(GraphSettings&)> change;
  const char* answer;  // empty: applied
};

class ApplyOptions : public testing::TestWithParam<OptionsRow> {};

TEST_P(ApplyOptions, Outcome) {
  const OptionsRow& row = GetParam();
  GraphSettings settings;
  row.change(settings);
  ChartModel chart;
  std::string answer;
  EXPECT_EQ(ApplyGraphOptions(settings, chart, answer), std::string(row.answer).empty());
  EXPECT_EQ(answer, row.answer);
}

const OptionsRow kOptionsRows[] = {
    {"Defaults", [](GraphSettings&) {}, ""},
    {"FixedLimits", [](GraphSettings& s) { s.xautocheck = s.yautocheck = false; }, ""},
    {"LimitNotWhole",
     [](GraphSettings& s) {
       s.xautocheck = false;
       s.xmin = "1,5";
     },
     kScales},
    {"YLimitNotANumber",
     [](GraphSettings& s) {
       s.yautocheck = false;
       s.ymax = "ten";
     },
     kScales},
    {"LimitIgnoredWhileAutomatic", [](GraphSettings& s) { s.xmin = "1,5"; }, ""},
    {"MinimumAboveMaximum",
     [](GraphSettings& s) {
       s.xautocheck = false;
       s.xmax = "-10";
       s.xmin = "-5";
     },
     kScales},
    {"LogarithmicOverNegativeLimits",
     [](GraphSettings& s) {
       s.yautocheck = false;
       s.ymin = "-1";
       s.ylogcheck = true;
     },
     kScales},
    {"LogarithmicOverPositiveLimits",
     [](GraphSettings& s) {
       s.yautocheck = false;
       s.ymin = "1";
       s.ylogcheck = true;
     },
     ""},
    {"ThreeDPercentZero",
     [](GraphSettings& s) {
       s.dcheck = true;
       s.percent = "0";
     },
     kVisuals},
    {"ThreeDPercentNotANumber",
     [](GraphSettings& s) {
       s.dcheck = true;
       s.percent = "ten";
     },
     kVisuals},
    {"ThreeDPercentIgnoredWhileOff", [](GraphSettings& s) { s.percent = "0"; }, ""},
    {"ScalesBeforeVisuals",
     [](GraphSettings& s) {
       s.xautocheck = false;
       s.xmax = "x";
       s.dcheck = true;
       s.percent = "0";
     },
     kScales},
};

INSTANTIATE_TEST_SUITE_P(Rows, ApplyOptions, testing::ValuesIn(kOptionsRows),
                         [](const auto& info) { return std::string(info.param.name); });

// Fixed limits are checked as a pair, whatever range the previous run left on the axis.
struct LimitsRow {
  const char* name;
  std::optional<std::pair<int, int>> before;  // fixed limits applied first; none: a fresh chart
  int min;
  int max;
  bool accepted;
};

// A row on one axis: true for the x axis.
class FixedLimits : public testing::TestWithParam<std::tuple<LimitsRow, bool>> {};

TEST_P(FixedLimits, AreCheckedAsAPair) {
  const auto& [row, x_axis] = GetParam();
  ChartModel chart;
  GraphSettings settings;
  std::string& low = x_axis ? settings.xmin : settings.ymin;
  std::string& high = x_axis ? settings.xmax : settings.ymax;
  (x_axis ? settings.xautocheck : settings.yautocheck) = false;
  std::string answer;
  if (row.before) {
    low = std::to_string(row.before->first);
    high = std::to_string(row.before->second);
    ASSERT_TRUE(ApplyGraphOptions(settings, chart, answer)) << answer;
  }
  const double old_min = x_axis ? chart.XMinimum() : chart.YMinimum();
  const double old_max = x_axis ? chart.XMaximum() : chart.YMaximum();
  low = std::to_string(row.min);
  high = std::to_string(row.max);
  answer.clear();
  EXPECT_EQ(ApplyGraphOptions(settings, chart, answer), row.accepted);
  EXPECT_EQ(answer, row.accepted ? "" : kScales);
  EXPECT_EQ(x_axis ? chart.XMinimum() : chart.YMinimum(), row.accepted ? row.min : old_min);
  EXPECT_EQ(x_axis ? chart.XMaximum() : chart.YMaximum(), row.accepted ? row.max : old_max);
}

const LimitsRow kLimitsRows[] = {
    {"UpFromZeroToTen", std::pair(0, 10), 20, 30, true},
    {"DownFromTwentyToThirty", std::pair(20, 30), 0, 10, true},
    {"AllNegativeOnAFreshChart", std::nullopt, -10, -5, true},
    {"AllNegativeAfterAPositiveRange", std::pair(0, 10), -10, -5, true},
    {"ASinglePoint", std::pair(0, 10), 7, 7, true},
    {"MinimumAboveMaximum", std::pair(0, 10), 6, 5, false},
    {"MinimumAboveMaximumOnAFreshChart", std::nullopt, 1, -1, false},
};

INSTANTIATE_TEST_SUITE_P(Rows, FixedLimits,
                         testing::Combine(testing::ValuesIn(kLimitsRows), testing::Bool()),
                         [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  (std::get<1>(info.param) ? "_XAxis" : "_YAxis");
                         });

TEST(ApplyGraphOptions, AutomaticLogarithmicAxisIsTestedAgainstThePreviousPoints) {
  ChartModel chart;
  GraphSettings settings;
  settings.ylogcheck = true;
  std::string answer;
  EXPECT_TRUE(ApplyGraphOptions(settings, chart, answer));  // no points yet: no refusal
  chart.AddPoint(1, -0.5);
  EXPECT_FALSE(ApplyGraphOptions(settings, chart, answer));
  EXPECT_EQ(answer, kScales);
}

TEST(ApplyGraphOptions, EverySettingReachesTheChart) {
  GraphSettings s;
  s.xinvcheck = s.yinvcheck = s.scheck = s.pcheck = s.hgcheck = s.vgcheck = s.dcheck = true;
  s.gcolor = 1;
  s.bcolor = 2;
  s.grcolor = 3;
  s.pcolor = 4;
  s.percent = "5";
  ChartModel chart;
  std::string answer;
  ASSERT_TRUE(ApplyGraphOptions(s, chart, answer));
  EXPECT_TRUE(chart.x_axis().inverted());
  EXPECT_TRUE(chart.y_axis().inverted());
  EXPECT_TRUE(chart.stairs());
  EXPECT_TRUE(chart.markers_visible());
  EXPECT_TRUE(chart.y_axis().grid_visible());  // horizontal lines
  EXPECT_TRUE(chart.x_axis().grid_visible());  // vertical lines
  EXPECT_EQ(chart.series_color(), 1u);
  EXPECT_EQ(chart.background_color(), 2u);
  EXPECT_EQ(chart.x_axis().grid_color(), 3u);  // one grid colour for both axes
  EXPECT_EQ(chart.y_axis().grid_color(), 3u);
  EXPECT_EQ(chart.marker_fill_color(), 4u);
  EXPECT_TRUE(chart.view_3d());
  EXPECT_EQ(chart.percent_3d(), 5);

  s.dcheck = false;
  s.percent = "50";
  ASSERT_TRUE(ApplyGraphOptions(s, chart, answer));
  EXPECT_FALSE(chart.view_3d());
  EXPECT_EQ(chart.percent_3d(), 5);  // 3D off leaves the percent as it was
}

TEST(ApplyGraphOptions, WhatWasAppliedBeforeARefusalStays) {
  GraphSettings s;
  s.xinvcheck = true;
  s.yautocheck = false;
  s.ymax = "1,5";
  s.scheck = true;
  ChartModel chart;
  std::string answer;
  EXPECT_FALSE(ApplyGraphOptions(s, chart, answer));
  EXPECT_TRUE(chart.x_axis().inverted());    // before the failure
  EXPECT_FALSE(chart.y_axis().automatic());  // the failing step had begun
  EXPECT_FALSE(chart.stairs());              // the Visuals block never ran

  s.ymax = "10";
  s.dcheck = true;
  s.percent = "0";
  EXPECT_FALSE(ApplyGraphOptions(s, chart, answer));
  EXPECT_EQ(answer, kVisuals);
  EXPECT_TRUE(chart.stairs());
  EXPECT_TRUE(chart.view_3d());  // 3D goes on before its percent is refused
  EXPECT_EQ(chart.percent_3d(), 10);
}

}  // namespace
}  // namespace quorvex
