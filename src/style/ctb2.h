#pragma once

#include "core/session.h"

namespace veltrix {

// Lists the whole CASM section again in the Ctb2 layout: every Ctb2 or Ctab record as a
// hexadecimal row of its first 55 bytes, the rows of offsets 8 to 27, the two raw bytes, the
// low, middle and high note ranges and six more raw bytes. The first Sdec is not listed again.
// Called by GetCasmInfo at the first Ctb2 record; failures end it silently.
void GetCtb2Info(Session& session);

// Lists the six-byte note range block at ReadPos at indent 15 and moves ReadPos on by 6.
void GetCtb2Range(Session& session);

}  // namespace veltrix
