#pragma once

#include <optional>
#include <string_view>

#include "engine/engine_state.h"
#include "settings/variable_store.h"

namespace quorvex {

// Replaces the constants, ans and the variables (their assignments spliced in, depth first) in
// the working tokens; then saves them and records the slots holding x. Returns the message of
// a failure.
std::optional<std::string_view> SubstituteSymbols(EngineState& state,
                                                  const VariableStore& variables);

}  // namespace quorvex
