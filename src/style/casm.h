#pragma once

#include "core/session.h"

namespace veltrix {

// Fills the Casm view from the CASM section of a style file.
void GetCasmInfo(Session& session);

}  // namespace veltrix
