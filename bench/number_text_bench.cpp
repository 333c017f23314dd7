#include <benchmark/benchmark.h>

#include <string>

#include "common/number_text.h"

namespace quorvex {
namespace {

void BM_FormatGeneral(benchmark::State& state, long double value) {
  for (auto _ : state) {
    std::string text = FormatGeneral(value);
    benchmark::DoNotOptimize(text);
  }
}

BENCHMARK_CAPTURE(BM_FormatGeneral, Pi, 3.14159265358979L);
BENCHMARK_CAPTURE(BM_FormatGeneral, OneThird, 1.0L / 3.0L);
BENCHMARK_CAPTURE(BM_FormatGeneral, TenToMinusFive, 1e-5L);
BENCHMARK_CAPTURE(BM_FormatGeneral, Integer, 123456.0L);
// Outside the 128-bit fast range: the C library path.
BENCHMARK_CAPTURE(BM_FormatGeneral, Huge, 1.23456789e300L);

void BM_ParseNumber(benchmark::State& state, const char* text) {
  for (auto _ : state) {
    auto value = ParseNumber(text);
    benchmark::DoNotOptimize(value);
  }
}

BENCHMARK_CAPTURE(BM_ParseNumber, Pi, "3,14159265358979");
BENCHMARK_CAPTURE(BM_ParseNumber, OneThird, "0,333333333333333");
BENCHMARK_CAPTURE(BM_ParseNumber, Scientific, "1,12589990684262E15");
BENCHMARK_CAPTURE(BM_ParseNumber, Integer, "123456");
// More than 19 digits: the C library path.
BENCHMARK_CAPTURE(BM_ParseNumber, LongText, "3,14159265358979323846264338327950288");

}  // namespace
}  // namespace quorvex
