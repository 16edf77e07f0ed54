#pragma once

// src/midi: the event walk and the Midi listing, meta and channel events and the header
// offsets of a Standard MIDI File. Above core, yamaha and sysex; the style readers walk their
// OTS tracks with its event walk.

#include "core/session.h"

namespace veltrix {

// Lists the first track chunk of the file image in the Midi view: lays out the columns, walks
// the events into the window's rows (with the event index beside them), sorts the rows by the
// list's sort setting and fills the data labels and the track-length warning. A failure of the
// walk sets "File has errors", is reported as "getMidiList" and keeps the rows read so far.
void getMidiList(Session& session);

// The same listing with its rows handed to `rows` as they are made instead of kept in the
// window. A sorted listing cannot be handed on while it is walked: its rows are kept, sorted
// and then handed to `rows` in their sorted order, and the window keeps none of them.
void getMidiList(Session& session, RowSink& rows);

// getMidiList with the rows passing through `rows` on their way: `rows` adds to each row and
// hands it to the window's rows, which are then sorted and labelled as getMidiList's.
void getMidiListThrough(Session& session, RowSink& rows);

// The length of the first track chunk as the listing walks it: the header's field, or the
// rest of the file when the field is too large for the walk's arithmetic.
int32_t FirstTrackLength(const FileImage& image);

}  // namespace veltrix
