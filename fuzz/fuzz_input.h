#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "graph/seams.h"

namespace quorvex::fuzzing {

// Reads a fuzzer's input from the front: single setting bytes, then line-separated texts.
class FuzzInput {
 public:
  FuzzInput(const uint8_t* data, size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

  // The next byte, or 0 when the input is used up.
  uint8_t Byte() {
    if (rest_.empty()) return 0;
    const uint8_t byte = static_cast<uint8_t>(rest_.front());
    rest_.remove_prefix(1);
    return byte;
  }

  // Text up to the next LF (not included), or the rest of the input.
  std::string Line() {
    const size_t end = rest_.find('\n');
    std::string line(rest_.substr(0, end));
    rest_.remove_prefix(end == std::string_view::npos ? rest_.size() : end + 1);
    return line;
  }

  std::string Rest() {
    std::string rest(rest_);
    rest_ = {};
    return rest;
  }

  bool empty() const { return rest_.empty(); }

 private:
  std::string_view rest_;
};

// A tick counter that advances by a fixed step at every read, so runs are reproducible.
class SteppingClock : public Clock {
 public:
  explicit SteppingClock(uint32_t step) : step_(step) {}
  uint32_t TickCount() override { return now_ += step_; }

 private:
  uint32_t step_;
  uint32_t now_ = 0;
};

// A graph host without windows whose reminder answers as told.
class ScriptedHost : public GraphHost {
 public:
  explicit ScriptedHost(bool go_on) : go_on_(go_on) {}
  bool ConfirmLongRun() override { return go_on_; }
  void SetGaugeMaximum(int) override {}
  void SetGaugePosition(int) override {}
  void ShowGauge() override {}
  void ShowGraphWindow(std::string_view) override {}

 private:
  bool go_on_;
};

}  // namespace quorvex::fuzzing
