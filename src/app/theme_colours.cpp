#include "app/theme_colours.h"

#include <algorithm>
#include <cmath>

namespace veltrix::app {

namespace {

double Channel(double value) {
  return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour) {
  return 0.2126 * Channel(colour.redF()) + 0.7152 * Channel(colour.greenF()) +
         0.0722 * Channel(colour.blueF());
}

}  // namespace

QColor WarningTextColour(const QPalette& palette) {
  const QColor background = palette.color(QPalette::Window);
  if (Luminance(background) >= 0.2) return QColor(Qt::darkRed);
  return QColor(255, 128, 128);
}

double ContrastRatio(const QColor& a, const QColor& b) {
  const double lighter = std::max(Luminance(a), Luminance(b));
  const double darker = std::min(Luminance(a), Luminance(b));
  return (lighter + 0.05) / (darker + 0.05);
}

}  // namespace veltrix::app
