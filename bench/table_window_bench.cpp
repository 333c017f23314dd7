// The table and statistics window after a long run: how long it takes to open (fill its lists
// and paint) and how much memory the run and the window hold. The counter resident_mb is the
// program's resident memory with the run's results held and the window open.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <string>

#include "app/calculator.h"
#include "ui/table_stats_window.h"

namespace {

double ResidentMegabytes(const char* field) {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  const QString text = QString::fromLatin1(status.readAll());
  const QRegularExpression line(QString::fromLatin1(field) + QStringLiteral(":\\s*(\\d+) kB"));
  const QRegularExpressionMatch match = line.match(text);
  return match.hasMatch() ? match.captured(1).toDouble() / 1024 : 0;
}

// A run of range(0) points of x-1000,5 (every list has rows), then the window opened again
// and again.
void BM_OpenTableWindow(benchmark::State& state) {
  quorvex::Calculator calculator(".", quorvex::LogWriting::kOff);
  calculator.general().tscheck = true;
  calculator.graph().stop = std::to_string(state.range(0));
  const quorvex::SolveOutcome outcome = calculator.Solve("x-1000,5");
  if (!outcome.succeeded) {
    state.SkipWithError(outcome.answer.c_str());
    return;
  }
  quorvex::TableStatsWindow window(calculator.table(), nullptr);
  for (auto _ : state) {
    window.Fill();
    window.show();
    window.repaint();
    QCoreApplication::processEvents();
    state.PauseTiming();
    window.hide();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
  window.Fill();
  window.show();
  window.repaint();
  state.counters["resident_mb"] = ResidentMegabytes("VmRSS");
  state.counters["peak_mb"] = ResidentMegabytes("VmHWM");
  const size_t bytes = calculator.chart().line().BytesHeld() + calculator.table().BytesHeld();
  state.counters["bytes_per_point"] =
      static_cast<double>(bytes) / static_cast<double>(calculator.chart().line().PointCount());
}
BENCHMARK(BM_OpenTableWindow)->Arg(10000000)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
