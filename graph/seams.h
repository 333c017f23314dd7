#pragma once

#include <cstdint>
#include <string_view>

namespace quorvex {

// The 32-bit millisecond tick of a graph run. Tests use a fake one.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual uint32_t TickCount() = 0;
};

// What a graph run needs of its windows. The window program shows the reminder dialog, the
// main window's gauge and the graph window; the command line and tests use their own hosts.
class GraphHost {
 public:
  virtual ~GraphHost() = default;
  // The modal long-operation reminder: true for Continue (or closing it), false for Stop.
  virtual bool ConfirmLongRun() = 0;
  virtual void SetGaugeMaximum(int maximum) = 0;
  // The gauge limits the position to its maximum itself.
  virtual void SetGaugePosition(int position) = 0;
  virtual void ShowGauge() = 0;
  // Shows the graph window modally and returns when it is closed. answer is the timing
  // message, which the answer box already shows while the window is open.
  virtual void ShowGraphWindow(std::string_view answer) = 0;
  // The milliseconds of calculation between two reminders.
  virtual uint32_t ReminderInterval() const { return kDefaultReminderInterval; }

  static constexpr uint32_t kDefaultReminderInterval = 10000;
};

}  // namespace quorvex
