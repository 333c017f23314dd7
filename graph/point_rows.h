#pragma once

#include <cstddef>
#include <cstring>
#include <limits>
#include <optional>
#include <vector>

namespace quorvex {

// The x and f(x) of every row of the value table, as the run calculated them, in the fewest
// bytes that give them back bit for bit: f(x) in the ten bytes that hold an x86 extended value,
// and x, which a run makes by adding the same increment again and again, as every 64th value,
// the others being added again when asked for. Rows whose x breaks that rule switch the store
// to keeping every x.
class PointRows {
 public:
  // The increment between consecutive x values, when the rows come from a run.
  void Start(std::optional<long double> step);
  // Frees the storage.
  void Clear();
  void Reserve(size_t rows);
  void Add(long double x, long double y);

  size_t size() const { return ys_.size(); }
  bool empty() const { return ys_.empty(); }
  long double X(size_t row) const;
  long double Y(size_t row) const { return Unpack(ys_[row]); }
  // Calls visit(row, x, y) for rows [from, to) in order, adding each x once.
  template <typename Visit>
  void ForEach(size_t from, size_t to, Visit visit) const;

  size_t BytesHeld() const;

 private:
  static constexpr size_t kStoredBytes =
      std::numeric_limits<long double>::digits == 64 ? 10 : sizeof(long double);
  static constexpr size_t kCheckpointEvery = 64;
  struct Stored {
    unsigned char bytes[kStoredBytes];
  };
  static Stored Pack(long double value) {
    Stored stored;
    std::memcpy(stored.bytes, &value, kStoredBytes);
    return stored;
  }
  static long double Unpack(const Stored& stored) {
    long double value = 0;
    std::memcpy(&value, stored.bytes, kStoredBytes);
    return value;
  }
  void KeepEveryX();

  std::optional<long double> step_;
  long double last_x_ = 0;
  std::vector<Stored> ys_;
  std::vector<Stored> checkpoints_;  // x of rows 0, 64, 128, ... while step_ holds
  std::vector<Stored> xs_;           // every x, once a row broke the step
  bool every_x_ = true;
};

template <typename Visit>
void PointRows::ForEach(size_t from, size_t to, Visit visit) const {
  if (from >= to) return;
  long double x = X(from);
  for (size_t row = from; row < to; ++row) {
    if (row != from) x = every_x_ ? Unpack(xs_[row]) : x + *step_;
    visit(row, x, Y(row));
  }
}

}  // namespace quorvex
