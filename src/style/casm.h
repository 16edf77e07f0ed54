#pragma once

#include "core/session.h"

namespace veltrix {

// Fills the Casm view from the CASM section of a style file: one "Style Section(s)" row per
// Sdec chunk, the rows of each Ctab and Cntt record, and, at the first Ctb2 record, the whole
// section again in the Ctb2 layout. Reading past the image or a length that leads nowhere ends
// the listing silently; the rows added so far stay. Writes "No CASM in file" into the warning
// label when the file is too short to hold the section.
void GetCasmInfo(Session& session);

}  // namespace veltrix
