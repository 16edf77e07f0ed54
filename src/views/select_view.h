#pragma once

// src/views: the view switch and what the window does with a listing: event detail, search,
// filter, clipboard texts and exports. Above style and timing.

#include <string_view>

#include "core/session.h"

namespace veltrix {

// Switches the list to the view with the given key ("Midi", "Casm", "Ots", "Mfd"): presses
// its button, lays out its columns and fills it from the file image. Any other key leaves the
// list as it was with no button pressed. Failures are reported as "View Bar Action".
void SelectView(Session& session, std::string_view key);

}  // namespace veltrix
