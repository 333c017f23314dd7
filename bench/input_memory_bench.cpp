// The memory of one solve of the largest inputs the limits allow, and Insert log of a
// 100,000-line log. The peak resident size is the kernel's (VmHWM), reset before each solve;
// "peak_MiB" is what the solve added to the resident size it started from.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/calculator.h"
#include "engine/token_list.h"
#include "settings/expression_log.h"

namespace {

std::string Repeat(const std::string& piece, size_t times) {
  std::string text;
  for (size_t i = 0; i < times; ++i) text += piece;
  return text;
}

// A number of length digits: zeros, then a 1. It stays one token until the last cycle.
std::string LongNumber(size_t length) { return std::string(length - 1, '0') + "1"; }

// One field of /proc/self/status, in KiB.
long StatusKiB(const char* field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  const std::string key = std::string(field) + ":";
  while (std::getline(status, line)) {
    if (line.rfind(key, 0) == 0) return std::stol(line.substr(key.size()));
  }
  return -1;
}

// Gives freed memory back and lets VmHWM start again from the current resident size, so that
// memory an earlier solve left with the allocator does not hide this one's.
void ResetPeak() {
  malloc_trim(0);
  std::ofstream clear("/proc/self/clear_refs");
  clear << "5";
}

void SolveAndMeasure(benchmark::State& state, quorvex::Calculator& calculator,
                     const std::string& expression, const std::string& answer) {
  long rise = 0;
  for (auto _ : state) {
    state.PauseTiming();
    ResetPeak();
    const long start = StatusKiB("VmRSS");
    state.ResumeTiming();
    quorvex::SolveOutcome outcome = calculator.Solve(expression);
    state.PauseTiming();
    rise = std::max(rise, StatusKiB("VmHWM") - start);
    if (outcome.answer != answer) state.SkipWithError(("answer " + outcome.answer).c_str());
    benchmark::DoNotOptimize(outcome);
    outcome = {};
    state.ResumeTiming();
  }
  state.counters["peak_MiB"] = static_cast<double>(rise) / 1024.0;
  state.counters["input_KiB"] = static_cast<double>(expression.size()) / 1024.0;
}

// The most step lines (one per bracket pair), each holding the longest token that fits the
// limit beside them.
void BM_LargestInputNestedBrackets(benchmark::State& state) {
  quorvex::Calculator calculator(".", quorvex::LogWriting::kOff);
  const size_t depth = 498;
  const std::string expression = LongNumber(quorvex::kMaxExpressionLength - 2 * depth - 2) + "+" +
                                 Repeat("(", depth) + "1" + Repeat(")", depth);
  SolveAndMeasure(state, calculator, expression, "= 2");
  state.counters["steps"] = static_cast<double>(depth);
}
BENCHMARK(BM_LargestInputNestedBrackets)->Unit(benchmark::kMillisecond)->Iterations(3);

// A short expression whose variable brings the substituted text near the limit, with nested
// brackets for step lines.
void BM_LargestSubstitutedVariable(benchmark::State& state) {
  quorvex::Calculator calculator(".", quorvex::LogWriting::kOff);
  const size_t depth = 490;
  calculator.variables().declarations = {"v"};
  calculator.variables().assignments = {LongNumber(21000)};
  const std::string expression = "v+v+v+" + Repeat("(", depth) + "1" + Repeat(")", depth);
  SolveAndMeasure(state, calculator, expression, "= 4");
}
BENCHMARK(BM_LargestSubstitutedVariable)->Unit(benchmark::kMillisecond)->Iterations(3);

// Beyond the limit the solve is refused at once, before any token is copied.
void BM_FourMegabyteExpressionRefused(benchmark::State& state) {
  quorvex::Calculator calculator(".", quorvex::LogWriting::kOff);
  const std::string expression = Repeat("(1)+", 1 << 20);
  SolveAndMeasure(state, calculator, expression, "Too long expression: at most 65536 characters");
}
BENCHMARK(BM_FourMegabyteExpressionRefused)->Unit(benchmark::kMillisecond)->Iterations(3);

// A 20 KB variable used 120 times: refused at substitution.
void BM_VariableUsed120TimesRefused(benchmark::State& state) {
  quorvex::Calculator calculator(".", quorvex::LogWriting::kOff);
  calculator.variables().declarations = {"v"};
  calculator.variables().assignments = {LongNumber(20000)};
  const std::string expression = "v" + Repeat("+v", 119);
  SolveAndMeasure(state, calculator, expression,
                  "Too long expression once its variables are in: at most 65536 characters. See "
                  "(Tools/Variables/Assignments)");
}
BENCHMARK(BM_VariableUsed120TimesRefused)->Unit(benchmark::kMillisecond)->Iterations(3);

// A log of 100,000 lines in a temporary file, removed at the end.
class LogFile {
 public:
  LogFile()
      : path_(std::filesystem::temp_directory_path() /
              ("quorvex-bench-log-" + std::to_string(getpid()))) {
    std::ofstream out(path_, std::ios::binary);
    for (int i = 0; i < 100000; ++i) out << "sqrt[" << i << "]*2+pi\r\n";
  }
  ~LogFile() { std::filesystem::remove(path_); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Insert log of 100,000 lines: reading the file and building the list the window shows.
void BM_InsertLog100000Lines(benchmark::State& state) {
  const LogFile log;
  for (auto _ : state) {
    std::vector<std::string> evaluate;
    if (!quorvex::InsertExpressionLog(log.path(), evaluate)) state.SkipWithError("unreadable");
    benchmark::DoNotOptimize(evaluate);
  }
  state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_InsertLog100000Lines)->Unit(benchmark::kMillisecond);

// The direct loop to compare with: getline into a vector, no checks.
void BM_GetlineLoop100000Lines(benchmark::State& state) {
  const LogFile log;
  for (auto _ : state) {
    std::ifstream in(log.path(), std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    benchmark::DoNotOptimize(lines);
  }
  state.SetItemsProcessed(state.iterations() * 100000);
}
BENCHMARK(BM_GetlineLoop100000Lines)->Unit(benchmark::kMillisecond);

}  // namespace
