// Insert log in the main window: a log of many lines goes into the empty expression list, which
// is then laid out and painted. Adding the rows in one batch keeps this linear and measuring
// rows from cached character widths keeps it cheap. The row-by-row case shows what selecting
// every new row costs, the plain list what shaping every row's text costs, and reading the file
// alone is the floor.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "app/calculator.h"
#include "settings/expression_log.h"
#include "ui/evaluate_panel.h"
#include "ui/main_window.h"

namespace {

// Expressions of mixed length, like a long working session.
QByteArray LogText(int64_t lines) {
  QByteArray text;
  for (int64_t i = 0; i < lines; ++i) {
    text += "sin[" + QByteArray::number(i) + "]*2+" + QByteArray(static_cast<int>(i % 40), '1') +
            "\r\n";
  }
  return text;
}

// A working directory with the shipped bin/ and a log of the given length.
class LogDir {
 public:
  explicit LogDir(int64_t lines) {
    QDir().mkpath(dir_.filePath(QStringLiteral("bin")));
    const QDir source(QStringLiteral(QUORVEX_DEFAULT_BIN));
    for (const QString& name : source.entryList(QDir::Files)) {
      QFile::copy(source.filePath(name), dir_.filePath(QStringLiteral("bin/") + name));
    }
    QFile log(dir_.filePath(QStringLiteral("bin/log.ini")));
    if (log.open(QIODevice::WriteOnly | QIODevice::Truncate)) log.write(LogText(lines));
  }
  std::filesystem::path root() const { return dir_.path().toStdString(); }

 private:
  QTemporaryDir dir_;
};

void BM_InsertLogInWindow(benchmark::State& state) {
  LogDir dir(state.range(0));
  quorvex::Calculator calculator(dir.root());
  quorvex::MainWindow window(calculator, quorvex::MainWindowOptions{0, false});
  window.show();
  window.FormActivate();
  QApplication::processEvents();
  for (auto _ : state) {
    state.PauseTiming();
    window.clearClick();
    QApplication::processEvents();
    state.ResumeTiming();
    window.insertlogClick();
    // What the user waits for: the list laid out and painted with its last row in view.
    window.evaluate()->viewport()->repaint();
    QApplication::processEvents();
  }
  if (window.evaluate()->count() != state.range(0)) state.SkipWithError("rows missing");
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_InsertLogInWindow)
    ->Arg(1000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The former way, one selected row at a time, on the same list shown alone.
void BM_AppendRowByRow(benchmark::State& state) {
  QWidget top;
  auto* panel = new quorvex::EvaluatePanel(&top);
  top.resize(534, 400);
  panel->resize(534, 400);
  top.show();
  QStringList texts = QString::fromLatin1(LogText(state.range(0)))
                          .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
  for (auto _ : state) {
    state.PauseTiming();
    panel->Clear();
    QApplication::processEvents();
    state.ResumeTiming();
    for (const QString& text : texts) panel->Append(text);
    panel->evaluate()->viewport()->repaint();
    QApplication::processEvents();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AppendRowByRow)->Arg(1000)->Arg(3000)->Unit(benchmark::kMillisecond)->UseRealTime();

// A batch into a plain list, whose standard delegate shapes every row's text at each layout.
void BM_AppendAllStandardRows(benchmark::State& state) {
  QListWidget list;
  list.resize(534, 400);
  list.show();
  const QStringList texts = QString::fromLatin1(LogText(state.range(0)))
                                .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
  for (auto _ : state) {
    state.PauseTiming();
    list.clear();
    QApplication::processEvents();
    state.ResumeTiming();
    list.addItems(texts);
    list.setCurrentRow(list.count() - 1);
    list.viewport()->repaint();
    QApplication::processEvents();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AppendAllStandardRows)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor: reading the log file into the list of texts, without any window.
void BM_ReadLogFile(benchmark::State& state) {
  LogDir dir(state.range(0));
  const std::filesystem::path file = dir.root() / "bin" / "log.ini";
  for (auto _ : state) {
    std::vector<std::string> items;
    benchmark::DoNotOptimize(quorvex::InsertExpressionLog(file, items));
    benchmark::DoNotOptimize(items.data());
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ReadLogFile)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
