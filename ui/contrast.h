#pragma once

#include <QColor>

namespace quorvex {

// Contrast between two colours as the WCAG defines it: 1 (same) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);

// Smallest contrast that normal-size text needs to be readable.
inline constexpr double kReadableContrast = 4.5;

// preferred when it reaches kReadableContrast against background; otherwise preferred made
// lighter or darker (keeping its hue) until it does, and black or white as the last resort.
QColor ReadableOn(const QColor& background, const QColor& preferred);

}  // namespace quorvex
