#pragma once

// src/midi: the event walk and the Midi listing, meta and channel events and the header
// offsets of a Standard MIDI File. Above core, yamaha and sysex; the style readers walk their
// OTS tracks with its event walk.

#include <functional>

#include "core/session.h"

namespace veltrix {

// Lists the first track chunk of the file image in the Midi view: lays out the columns, walks
// the events into the window's event index (the rows are made from it when they are shown: a
// row maker), sorts the rows by the list's sort setting and fills the data labels and the
// track-length warning. `beforeSort`, when given, runs after the walk and before the sort (a
// column added to every row joins there). A failure of the walk sets "File has errors", is
// reported as "getMidiList" and keeps the rows read so far.
void getMidiList(Session& session, const std::function<void()>& beforeSort = nullptr);

// The same listing with its rows handed to `rows` as they are made instead of kept in the
// window. A sorted listing cannot be handed on while it is walked: its rows are kept, sorted
// and then handed to `rows` in their sorted order, and the window keeps none of them.
void getMidiList(Session& session, RowSink& rows);

// The length of the first track chunk as the listing walks it: the header's field, or the
// rest of the file when the field is too large for the walk's arithmetic.
int32_t FirstTrackLength(const FileImage& image);

}  // namespace veltrix
