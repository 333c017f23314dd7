#pragma once

#include <vector>

#include "engine/token_list.h"
#include "library/random_generators.h"

namespace quorvex {

// The engine's long-lived state; one Calculator owns it for the whole run.
struct EngineState {
  TokenList working;  // the expression being reduced in place
  TokenList saved;    // the tokenizer's output; after substitution, the graph run's original
  long double ans = 0;
  int group_start = -1;
  bool group_changed = false;
  int step_count = 0;
  int last_cycle_count = 0;
  std::vector<int> x_positions;  // slots of working holding x; a graph run when not empty
  RandomGenerators random;
};

}  // namespace quorvex
