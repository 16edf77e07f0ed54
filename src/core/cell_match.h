#pragma once

#include <string>
#include <string_view>

namespace veltrix {

// How the list's sort, search and filter read cell texts.

// The text without blanks and tabs at either end.
std::string_view Trimmed(std::string_view text);

// The text with its ASCII letters in lower case: the needle ContainsFolded looks for.
std::string FoldedNeedle(std::string_view text);

// True when `cell` contains `foldedNeedle` with ASCII letter case ignored; always for an
// empty needle. The needle's first character is looked for first, which skips most positions
// of a cell at once.
bool ContainsFolded(std::string_view cell, std::string_view foldedNeedle);

}  // namespace veltrix
