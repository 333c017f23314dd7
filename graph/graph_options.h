#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "graph/chart_model.h"
#include "settings/graph_settings.h"

namespace quorvex {

// A whole decimal number in 32 bits: leading blanks, an optional sign, digits, nothing else.
std::optional<int32_t> ParseWholeNumber(std::string_view text);

// Configures the chart from the settings, the Scales block first, then the Visuals block.
// A failure writes its block's message into answer and returns false; what was applied before
// it stays applied.
bool ApplyGraphOptions(const GraphSettings& settings, ChartModel& chart, std::string& answer);

}  // namespace quorvex
