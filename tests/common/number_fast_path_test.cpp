// The fast number paths against the exact ones they stand in for, over many values: the
// one-product rounding against the exact 128-bit scaling, the read-back of a written number
// against ParseNumber of its text, and the in-place writers against FormatGeneral.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

#include "common/decimal_round.h"
#include "common/number_text.h"

namespace quorvex {
namespace {

// splitmix64, so that every run checks the same values.
class Prng {
 public:
  uint64_t Next() {
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }

 private:
  uint64_t state_ = 7;
};

std::string Hex(long double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%La", value);
  return buffer;
}

// Values of every kind the engine writes: random significands over the magnitudes the fast
// paths cover and beyond, decimals near the 15-digit boundaries, exact ties and their
// neighbours, integers, dyadic fractions and the extremes.
std::vector<long double> Values() {
  Prng r;
  std::vector<long double> values;
  for (int i = 0; i < 200000; ++i) {
    const uint64_t m = r.Next() | (1ull << 63);
    const int exponent = i % 10 == 0 ? r.Below(32000) - 16000 : r.Below(200) - 110;
    values.push_back(std::ldexp(static_cast<long double>(m), exponent - 63));
  }
  for (int i = 0; i < 100000; ++i) {
    std::string text = std::to_string(r.Next() % 100000000000000000ull);
    text.insert(static_cast<size_t>(r.Below(static_cast<int>(text.size()) + 1)), 1, ',');
    text += "E" + std::to_string(r.Below(60) - 30);
    if (const auto value = ParseNumber(text)) values.push_back(*value);
  }
  for (int i = 0; i < 50000; ++i) {
    // 16 digits ending in 5: an exact tie at the 15th digit, and its two neighbours.
    const long double tie =
        static_cast<long double>(r.Next() % 100000000000000ull * 10 + 5 + 1000000000000000ull);
    values.push_back(tie);
    values.push_back(std::nextafter(tie, 0.0L));
    values.push_back(std::nextafter(tie, 1e30L));
    values.push_back(tie / 16);
    values.push_back(static_cast<long double>(r.Next() % 1000000) + 0.5L);
    values.push_back(static_cast<long double>(r.Next()) / 1024);
  }
  for (long double v = 1e-20L; v < 1e20L; v *= 10) {
    values.push_back(v);
    values.push_back(std::nextafter(v, 0.0L));
    values.push_back(std::nextafter(v, 1e30L));
    values.push_back(v * 9.99999999999999949L);
    values.push_back(v * 9.9999999999999995L);
  }
  values.push_back(std::numeric_limits<long double>::max());
  values.push_back(std::numeric_limits<long double>::min());
  values.push_back(std::numeric_limits<long double>::denorm_min());
  values.push_back(0.1L);
  values.push_back(1.0L / 3.0L);
  const size_t positive = values.size();
  for (size_t i = 0; i < positive; ++i) values.push_back(-values[i]);
  return values;
}

TEST(RoundSignificantFastPath, EqualsTheExactScalingForEveryDigitCount) {
  int checked = 0;
  for (const long double value : Values()) {
    if (!(value > 0)) continue;
    for (const int count : {1, 2, 7, 15, 17, 18, 19}) {
      const RoundedDecimal fast = RoundSignificant(value, count);
      const RoundedDecimal exact = RoundSignificantExact(value, count);
      ASSERT_EQ(fast.digits, exact.digits) << Hex(value) << " count " << count;
      ASSERT_EQ(fast.exponent, exact.exponent) << Hex(value) << " count " << count;
      ++checked;
    }
  }
  EXPECT_GT(checked, 1000000);
}

TEST(GeneralReadBack, EqualsParseNumberOfTheWrittenText) {
  std::vector<long double> values = Values();
  values.push_back(0.0L);
  values.push_back(-0.0L);
  values.push_back(std::numeric_limits<long double>::infinity());
  values.push_back(-std::numeric_limits<long double>::infinity());
  values.push_back(std::numeric_limits<long double>::quiet_NaN());
  for (const long double value : values) {
    const std::string text = FormatGeneral(value);
    const std::optional<long double> expected = ParseNumber(text);
    const std::optional<long double> read = GeneralReadBack(value);
    ASSERT_EQ(read.has_value(), expected.has_value()) << Hex(value) << " " << text;
    if (!expected) continue;
    // Bit for bit: the sign of zero counts too.
    ASSERT_EQ(Hex(*read), Hex(*expected)) << Hex(value) << " " << text;
    // The read value spells the same text again, so a token may keep it instead of the
    // written one.
    ASSERT_EQ(FormatGeneral(*read), text) << Hex(value);
  }
}

// The in-place read-back against GeneralReadBack, and a read value reading back as itself (a
// token written with it again keeps it).
TEST(GeneralReadBack, InPlaceAgreesAndAReadValueReadsBackAsItself) {
  std::vector<long double> values = Values();
  for (long double v = 1; v < 1e16L; v = v * 3 + 1) {
    values.push_back(v);
    values.push_back(v + 0.5L);
    values.push_back(std::nextafter(v, 0.0L));
    values.push_back(std::nextafter(v, 1e30L));
  }
  values.push_back(999999999999999.0L);
  values.push_back(1e15L);
  values.push_back(1e15L + 1);
  values.push_back(9007199254740993.0L);
  // Subnormals hold fewer digits than they are written with.
  for (int shift = 1; shift < 64; shift += 3) {
    values.push_back(std::numeric_limits<long double>::min() / std::ldexp(1.0L, shift) * 1.2345L);
  }
  const size_t positive = values.size();
  for (size_t i = 0; i < positive; ++i) values.push_back(-values[i]);
  values.push_back(0.0L);
  values.push_back(-0.0L);
  values.push_back(std::numeric_limits<long double>::infinity());
  values.push_back(std::numeric_limits<long double>::quiet_NaN());
  for (const long double value : values) {
    const std::optional<long double> read = GeneralReadBack(value);
    const std::optional<long double> expected = ParseNumber(FormatGeneral(value));
    ASSERT_EQ(read.has_value(), expected.has_value()) << Hex(value);
    long double unchanged = value;
    if (!read) {
      ASSERT_FALSE(GeneralReadBackInPlace(unchanged)) << Hex(value);
      ASSERT_EQ(Hex(unchanged), Hex(value));
      continue;
    }
    ASSERT_EQ(Hex(*read), Hex(*expected)) << Hex(value);
    if (ReadsBackUnchanged(value)) {
      ASSERT_EQ(Hex(*read), Hex(value));
    }
    long double in_place = value;
    ASSERT_TRUE(GeneralReadBackInPlace(in_place)) << Hex(value);
    ASSERT_EQ(Hex(in_place), Hex(*read)) << Hex(value);
    const std::optional<long double> again = GeneralReadBack(*read);
    ASSERT_TRUE(again.has_value()) << Hex(value);
    ASSERT_EQ(Hex(*again), Hex(*read)) << Hex(value);
  }
}

TEST(GeneralWriters, AssignAndAppendWriteWhatFormatGeneralReturns) {
  std::string assigned = "a long text that the assignment replaces entirely";
  for (const long double value : Values()) {
    const std::string expected = FormatGeneral(value);
    AssignGeneral(value, assigned);
    ASSERT_EQ(assigned, expected);
    std::string appended = "x: ";
    AppendGeneral(value, appended);
    ASSERT_EQ(appended, "x: " + expected);
  }
}

}  // namespace
}  // namespace quorvex
