#pragma once

#include <cstdint>
#include <string_view>

#include "graph/seams.h"  // Clock and GraphHost, which the graph run needs

namespace quorvex {

// What the core asks of the outside world for messages: the windows show message boxes, the
// command line writes to standard error, tests record them.
class Notifier {
 public:
  virtual ~Notifier() = default;
  // A message box with an OK button.
  virtual void ShowMessage(std::string_view text) = 0;
  // The general error report for a fault that no handler trapped; the program goes on.
  virtual void ShowErrorReport(std::string_view text) = 0;
};

// The milliseconds of the monotonic clock, wrapping like a 32-bit tick counter.
class SteadyClock : public Clock {
 public:
  uint32_t TickCount() override;
};

// A graph run without windows: it never stops for a reminder, has no gauge and shows nothing.
class HeadlessGraphHost : public GraphHost {
 public:
  bool ConfirmLongRun() override { return true; }
  void SetGaugeMaximum(int) override {}
  void SetGaugePosition(int) override {}
  void ShowGauge() override {}
  void ShowGraphWindow(std::string_view) override {}
};

}  // namespace quorvex
