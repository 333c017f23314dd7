#include "ui/contrast.h"

#include <algorithm>
#include <cmath>

namespace quorvex {
namespace {

double Linear(double channel) {
  return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour) {
  const QColor rgb = colour.toRgb();
  return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) + 0.0722 * Linear(rgb.blueF());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& background, const QColor& preferred) {
  if (ContrastRatio(background, preferred) >= kReadableContrast) return preferred;
  // Move away from the background's lightness: lighter text on dark backs, darker on light.
  const bool lighter = ContrastRatio(background, Qt::white) > ContrastRatio(background, Qt::black);
  const QColor hsl = preferred.toHsl();
  for (int step = 1; step <= 20; ++step) {
    const double lightness = lighter ? hsl.lightnessF() + (1.0 - hsl.lightnessF()) * step / 20.0
                                     : hsl.lightnessF() * (20 - step) / 20.0;
    const QColor candidate =
        QColor::fromHslF(hsl.hslHueF(), hsl.hslSaturationF(), static_cast<float>(lightness));
    if (ContrastRatio(background, candidate) >= kReadableContrast) return candidate.toRgb();
  }
  return lighter ? QColor(Qt::white) : QColor(Qt::black);
}

}  // namespace quorvex
