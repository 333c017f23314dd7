// A whole solve as the window runs it: tokenize, substitute, reduce, format the answer.
#include <benchmark/benchmark.h>

#include "app/calculator.h"

namespace {

void BM_SolveWithSteps(benchmark::State& state) {
  quorvex::Calculator calculator(".", quorvex::LogWriting::kOff);
  for (auto _ : state) {
    quorvex::SolveOutcome outcome = calculator.Solve("4*(2+3)-(1/3)*3^2");
    benchmark::DoNotOptimize(outcome);
  }
}
BENCHMARK(BM_SolveWithSteps);

void BM_SolveWithoutSteps(benchmark::State& state) {
  quorvex::Calculator calculator(".", quorvex::LogWriting::kOff);
  calculator.general().solcheck = false;
  for (auto _ : state) {
    quorvex::SolveOutcome outcome = calculator.Solve("4*(2+3)-(1/3)*3^2");
    benchmark::DoNotOptimize(outcome);
  }
}
BENCHMARK(BM_SolveWithoutSteps);

void BM_SolveFunctionsAndConstants(benchmark::State& state) {
  quorvex::Calculator calculator(".", quorvex::LogWriting::kOff);
  for (auto _ : state) {
    quorvex::SolveOutcome outcome = calculator.Solve("2*sqrt[16]+pi-max[abs[-3];2]");
    benchmark::DoNotOptimize(outcome);
  }
}
BENCHMARK(BM_SolveFunctionsAndConstants);

}  // namespace
