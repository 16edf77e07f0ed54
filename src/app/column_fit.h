#pragma once

#include <QFontMetrics>
#include <vector>

#include "core/window_model.h"

namespace veltrix::app {

// How wide a column must be for the text that is measured, in pixels.
struct FitMetrics {
  QFontMetrics cells;
  QFontMetrics header;
  int cellPadding = 12;    // room left and right of a cell's text
  int headerPadding = 16;  // the same for a header, which also draws a sort mark
};

// Widths that fit each column to its content (and its header text when `fitHeader`), as the
// list's auto-size does. The content is measured on a bounded sample, so a million rows cost
// no more than a few thousand: the first and last rows and the longest texts of each column.
std::vector<int> FitColumnWidths(const WindowModel& window, const FitMetrics& metrics,
                                 bool fitHeader);

// The rows measured for a table of `rows` rows.
inline constexpr size_t kFitEdgeRows = 1000;
inline constexpr size_t kFitLongestPerColumn = 32;
// Longer texts are measured by their first characters only.
inline constexpr size_t kFitMeasuredBytes = 1024;

}  // namespace veltrix::app
