#pragma once

#include <cstdint>

#include "builder/smf_builder.h"
#include "core/session.h"
#include "core/window_model.h"

namespace veltrix::bench {

// A format-0 file of about `events` events of every kind the listing decodes: notes (partly
// with running status), controllers, program changes, pitch wheel, XG parameter changes,
// style-control and keyboard messages, sequencer-specific and text meta events, tempo.
builder::Bytes LargeFormat0File(uint32_t events, uint32_t seed = 1);

// The same mix spread over `tracks` tracks of a format-1 file.
builder::Bytes LargeFormat1File(uint32_t events, int tracks, uint32_t seed = 1);

// Puts a generated file into `session` as the Open command would before the listing.
void LoadGenerated(Session& session, const builder::Bytes& bytes);

// The window after listing a generated format-0 file of a million events, made once.
const WindowModel& ListedMillionEventWindow();

}  // namespace veltrix::bench
