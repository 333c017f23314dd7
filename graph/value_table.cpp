#include "graph/value_table.h"

#include <cmath>

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

// rows = {row}, reusing the storage of the first old row: a rising run replaces its single
// max row at every point.
void KeepOnly(std::vector<std::string>& rows, const std::string& row) {
  rows.resize(1);
  rows[0] = row;
}

// The sign-change row between the previous point and the current one: the zero lies between.
std::string SignChangeRow(long double prev_x, long double current_x, const MaskSettings& mask) {
  std::string row = "x: ";
  AppendGeneral(prev_x, row);
  row += "<x<";
  AppendGeneral(current_x, row);
  row += kRowSeparator;
  AppendMasked(mask, 0, row);
  return row;
}

// The number the text of a running value reads back as (0 for "NAN" and the like).
long double RunningValue(long double unwritten) {
  return GeneralReadBackInPlace(unwritten) ? unwritten : 0;
}

}  // namespace

std::string PointRow(long double x, long double y, const MaskSettings& mask) {
  std::string row;
  row.reserve(64);
  row += "x: ";
  AppendGeneral(x, row);
  row += kRowSeparator;
  AppendMasked(mask, y, row);
  return row;
}

void ValueTable::Clear() {
  trend_state = kLevel;
  sign_state = kAtZero;
  table.clear();
  top.clear();
  max.clear();
  bottom.clear();
  min.clear();
  zero.clear();
}

void ValueTable::AddToSumAndArea(long double y, size_t points_before) {
  AccumulateSumAndArea(y, points_before);
  WriteSumAndArea();
}

void ValueTable::AccumulateSumAndArea(long double y, size_t points_before) {
  if (points_before == 0) {
    area_unwritten = std::fabs(y);
    sum_unwritten = y;
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

void ValueTable::AddTableRow(long double y, size_t points_now, const MaskSettings& mask) {
  table.push_back(PointRow(current_x, y, mask));
  // The rows of the current point below are this row again.
  const std::string& row = table.back();
  if (points_now == 1) {
    prev_x = current_x;
    prev_y = y;
    max_y = y;
    min_y = y;
  }

  if (y < prev_y) {
    if (trend_state == kRising) top.push_back(PointRow(prev_x, prev_y, mask));
    trend_state = kFalling;
  } else if (y == prev_y) {
    trend_state = kLevel;
  } else if (y > prev_y) {
    if (trend_state == kFalling) bottom.push_back(PointRow(prev_x, prev_y, mask));
    trend_state = kRising;
  }

  if (y >= max_y) {
    if (y > max_y) {
      KeepOnly(max, row);
    } else {
      max.push_back(row);
    }
    max_y = y;
  }
  if (y <= min_y) {
    if (y < min_y) {
      KeepOnly(min, row);
    } else {
      min.push_back(row);
    }
    min_y = y;
  }

  if (y == 0) {
    zero.push_back(row);
    sign_state = kAtZero;
  } else if (y > 0) {
    if (sign_state == kNegative) zero.push_back(SignChangeRow(prev_x, current_x, mask));
    sign_state = kPositive;
  } else if (y < 0) {
    if (sign_state == kPositive) zero.push_back(SignChangeRow(prev_x, current_x, mask));
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
