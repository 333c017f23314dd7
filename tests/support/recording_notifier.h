#pragma once

// A notifier that records the messages and error reports instead of showing boxes.

#include <string>
#include <string_view>
#include <vector>

#include "app/seams.h"

namespace quorvex::testing_support {

class RecordingNotifier : public Notifier {
 public:
  void ShowMessage(std::string_view text) override { messages.emplace_back(text); }
  void ShowErrorReport(std::string_view text) override { error_reports.emplace_back(text); }

  std::vector<std::string> messages;
  std::vector<std::string> error_reports;
};

}  // namespace quorvex::testing_support
