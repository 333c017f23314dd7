#pragma once

#include <QElapsedTimer>
#include <cstdint>
#include <string_view>

#include "app/calculator.h"
#include "graph/seams.h"

class QLineEdit;
class QProgressBar;
class QWidget;

namespace quorvex {

class GraphWindow;
class ReminderDialog;

// The platform's 32-bit millisecond tick: the milliseconds of the monotonic clock, wrapping
// like GetTickCount. (msecsSinceReference would be the fixed moment the timer started.)
class QtClock : public Clock {
 public:
  QtClock() { timer_.start(); }
  uint32_t TickCount() override {
    return static_cast<uint32_t>(
        static_cast<uint64_t>(timer_.msecsSinceReference() + timer_.elapsed()));
  }

 private:
  QElapsedTimer timer_;
};

// The graph run's windows: the reminder TForm11, the main window's gauge `bar` and the graph
// window TForm6 (with its table window TForm13). The windows are children of main_window and
// are created with the host. A run does not return to the event loop, so the gauge is
// repainted at once.
class QtGraphHost : public GraphHost {
 public:
  QtGraphHost(Calculator& calculator, QProgressBar* bar, QLineEdit* answer, QWidget* main_window);

  bool ConfirmLongRun() override;
  void SetGaugeMaximum(int maximum) override;
  void SetGaugePosition(int position) override;
  void ShowGauge() override;
  void ShowGraphWindow(std::string_view answer) override;
  uint32_t ReminderInterval() const override { return reminder_interval_; }
  // Only the real-window tests shorten it.
  void setReminderInterval(uint32_t ms) { reminder_interval_ = ms; }

  Clock& clock() { return clock_; }
  ReminderDialog* reminder() const { return reminder_; }
  GraphWindow* graphWindow() const { return graph_window_; }

 private:
  Calculator& calculator_;
  QProgressBar* bar_;
  QLineEdit* answer_;
  QWidget* main_window_;
  ReminderDialog* reminder_;
  GraphWindow* graph_window_;
  QtClock clock_;
  int painted_pixels_ = -1;
  uint32_t reminder_interval_ = kDefaultReminderInterval;
};

}  // namespace quorvex
