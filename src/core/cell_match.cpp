#include "core/cell_match.h"

#include "core/ascii_case.h"

namespace veltrix {

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::string FoldedNeedle(std::string_view text) {
  std::string needle(text);
  for (char& c : needle) c = static_cast<char>(kAsciiLower[static_cast<unsigned char>(c)]);
  return needle;
}

bool ContainsFolded(std::string_view cell, std::string_view foldedNeedle) {
  if (foldedNeedle.empty()) return true;
  if (foldedNeedle.size() > cell.size()) return false;
  const auto first = static_cast<unsigned char>(foldedNeedle[0]);
  const size_t lastStart = cell.size() - foldedNeedle.size();
  for (size_t start = 0; start <= lastStart; ++start) {
    if (kAsciiLower[static_cast<unsigned char>(cell[start])] != first) continue;
    size_t i = 1;
    while (i < foldedNeedle.size() && kAsciiLower[static_cast<unsigned char>(cell[start + i])] ==
                                          static_cast<unsigned char>(foldedNeedle[i]))
      ++i;
    if (i == foldedNeedle.size()) return true;
  }
  return false;
}

}  // namespace veltrix
