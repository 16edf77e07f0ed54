#pragma once

#include <QColor>
#include <QPalette>

namespace veltrix::app {

// The warning line's text colour: dark red on a light window, as designed, and a light red
// on a dark one, so the warning stays readable in a dark theme.
QColor WarningTextColour(const QPalette& palette);

// The contrast ratio of two colours (1 to 21), by their relative luminance.
double ContrastRatio(const QColor& a, const QColor& b);

}  // namespace veltrix::app
