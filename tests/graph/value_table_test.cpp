#include "graph/value_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <iterator>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "common/number_text.h"
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
struct SumRow {
  const char* name;
  std::vector<long double> ys;
};

class AccumulatedSumAndArea : public testing::TestWithParam<SumRow> {};

TEST_P(AccumulatedSumAndArea, WriteTheTextsOfEveryStep) {
  const SumRow& row = GetParam();
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

const SumRow kSumRows[] = {
    {"FifteenDigitRoundingAtEveryStep", {1.0L / 3, 2.0L / 3, 1e-15L, 1e20L / 7, -1e20L / 7}},
    {"ANanPointRestartsFromZero", {2, std::numeric_limits<long double>::quiet_NaN(), 3, -5}},
    {"HugeValues", {1e4000L, 1.18e4932L, -1e4000L}},
    {"WholeNumbersBeyondFifteenDigits", {999999999999999, 999999999999999, 1, 7}},
};

INSTANTIATE_TEST_SUITE_P(Rows, AccumulatedSumAndArea, testing::ValuesIn(kSumRows),
                         [](const auto& info) { return std::string(info.param.name); });

// The area and the sum share one read-back while they are equal: both must be, bit for bit,
// what reading each back separately gives, over long runs that stay positive, touch -0 and 0,
// turn negative, or meet NAN, infinity, tiny and huge values.
TEST(ValueTable, SharedReadBackOfSumAndAreaMatchesSeparateReadBacks) {
  auto read_back = [](long double value) { return GeneralReadBackInPlace(value) ? value : 0; };
  auto same = [](long double a, long double b) {
    return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
  };
  std::mt19937_64 random(20);
  const long double specials[] = {0.0L,
                                  -0.0L,
                                  std::numeric_limits<long double>::quiet_NaN(),
                                  std::numeric_limits<long double>::infinity(),
                                  std::numeric_limits<long double>::denorm_min(),
                                  1e-4000L,
                                  1e4000L,
                                  999999999999999.0L};
  for (int run = 0; run < 200; ++run) {
    SCOPED_TRACE(run);
    const bool positive_only = run % 2 == 0;
    const int length = 1 + static_cast<int>(random() % 300);
    ValueTable table;
    long double area = 0;
    long double sum = 0;
    for (int i = 0; i < length; ++i) {
      long double y;
      const uint64_t pick = random() % 16;
      if (pick == 0) {
        y = specials[random() % std::size(specials)];
      } else {
        const long double magnitude = std::ldexp(static_cast<long double>(random()) / 0x1p64L,
                                                 static_cast<int>(random() % 140) - 70);
        y = positive_only || pick % 2 == 0 ? magnitude : -magnitude;
      }
      table.AccumulateSumAndArea(y, static_cast<size_t>(i));
      area = i == 0 ? std::fabs(y) : read_back(area) + std::fabs(y);
      sum = i == 0 ? y : read_back(sum) + y;
      ASSERT_TRUE(same(table.area_unwritten, area)) << i;
      ASSERT_TRUE(same(table.sum_unwritten, sum)) << i;
    }
  }
}

// The rows as they were built when every row was text made at once during the run.
struct EagerTable {
  Rows table, top, max, bottom, min, zero;
  long double prev_x = 0, prev_y = 0, max_y = 0, min_y = 0;
  int trend = 0, sign = 0;

  void Add(long double x, long double y, const MaskSettings& mask) {
    table.push_back(PointRow(x, y, mask));
    const std::string& row = table.back();
    if (table.size() == 1) prev_x = x, prev_y = y, max_y = y, min_y = y;
    if (y < prev_y) {
      if (trend == 2) top.push_back(PointRow(prev_x, prev_y, mask));
      trend = 1;
    } else if (y == prev_y) {
      trend = 0;
    } else if (y > prev_y) {
      if (trend == 1) bottom.push_back(PointRow(prev_x, prev_y, mask));
      trend = 2;
    }
    if (y >= max_y) {
      if (y > max_y) max.clear();
      max.push_back(row);
      max_y = y;
    }
    if (y <= min_y) {
      if (y < min_y) min.clear();
      min.push_back(row);
      min_y = y;
    }
    const std::string change = "x: " + FormatGeneral(prev_x) + "<x<" + FormatGeneral(x) +
                               " <=> f(x): " + MaskedText(mask, 0);
    if (y == 0) {
      zero.push_back(row);
      sign = 0;
    } else if (y > 0) {
      if (sign == 1) zero.push_back(change);
      sign = 2;
    } else if (y < 0) {
      if (sign == 2) zero.push_back(change);
      sign = 1;
    }
    prev_x = x;
    prev_y = y;
  }
};

// Rows formatted when read must read exactly as rows made at once: over thousands of values of
// every kind (plateaus, zeros, sign changes, tiny, huge, infinite, NAN), several masks, and x
// made by a run's additions, given freely, or breaking the additions half way.
TEST(ValueTable, RowsReadExactlyAsRowsMadeDuringTheRun) {
  const MaskSettings masks[] = {
      {},
      {"<", "0.00", "> m"},
      {"", "#,##0.###", ""},
      {"f = ", "0.000E+00", " units"},
  };
  enum XKind { kRunSteps, kFree, kStepsBroken };
  std::mt19937_64 random(18);
  const long double specials[] = {0,
                                  0,
                                  -0.0L,
                                  1e-300L,
                                  -7e-12L,
                                  1e4000L,
                                  -1e4000L,
                                  std::numeric_limits<long double>::infinity(),
                                  std::numeric_limits<long double>::quiet_NaN()};
  for (const MaskSettings& mask : masks) {
    for (const XKind kind : {kRunSteps, kFree, kStepsBroken}) {
      SCOPED_TRACE(mask.prefix + mask.mask + mask.suffix + " x kind " + std::to_string(kind));
      const long double step = kind == kFree ? 0 : 0.1L;
      ValueTable table;
      table.sum = "kept";
      if (kind == kFree) {
        table.StartRows(mask, std::nullopt, 10);
      } else {
        table.StartRows(mask, step, 10);
      }
      EagerTable eager;
      long double x = -250;
      long double y = 0;
      for (size_t i = 0; i < 5000; ++i) {
        const uint64_t r = random();
        switch (r % 8) {
          case 0:
            break;  // the same value again
          case 1:
            y = specials[(r >> 8) % std::size(specials)];
            break;
          case 2:
            y = -y;
            break;
          default:
            y = std::ldexp(static_cast<long double>(static_cast<int64_t>(r >> 11)) / (1LL << 52),
                           static_cast<int>((r >> 3) % 40) - 20);
        }
        table.current_x = x;
        table.AddTableRow(y, i + 1, mask);
        eager.Add(x, y, mask);
        if (kind == kFree) {
          x = std::ldexp(static_cast<long double>(random() % 1000000) - 500000, -7);
        } else if (kind == kStepsBroken && i == 3000) {
          x += step / 3;
        } else {
          x += step;
        }
      }
      EXPECT_EQ(static_cast<Rows>(table.table), eager.table);
      EXPECT_EQ(static_cast<Rows>(table.top), eager.top);
      EXPECT_EQ(static_cast<Rows>(table.max), eager.max);
      EXPECT_EQ(static_cast<Rows>(table.bottom), eager.bottom);
      EXPECT_EQ(static_cast<Rows>(table.min), eager.min);
      EXPECT_EQ(static_cast<Rows>(table.zero), eager.zero);
      ASSERT_FALSE(eager.zero.empty());
      EXPECT_EQ(table.table[4321], eager.table[4321]);  // read one at a time as well
      EXPECT_EQ(table.zero.back(), eager.zero.back());
      EXPECT_EQ(table.sum, "kept");

      const ValueTable copy = table;  // a copy reads its own points
      table.Clear();
      EXPECT_EQ(static_cast<Rows>(copy.zero), eager.zero);
    }
  }
}

TEST(ValueTable, RunRowsTakeFewBytes) {
  ValueTable table;
  const size_t rows = 100000;
  table.StartRows(MaskSettings{}, 0.01L, rows);
  long double x = 0;
  for (size_t i = 0; i < rows; ++i) {
    table.current_x = x;
    table.AddTableRow(std::sin(static_cast<long double>(i)), i + 1, MaskSettings{});
    x += 0.01L;
  }
  // Ten bytes of f(x) per row, x every 64th row, and the statistics lists (a top and a bottom
  // about every six rows, in vectors that may hold twice their rows).
  EXPECT_LE(table.BytesHeld(), rows * 16);
  table.Clear();
  EXPECT_EQ(table.BytesHeld(), 0u);
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
