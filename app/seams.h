#pragma once

#include <cstdint>
#include <string_view>

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

// The 32-bit millisecond tick of a graph run.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual uint32_t TickCount() = 0;
};

}  // namespace quorvex
