#pragma once

// src/yamaha: sequencer-specific meta events, chord and effect-type names. Above core only.

#include <string>
#include <string_view>

#include "core/code_page.h"
#include "core/error_reporter.h"

namespace veltrix {

// One line of text for the data of a sequencer-specific meta event, given as its hex text.
// Characters (style name, track letters) go through the code page. A failure is reported as
// "YamahaSequencerInfo" and gives the empty text.
std::string YamahaSequencerInfo(std::string_view hex, const ErrorReporter& reporter,
                                const CodePage& codePage);

}  // namespace veltrix
