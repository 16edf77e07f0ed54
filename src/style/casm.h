#pragma once

#include <string_view>

#include "core/session.h"

namespace veltrix {

// Fills the Casm view from the CASM section of a style file: one "Style Section(s)" row per
// Sdec chunk, the rows of each Ctab and Cntt record, and, at the first Ctb2 record, the whole
// section again in the Ctb2 layout. Reading past the image or a length that leads nowhere ends
// the listing silently; the rows added so far stay. Writes "No CASM in file" into the warning
// label when the file is too short to hold the section.
void GetCasmInfo(Session& session);

// Adds one row to the Casm view, numbered by CasmRowCounter ("001", "002", ...), and counts it.
// The counter is 16-bit: once row 32767 is added every further row keeps that number and
// reports "Overflow" under "Casm View Update".
void CasmViewUpdate(Session& session, std::string_view parameter, std::string_view setting);

}  // namespace veltrix
