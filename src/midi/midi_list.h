#pragma once

#include "core/session.h"

namespace veltrix {

// Walks the first track chunk of the file image and fills the window with one row per event
// in the Midi view, then sets the data labels and the track-length warning. A failure of the
// walk sets "File has errors", is reported as "getMidiList" and keeps the rows read so far.
void getMidiList(Session& session);

// The length of the first track chunk as the listing walks it: the header's field, or the
// rest of the file when the field is too large for the walk's arithmetic.
int32_t FirstTrackLength(const FileImage& image);

}  // namespace veltrix
