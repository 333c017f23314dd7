#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "graph/point_rows.h"
#include "settings/mask_settings.h"

namespace quorvex {

class ChartSeries;
struct ValueTable;

// One list box of the table and statistics window. It holds which points its rows show, not
// their texts: a row is formatted when it is read, from the stored x and f(x) and the mask of
// the run, and reads exactly as a row made during the run would.
class RowList {
 public:
  // Copies the rows; the list stays part of its own table.
  RowList& operator=(const RowList& other) {
    every_point_ = other.every_point_;
    entries_ = other.entries_;
    return *this;
  }
  RowList(const RowList&) = delete;

  size_t size() const;
  bool empty() const { return size() == 0; }
  std::string operator[](size_t row) const;
  std::string front() const { return (*this)[0]; }
  std::string back() const { return (*this)[size() - 1]; }
  // Appends the text of row to out.
  void AppendRow(size_t row, std::string& out) const;
  // Calls visit(text) for every row in order, reusing one buffer.
  template <typename Visit>
  void ForEachRow(Visit visit) const;
  // Every row as text; for tests and small lists.
  operator std::vector<std::string>() const;  // NOLINT(google-explicit-constructor)
  bool operator==(const std::vector<std::string>& rows) const;

  size_t BytesHeld() const { return entries_.capacity() * sizeof(uint32_t); }

 private:
  friend struct ValueTable;
  static constexpr uint32_t kSignChange = 0x80000000u;  // between the point before and this one

  explicit RowList(const ValueTable* owner, bool every_point)
      : owner_(owner), every_point_(every_point) {}
  void Append(size_t point, bool sign_change = false);
  void KeepOnly(size_t point);
  void Clear();

  const ValueTable* owner_;
  bool every_point_;               // the table: row i is point i
  std::vector<uint32_t> entries_;  // the other lists: point index, with kSignChange
};

// The value table and its statistics: the rows of the table and statistics window's lists and
// the texts of its other boxes. The run updates the sum and area for every x, adds a row for
// every x while tscheck is on and finishes the statistics once after the loop.
struct ValueTable {
  enum Trend { kLevel = 0, kFalling = 1, kRising = 2 };
  enum Sign { kAtZero = 0, kNegative = 1, kPositive = 2 };

  ValueTable() = default;
  // The lists read the points of the table that holds them, so a copy is built and assigned.
  ValueTable(const ValueTable& other) { *this = other; }
  ValueTable& operator=(const ValueTable&) = default;

  // Trackers, kept between rows.
  long double current_x = 0;
  long double prev_x = 0;
  long double prev_y = 0;
  long double max_y = 0;
  long double min_y = 0;
  int trend_state = kLevel;
  int sign_state = kAtZero;

  // The x and f(x) of every table row, and the mask they are shown with.
  PointRows points;
  MaskSettings mask;

  // The boxes, under their own names.
  RowList table{this, true};
  std::string count;
  std::string maxvalue;
  std::string minvalue;
  std::string sum;
  std::string area;
  RowList top{this, false};
  std::string tcount;
  RowList max{this, false};
  std::string maxcount;
  RowList bottom{this, false};
  std::string bcount;
  RowList min{this, false};
  std::string mincount;
  RowList zero{this, false};
  std::string zcount;

  // The run's clear: empties the six lists and resets both states; sum, area and the counts
  // stay until they are written again.
  void Clear();
  // Clear, then take the mask the run's rows are shown with; x_step is the run's increment,
  // expected_rows the number of rows it will likely add.
  void StartRows(const MaskSettings& run_mask, std::optional<long double> x_step,
                 size_t expected_rows);

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
  // The row is shown with mask, which must stay the mask of the rows already added.
  void AddTableRow(long double y, size_t points_now, const MaskSettings& row_mask);

  // The counts and the extremes of the series.
  void FinishTableStats(const ChartSeries& series);

  // The bytes the rows and lists occupy.
  size_t BytesHeld() const;
};

// "x: " + x + " <=> f(x): " + the masked y.
std::string PointRow(long double x, long double y, const MaskSettings& mask);
void AppendPointRow(long double x, long double y, const MaskSettings& mask, std::string& out);
// "x: " + prev_x + "<x<" + x + " <=> f(x): " + the masked 0.
void AppendSignChangeRow(long double prev_x, long double x, const MaskSettings& mask,
                         std::string& out);

template <typename Visit>
void RowList::ForEachRow(Visit visit) const {
  std::string text;
  if (every_point_) {
    owner_->points.ForEach(0, owner_->points.size(), [&](size_t, long double x, long double y) {
      text.clear();
      AppendPointRow(x, y, owner_->mask, text);
      visit(static_cast<const std::string&>(text));
    });
    return;
  }
  for (size_t row = 0; row < entries_.size(); ++row) {
    text.clear();
    AppendRow(row, text);
    visit(static_cast<const std::string&>(text));
  }
}

}  // namespace quorvex
