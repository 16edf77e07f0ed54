#pragma once

#include <string>

#include "core/session.h"

namespace veltrix {

// Reads the variable-length quantity that starts at FileImage[ReadPos] and returns it; ReadPos is left on the quantity's last byte. A value beyond 32 bits signed is
// "Overflow"; a quantity that runs past the image is "Subscript out of range".
int32_t ReadVarLen(Session& session);

// With ReadPos on the 0xFF of a meta event: reads the length (a variable-length quantity at
// ReadPos + 2) into EventLength, moving ReadPos on by one for each continuation byte, and
// returns the EventLength bytes from ReadPos + 3 through the code page, in UTF-8. ReadPos is
// not moved over the text.
std::string ReadMetaText(Session& session);

// The same length reading without the text (sequencer-specific and unknown meta types).
void ReadMetaLength(Session& session);

}  // namespace veltrix
