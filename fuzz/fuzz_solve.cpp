// A whole solve. Input: one byte for the number system, one of flags (bit 0 scicheck, bit 1
// solcheck), then LF-separated lines: the mask pattern, the expression, and "name=assignment"
// lines that declare variables. The expression is solved twice, the second time with the
// first answer in ans.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/calculator.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quorvex;
  fuzzing::FuzzInput input(data, size);
  // No file is read or written: StartUp is skipped and the log is off.
  Calculator calculator("/nonexistent-quorvex-fuzz", LogWriting::kOff);
  fuzzing::SteppingClock clock(1);
  fuzzing::ScriptedHost host(true);
  calculator.SetClock(&clock);
  calculator.SetGraphHost(&host);

  calculator.general().numbersys = input.Byte() % 5;
  const uint8_t flags = input.Byte();
  calculator.general().scicheck = (flags & 1) != 0;
  calculator.general().solcheck = (flags & 2) != 0;
  calculator.mask().mask = input.Line();
  const std::string expression = input.Line();
  while (!input.empty()) {
    const std::string line = input.Line();
    const size_t equals = line.find('=');
    AppendVariable(calculator.variables(), line.substr(0, equals),
                   equals == std::string::npos ? std::string() : line.substr(equals + 1));
  }

  for (int round = 0; round < 2; ++round) {
    const SolveOutcome outcome = calculator.Solve(expression);
    // Capacity checks bound the step lines: one per cycle, and a cycle removes a token.
    if (outcome.steps.size() > 2000) __builtin_trap();
  }
  return 0;
}
