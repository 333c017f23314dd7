#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "settings/mask_settings.h"

namespace quorvex {

class ChartSeries;

// The value table and its statistics, as the texts of the table and statistics window's boxes.
// The run updates the sum and area for every x, adds a row for every x while tscheck is on and
// finishes the statistics once after the loop. Rows are built at once with the mask in force.
struct ValueTable {
  enum Trend { kLevel = 0, kFalling = 1, kRising = 2 };
  enum Sign { kAtZero = 0, kNegative = 1, kPositive = 2 };

  // Trackers, kept between rows.
  long double current_x = 0;
  long double prev_x = 0;
  long double prev_y = 0;
  long double max_y = 0;
  long double min_y = 0;
  int trend_state = kLevel;
  int sign_state = kAtZero;

  // The boxes, under their own names.
  std::vector<std::string> table;
  std::string count;
  std::string maxvalue;
  std::string minvalue;
  std::string sum;
  std::string area;
  std::vector<std::string> top;
  std::string tcount;
  std::vector<std::string> max;
  std::string maxcount;
  std::vector<std::string> bottom;
  std::string bcount;
  std::vector<std::string> min;
  std::string mincount;
  std::vector<std::string> zero;
  std::string zcount;

  // The run's clear: empties the six lists and resets both states; sum, area and the counts
  // stay until they are written again.
  void Clear();

  // The running sum and area as calculated, before their 15-digit texts are written. Each
  // step adds to what the written texts read back as.
  long double sum_unwritten = 0;
  long double area_unwritten = 0;
  bool sum_and_area_pending = false;  // the texts lag behind the values

  // The running sum and area, kept as 15-digit texts; points_before is the number of points
  // the series held before this one (0 starts them anew).
  void AddToSumAndArea(long double y, size_t points_before);
  // The same without writing the texts, for a run that writes them once at its end.
  void AccumulateSumAndArea(long double y, size_t points_before);
  // Writes the texts of the accumulated sum and area, if they lag behind.
  void WriteSumAndArea();

  // One row for y at current_x; points_now is the series' point count after adding the point.
  void AddTableRow(long double y, size_t points_now, const MaskSettings& mask);

  // The counts and the extremes of the series.
  void FinishTableStats(const ChartSeries& series);
};

// "x: " + x + " <=> f(x): " + the masked y.
std::string PointRow(long double x, long double y, const MaskSettings& mask);

}  // namespace quorvex
