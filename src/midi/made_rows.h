#pragma once

#include <memory>
#include <vector>

#include "core/row_maker.h"
#include "core/session.h"
#include "midi/event_walk.h"

namespace veltrix {

// Makes the Midi view's rows from the records of the walk that listed the window: each row as
// that walk would have made it, with the file image, options and code page of the listing.
// The records' measure changes are taken now; later options or code pages do not change it.
std::shared_ptr<const RowMaker> MakeMidiRows(const Session& session);

// A row maker that reads each row's event again from the file image with the decoders of the
// walk that listed it: the Midi and the Ots view's.
class EventRowMaker : public RowMaker {
 public:
  explicit EventRowMaker(const Session& listing);

  // The walk read the event without a failure, so reading it again cannot fail; should it all
  // the same, the row stays empty rather than the window failing.
  void Make(const EventRecord& record, MadeRow& row) const final;

 protected:
  // The cells of the row of `record`, added to `row` (cleared).
  virtual void MakeRow(const EventRecord& record, MadeRow& row) const = 0;
  // The walk's state when it came to the event of `record`: its running status and measure
  // state.
  WalkState StateBefore(const EventRecord& record) const;
  // Reads the event of `record` again, from its delta time, with `state` from StateBefore.
  void Decode(const EventRecord& record, WalkState& state, WalkedEvent& event) const;

 private:
  std::vector<MeasureChange> measures_;  // the listing's
  // The decoders read the image through a session; its reports go nowhere, as the walk that
  // listed the window has made them already.
  mutable Session session_;
};

}  // namespace veltrix
