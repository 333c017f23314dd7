#include "graph/value_table.h"

#include <cmath>
#include <cstring>
#include <limits>

#include "common/number_text.h"
#include "graph/chart_model.h"

namespace quorvex {
namespace {

constexpr std::string_view kRowSeparator = " <=> f(x): ";

// MaskedText appended to row; an empty pattern is FormatGeneral, written in place.
void AppendMasked(const MaskSettings& mask, long double value, std::string& row) {
  if (!mask.mask.empty()) {
    row += MaskedText(mask, value);
    return;
  }
  row += mask.prefix;
  AppendGeneral(value, row);
  row += mask.suffix;
}

// The number the text of a running value reads back as (0 for "NAN" and the like).
long double RunningValue(long double unwritten) {
  return GeneralReadBackInPlace(unwritten) ? unwritten : 0;
}

// The same encoding, so the same read-back (x87's 6 padding bytes are not compared).
bool SameBits(long double a, long double b) {
  constexpr size_t kBytes = std::numeric_limits<long double>::digits == 64 ? 10 : sizeof a;
  return std::memcmp(&a, &b, kBytes) == 0;
}

}  // namespace

void AppendPointRow(long double x, long double y, const MaskSettings& mask, std::string& out) {
  out += "x: ";
  AppendGeneral(x, out);
  out += kRowSeparator;
  AppendMasked(mask, y, out);
}

void AppendSignChangeRow(long double prev_x, long double x, const MaskSettings& mask,
                         std::string& out) {
  out += "x: ";
  AppendGeneral(prev_x, out);
  out += "<x<";
  AppendGeneral(x, out);
  out += kRowSeparator;
  AppendMasked(mask, 0, out);
}

std::string PointRow(long double x, long double y, const MaskSettings& mask) {
  std::string row;
  row.reserve(64);
  AppendPointRow(x, y, mask, row);
  return row;
}

size_t RowList::size() const { return every_point_ ? owner_->points.size() : entries_.size(); }

void RowList::AppendRow(size_t row, std::string& out) const {
  const PointRows& points = owner_->points;
  if (every_point_) {
    AppendPointRow(points.X(row), points.Y(row), owner_->mask, out);
    return;
  }
  const uint32_t entry = entries_[row];
  const size_t point = entry & ~kSignChange;
  if ((entry & kSignChange) != 0) {
    AppendSignChangeRow(points.X(point - 1), points.X(point), owner_->mask, out);
  } else {
    AppendPointRow(points.X(point), points.Y(point), owner_->mask, out);
  }
}

std::string RowList::operator[](size_t row) const {
  std::string text;
  AppendRow(row, text);
  return text;
}

RowList::operator std::vector<std::string>() const {
  std::vector<std::string> rows;
  rows.reserve(size());
  ForEachRow([&](const std::string& text) { rows.push_back(text); });
  return rows;
}

bool RowList::operator==(const std::vector<std::string>& rows) const {
  return static_cast<std::vector<std::string>>(*this) == rows;
}

void RowList::Append(size_t point, bool sign_change) {
  entries_.push_back(static_cast<uint32_t>(point) | (sign_change ? kSignChange : 0));
}

// A rising run replaces its single max row at every point.
void RowList::KeepOnly(size_t point) {
  entries_.resize(1);
  entries_[0] = static_cast<uint32_t>(point);
}

void RowList::Clear() { std::vector<uint32_t>().swap(entries_); }

void ValueTable::Clear() {
  trend_state = kLevel;
  sign_state = kAtZero;
  points.Clear();
  for (RowList* list : {&top, &max, &bottom, &min, &zero}) list->Clear();
}

void ValueTable::StartRows(const MaskSettings& run_mask, std::optional<long double> x_step,
                           size_t expected_rows) {
  Clear();
  mask = run_mask;
  points.Start(x_step);
  points.Reserve(expected_rows);
}

size_t ValueTable::BytesHeld() const {
  size_t bytes = points.BytesHeld();
  for (const RowList* list : {&top, &max, &bottom, &min, &zero}) bytes += list->BytesHeld();
  return bytes;
}

void ValueTable::AddToSumAndArea(long double y, size_t points_before) {
  AccumulateSumAndArea(y, points_before);
  WriteSumAndArea();
}

void ValueTable::AccumulateSumAndArea(long double y, size_t points_before) {
  if (points_before == 0) {
    area_unwritten = std::fabs(y);
    sum_unwritten = y;
  } else if (SameBits(area_unwritten, sum_unwritten)) {
    // Until a y below zero the area is the sum: one read-back serves both.
    const long double running = RunningValue(sum_unwritten);
    area_unwritten = running + std::fabs(y);
    sum_unwritten = running + y;
  } else {
    area_unwritten = RunningValue(area_unwritten) + std::fabs(y);
    sum_unwritten = RunningValue(sum_unwritten) + y;
  }
  sum_and_area_pending = true;
}

void ValueTable::WriteSumAndArea() {
  if (!sum_and_area_pending) return;
  AssignGeneral(area_unwritten, area);
  AssignGeneral(sum_unwritten, sum);
  sum_and_area_pending = false;
}

void ValueTable::AddTableRow(long double y, size_t points_now, const MaskSettings& row_mask) {
  const size_t point = points.size();
  if (point == 0) mask = row_mask;
  points.Add(current_x, y);
  if (points_now == 1) {
    prev_x = current_x;
    prev_y = y;
    max_y = y;
    min_y = y;
  }

  // The previous point is the row before this one.
  if (y < prev_y) {
    if (trend_state == kRising) top.Append(point - 1);
    trend_state = kFalling;
  } else if (y == prev_y) {
    trend_state = kLevel;
  } else if (y > prev_y) {
    if (trend_state == kFalling) bottom.Append(point - 1);
    trend_state = kRising;
  }

  if (y >= max_y) {
    if (y > max_y) {
      max.KeepOnly(point);
    } else {
      max.Append(point);
    }
    max_y = y;
  }
  if (y <= min_y) {
    if (y < min_y) {
      min.KeepOnly(point);
    } else {
      min.Append(point);
    }
    min_y = y;
  }

  if (y == 0) {
    zero.Append(point);
    sign_state = kAtZero;
  } else if (y > 0) {
    if (sign_state == kNegative) zero.Append(point, true);
    sign_state = kPositive;
  } else if (y < 0) {
    if (sign_state == kPositive) zero.Append(point, true);
    sign_state = kNegative;
  }

  prev_x = current_x;
  prev_y = y;
}

void ValueTable::FinishTableStats(const ChartSeries& series) {
  count = std::to_string(series.PointCount());
  minvalue = FormatGeneral(series.MinY());
  maxvalue = FormatGeneral(series.MaxY());
  tcount = std::to_string(top.size());
  maxcount = std::to_string(max.size());
  bcount = std::to_string(bottom.size());
  mincount = std::to_string(min.size());
  zcount = std::to_string(zero.size());
}

}  // namespace quorvex
