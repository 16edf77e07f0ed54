#pragma once

#include "core/session.h"

namespace veltrix {

// Walks the first track chunk of the file image and fills the window with one row per event
// in the Midi view, then sets the data labels and the track-length warning. A failure of the
// walk sets "File has errors", is reported as "getMidiList" and keeps the rows read so far.
void getMidiList(Session& session);

}  // namespace veltrix
