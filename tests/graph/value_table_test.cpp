#include "graph/value_table.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "graph/chart_model.h"

namespace quorvex {
namespace {

using Rows = std::vector<std::string>;

// Feeds f(x) values at x = 1, 2, ... the way a run does: sum and area before the point is
// added, the row after.
struct TableRun {
  ChartModel chart;
  ValueTable table;
  MaskSettings mask;

  void Feed(const std::vector<long double>& ys) {
    table.Clear();
    chart.ClearSeries();
    long double x = 1;
    for (long double y : ys) {
      table.AddToSumAndArea(y, chart.line().PointCount());
      chart.AddPoint(static_cast<double>(x), static_cast<double>(y));
      table.current_x = x;
      table.AddTableRow(y, chart.line().PointCount(), mask);
      x += 1;
    }
    table.FinishTableStats(chart.line());
  }
};

std::string Row(const char* x, const char* y) {
  return std::string("x: ") + x + " <=> f(x): = " + y;
}

// Values at x = 1, 2, ... and the rows of the statistics lists.
struct StatsRow {
  const char* name;
  std::vector<long double> ys;
  Rows top, max, bottom, min, zero;
};

class Statistics : public testing::TestWithParam<StatsRow> {};

TEST_P(Statistics, Lists) {
  const StatsRow& row = GetParam();
  TableRun run;
  run.Feed(row.ys);
  EXPECT_EQ(run.table.top, row.top);
  EXPECT_EQ(run.table.max, row.max);
  EXPECT_EQ(run.table.bottom, row.bottom);
  EXPECT_EQ(run.table.min, row.min);
  EXPECT_EQ(run.table.zero, row.zero);
  EXPECT_EQ(run.table.tcount, std::to_string(row.top.size()));
  EXPECT_EQ(run.table.maxcount, std::to_string(row.max.size()));
  EXPECT_EQ(run.table.bcount, std::to_string(row.bottom.size()));
  EXPECT_EQ(run.table.mincount, std::to_string(row.min.size()));
  EXPECT_EQ(run.table.zcount, std::to_string(row.zero.size()));
  EXPECT_EQ(run.table.table.size(), row.ys.size());
}

const StatsRow kStatsRows[] = {
    {"PeakReachedTwice",
     {1, 3, 1, 3, 1},
     {Row("2", "3"), Row("4", "3")},
     {Row("2", "3"), Row("4", "3")},
     {Row("3", "1")},
     {Row("1", "1"), Row("3", "1"), Row("5", "1")},
     {}},
    {"FlatTopIsNoTopPoint",
     {1, 3, 3, 1},
     {},
     {Row("2", "3"), Row("3", "3")},
     {},
     {Row("1", "1"), Row("4", "1")},
     {}},
    {"SignChangeBetweenTwoPoints",
     {2, -1},
     {},
     {Row("1", "2")},
     {},
     {Row("2", "-1")},
     {"x: 1<x<2 <=> f(x): = 0"}},
    {"ExactZeroHasItsRowAndNoSignChange",
     {1, 0, -1, 0, 2},
     {},
     {Row("5", "2")},
     {Row("3", "-1")},
     {Row("3", "-1")},
     {Row("2", "0"), Row("4", "0")}},
    {"ALargerValueEmptiesMax",
     {1, 3, 2, 5},
     {Row("2", "3")},
     {Row("4", "5")},
     {Row("3", "2")},
     {Row("1", "1")},
     {}},
    {"ConstantIsInBothMaxAndMin",
     {4, 4, 4},
     {},
     {Row("1", "4"), Row("2", "4"), Row("3", "4")},
     {},
     {Row("1", "4"), Row("2", "4"), Row("3", "4")},
     {}},
};

INSTANTIATE_TEST_SUITE_P(Rows, Statistics, testing::ValuesIn(kStatsRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ValueTable, RowsAndStatsBoxes) {
  TableRun run;
  run.Feed({2, -0.5L, 7});
  EXPECT_EQ(run.table.table, (Rows{Row("1", "2"), Row("2", "-0,5"), Row("3", "7")}));
  EXPECT_EQ(run.table.count, "3");
  EXPECT_EQ(run.table.maxvalue, "7");
  EXPECT_EQ(run.table.minvalue, "-0,5");
  EXPECT_EQ(run.table.sum, "8,5");
  EXPECT_EQ(run.table.area, "9,5");
}

TEST(ValueTable, RowsUseTheMaskInForce) {
  TableRun run;
  run.mask = {"<", "0.00", "> m"};
  run.Feed({1.5L, -2});
  EXPECT_EQ(run.table.table, (Rows{"x: 1 <=> f(x): <1,50> m", "x: 2 <=> f(x): <-2,00> m"}));
  EXPECT_EQ(run.table.zero, (Rows{"x: 1<x<2 <=> f(x): <0,00> m"}));
  EXPECT_EQ(run.table.maxvalue, "1,5");  // the statistics values are not masked
}

TEST(ValueTable, SumAndAreaAreKeptAsFifteenDigitTexts) {
  TableRun run;
  std::vector<long double> ys = {1};
  for (int i = 0; i < 10; ++i) ys.push_back(1E-15L);
  run.Feed(ys);
  EXPECT_EQ(run.table.sum, "1");  // every 1 + 1E-15 is rounded back to 1
  EXPECT_EQ(run.table.area, "1");

  run.Feed({-3, -4});  // a new run starts them anew
  EXPECT_EQ(run.table.sum, "-7");
  EXPECT_EQ(run.table.area, "7");
}

// A run accumulates the values and writes the texts once; the texts must be those of writing
// them at every point, including a NAN point (its text reads as 0 for the next step).
TEST(ValueTable, AccumulatedSumAndAreaWriteTheTextsOfEveryStep) {
  const long double nan = std::numeric_limits<long double>::quiet_NaN();
  const struct {
    const char* name;
    std::vector<long double> ys;
  } rows[] = {
      {"fifteen-digit rounding at every step", {1.0L / 3, 2.0L / 3, 1e-15L, 1e20L / 7, -1e20L / 7}},
      {"a NAN point restarts from 0", {2, nan, 3, -5}},
      {"huge values", {1e4000L, 1.18e4932L, -1e4000L}},
      {"whole numbers beyond 15 digits", {999999999999999, 999999999999999, 1, 7}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ValueTable every;
    ValueTable once;
    for (size_t i = 0; i < row.ys.size(); ++i) {
      every.AddToSumAndArea(row.ys[i], i);
      once.AccumulateSumAndArea(row.ys[i], i);
      ValueTable written = once;
      written.WriteSumAndArea();
      EXPECT_EQ(written.sum, every.sum) << i;
      EXPECT_EQ(written.area, every.area) << i;
    }
    once.WriteSumAndArea();
    EXPECT_FALSE(once.sum_and_area_pending);
    once.sum = "kept";
    once.WriteSumAndArea();  // nothing new: the texts stay
    EXPECT_EQ(once.sum, "kept");
  }
}

TEST(ValueTable, ClearEmptiesTheListsAndKeepsTheOtherBoxes) {
  TableRun run;
  run.Feed({2, -1, 3});
  run.table.Clear();
  EXPECT_TRUE(run.table.table.empty());
  EXPECT_TRUE(run.table.max.empty());
  EXPECT_TRUE(run.table.zero.empty());
  EXPECT_TRUE(run.table.bottom.empty());
  EXPECT_EQ(run.table.trend_state, ValueTable::kLevel);
  EXPECT_EQ(run.table.sign_state, ValueTable::kAtZero);
  EXPECT_EQ(run.table.sum, "4");
  EXPECT_EQ(run.table.count, "3");
}

}  // namespace
}  // namespace quorvex
