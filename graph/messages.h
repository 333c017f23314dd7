#pragma once

#include <string>
#include <string_view>

// Every message that a graph run writes into the answer box.
namespace quorvex::graph_messages {

inline constexpr std::string_view kCalculations =
    "One or more errors occurred in (Tools/Graph options/Calculations)";
inline constexpr std::string_view kScales =
    "One or more errors occurred in (Tools/Graph options/Scales)";
inline constexpr std::string_view kVisuals =
    "One or more errors occurred in (Tools/Graph options/Visuals)";
inline constexpr std::string_view kTooMany = "Too many x var calculations";
inline constexpr std::string_view kCanceled = "Operation was canceled";
inline constexpr std::string_view kEmptyRange =
    "The x range holds no x value. See (Tools/Graph options/Calculations)";
inline constexpr std::string_view kIncrementTooSmall =
    "The x increment is too small to change x. See (Tools/Graph options/Calculations)";

// A point that a double cannot hold; the run ends there instead of drawing an infinity.
inline std::string PointOutOfRange(std::string_view x, std::string_view y) {
  return "The point x = " + std::string(x) + ", f(x) = " + std::string(y) +
         " is outside the range of the graph";
}

// n + " calculation(s) done in " + elapsed + " ms (" + per + " ms per calculation)".
inline std::string Timing(std::string_view n, std::string_view elapsed, std::string_view per) {
  return std::string(n) + " calculation(s) done in " + std::string(elapsed) + " ms (" +
         std::string(per) + " ms per calculation)";
}

}  // namespace quorvex::graph_messages
