#pragma once

#include <string_view>

namespace veltrix {

// The effect name of the type bytes 7 (main code) and 8 (sub-code) of an XG message's hex
// text; empty when the table has no entry for the pair.
std::string_view EffectTypeName(std::string_view hex);

}  // namespace veltrix
