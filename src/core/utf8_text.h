#pragma once

#include <cstddef>
#include <string_view>

namespace veltrix {

// One step through bytes that should be UTF-8: the length of the sequence at the front of
// `text` and whether it is well formed. An ill-formed front is its maximal subpart (the
// longest start of a well-formed sequence, at least one byte), which one U+FFFD replaces.
struct Utf8Step {
  size_t length;
  bool valid;
};
Utf8Step NextUtf8Step(std::string_view text);

// The UTF-8 replacement character U+FFFD.
inline constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

}  // namespace veltrix
