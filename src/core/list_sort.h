#pragma once

#include <string_view>

#include "core/window_model.h"

namespace veltrix {

// A click on the header of column `column` (0 for the first): the direction alternates on
// every click, whatever the column, and the list is sorted by that column.
void SortByColumnClick(WindowModel& window, size_t column);

// Sorts the rows by the list's sort setting, when it is switched on: "NUMBER" columns by
// value (cells that read as no number first when ascending), "DATE" columns by date, "TIME"
// columns by clock time ("m:ss.mmm", "h:mm:ss.mmm"), others
// by text ignoring letter case. Equal keys keep their order. Called after every listing.
void ApplyListSort(WindowModel& window);

// Reads a cell as a number the way the sort does: blanks around it, a sign, digits with an
// optional decimal point and exponent. False for anything else.
bool ReadsAsNumber(std::string_view text, double& value);

// Every digit d becomes 9 - d and every "-" a blank: the key of negative values.
std::string InvertDigits(std::string_view text);

}  // namespace veltrix
