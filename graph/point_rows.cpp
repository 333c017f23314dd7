#include "graph/point_rows.h"

#include <cstring>
#include <utility>

namespace quorvex {

void PointRows::Start(std::optional<long double> step) {
  Clear();
  step_ = step;
  every_x_ = !step_.has_value();
}

void PointRows::Clear() {
  std::vector<Stored>().swap(ys_);
  std::vector<Stored>().swap(checkpoints_);
  std::vector<Stored>().swap(xs_);
  step_.reset();
  every_x_ = true;
  last_x_ = 0;
}

void PointRows::Reserve(size_t rows) {
  ys_.reserve(rows);
  if (every_x_) {
    xs_.reserve(rows);
  } else {
    checkpoints_.reserve(rows / kCheckpointEvery + 1);
  }
}

void PointRows::KeepEveryX() {
  std::vector<Stored> xs;
  xs.reserve(ys_.capacity());
  ForEach(0, size(), [&](size_t, long double x, long double) { xs.push_back(Pack(x)); });
  xs_ = std::move(xs);
  std::vector<Stored>().swap(checkpoints_);
  every_x_ = true;
}

void PointRows::Add(long double x, long double y) {
  const size_t row = size();
  // Bit for bit: the sign of a zero shows in the row.
  if (!every_x_ && row % kCheckpointEvery != 0 &&
      std::memcmp(Pack(x).bytes, Pack(last_x_ + *step_).bytes, kStoredBytes) != 0) {
    KeepEveryX();
  }
  if (every_x_) {
    xs_.push_back(Pack(x));
  } else if (row % kCheckpointEvery == 0) {
    checkpoints_.push_back(Pack(x));
  }
  ys_.push_back(Pack(y));
  last_x_ = x;
}

long double PointRows::X(size_t row) const {
  if (every_x_) return Unpack(xs_[row]);
  long double x = Unpack(checkpoints_[row / kCheckpointEvery]);
  for (size_t i = row % kCheckpointEvery; i > 0; --i) x += *step_;
  return x;
}

size_t PointRows::BytesHeld() const {
  return (ys_.capacity() + checkpoints_.capacity() + xs_.capacity()) * sizeof(Stored);
}

}  // namespace quorvex
