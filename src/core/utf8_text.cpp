#include "core/utf8_text.h"

#include <cstdint>

namespace veltrix {

Utf8Step NextUtf8Step(std::string_view text) {
  if (text.empty()) return {0, true};
  const auto lead = static_cast<uint8_t>(text[0]);
  if (lead < 0x80) return {1, true};
  // The number of continuation bytes and the allowed range of the first one, which rules out
  // overlong forms (E0, F0), surrogates (ED) and code points above U+10FFFF (F4).
  size_t continuations = 0;
  uint8_t low = 0x80;
  uint8_t high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    continuations = 1;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    continuations = 2;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    continuations = 3;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return {1, false};
  }
  for (size_t i = 1; i <= continuations; ++i) {
    if (i >= text.size()) return {i, false};
    const auto byte = static_cast<uint8_t>(text[i]);
    if (byte < low || byte > high) return {i, false};
    low = 0x80;
    high = 0xBF;
  }
  return {continuations + 1, true};
}

}  // namespace veltrix
