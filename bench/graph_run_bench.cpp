// A whole graph run as the command line runs it (no windows), against the same formulas as
// direct long double loops. The counter x_time is the time per x value; bytes_per_point is the
// storage the chart's series and the value table hold per point after the run.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

#include "app/calculator.h"

namespace {

constexpr const char* kMixed = "sin[x]*x^2+ln[x]";
constexpr const char* kPolynomial = "3*x^2-2*x+1";

void SetPerX(benchmark::State& state, int64_t xs) {
  state.counters["x_time"] =
      benchmark::Counter(static_cast<double>(xs), benchmark::Counter::kIsIterationInvariantRate |
                                                      benchmark::Counter::kInvert);
}

// x = 1 to range(0) in steps of 1.
void BM_GraphRun(benchmark::State& state, const char* expression, bool table, bool replay = true) {
  quorvex::Calculator calculator(".", quorvex::LogWriting::kOff);
  calculator.general().tscheck = table;
  calculator.SetGraphReplay(replay);
  calculator.graph().stop = std::to_string(state.range(0));
  for (auto _ : state) {
    quorvex::SolveOutcome outcome = calculator.Solve(expression);
    if (!outcome.succeeded) state.SkipWithError(outcome.answer.c_str());
    benchmark::DoNotOptimize(outcome);
  }
  SetPerX(state, state.range(0));
  const size_t bytes = calculator.chart().line().BytesHeld() + calculator.table().BytesHeld();
  state.counters["bytes_per_point"] =
      static_cast<double>(bytes) / static_cast<double>(calculator.chart().line().PointCount());
}
BENCHMARK_CAPTURE(BM_GraphRun, MixedTableOff, kMixed, false)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GraphRun, MixedTableOn, kMixed, true)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GraphRun, PolynomialTableOff, kPolynomial, false)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);
// Every x through the reduction cycles: what the replay saves.
BENCHMARK_CAPTURE(BM_GraphRun, MixedTableOffWithoutReplay, kMixed, false, false)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_GraphRun, PolynomialTableOffWithoutReplay, kPolynomial, false, false)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond);

// The same formulas evaluated directly, as the floor a graph run can approach.
void BM_DirectMixed(benchmark::State& state) {
  const long double stop = static_cast<long double>(state.range(0));
  for (auto _ : state) {
    long double sum = 0;
    for (long double x = 1; x < stop + 1; x += 1) {
      sum += std::sin(x) * std::pow(x, 2.0L) + std::log(x);
    }
    benchmark::DoNotOptimize(sum);
  }
  SetPerX(state, state.range(0));
}
BENCHMARK(BM_DirectMixed)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_DirectPolynomial(benchmark::State& state) {
  const long double stop = static_cast<long double>(state.range(0));
  for (auto _ : state) {
    long double sum = 0;
    for (long double x = 1; x < stop + 1; x += 1) {
      benchmark::DoNotOptimize(x);
      sum += 3 * std::pow(x, 2.0L) - 2 * x + 1;
    }
    benchmark::DoNotOptimize(sum);
  }
  SetPerX(state, state.range(0));
}
BENCHMARK(BM_DirectPolynomial)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
