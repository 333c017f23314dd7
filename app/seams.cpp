#include "app/seams.h"

#include <chrono>

namespace quorvex {

uint32_t SteadyClock::TickCount() {
  const auto now = std::chrono::steady_clock::now().time_since_epoch();
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
}

}  // namespace quorvex
