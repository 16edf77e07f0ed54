#pragma once

#include <array>

namespace veltrix {

// Letter case of the ASCII letters only: the list compares cell texts byte by byte, and the
// texts of other code pages keep their own bytes.
namespace ascii_case_detail {
constexpr std::array<unsigned char, 256> MakeTable(char from, char to) {
  std::array<unsigned char, 256> table{};
  for (int c = 0; c < 256; ++c)
    table[c] = static_cast<unsigned char>(c >= from && c <= from + 25 ? c - from + to : c);
  return table;
}
}  // namespace ascii_case_detail

inline constexpr auto kAsciiUpper = ascii_case_detail::MakeTable('a', 'A');
inline constexpr auto kAsciiLower = ascii_case_detail::MakeTable('A', 'a');

}  // namespace veltrix
