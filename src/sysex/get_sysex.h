#pragma once

// src/sysex: the system-exclusive decoder with its XG parameters and keyboard messages.
// Above core and yamaha.

#include <string>
#include <string_view>

#include "core/error_reporter.h"

namespace veltrix {

// One line of text for the data of one system-exclusive message, given as its hex text.
// A failure inside is reported as "GetSysex" and gives the empty text.
std::string GetSysex(std::string_view hex, const ErrorReporter& reporter);

}  // namespace veltrix
