#pragma once

#include <optional>
#include <string>

#include "engine/engine_state.h"
#include "engine/reduction.h"

namespace quorvex {

// The call of the function group whose parameters are reduced (group_start at the "[" or the
// last ";"): the name's slot gets the result, also left in ans, and the brackets go; observer,
// when given, is told. Returns the message of a failure (no function name, an unknown name, a
// wrong parameter count, a parameter that is no number).
std::optional<std::string> EvaluateCall(EngineState& state, ReductionObserver* observer);

}  // namespace quorvex
