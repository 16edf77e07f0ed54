#pragma once

#include "core/session.h"

namespace veltrix {

// Fills the Mfd view with the music-finder records of a style file.
void GetMfdData(Session& session);

}  // namespace veltrix
