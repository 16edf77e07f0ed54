#include "style/ots_rows.h"

#include <string_view>
#include <vector>

#include "core/number_text.h"
#include "midi/event_walk.h"

namespace veltrix {

namespace {

// The Ots view's columns.
enum OtsColumn : size_t { kTrack, kId, kDelay, kType, kCommand, kOtsColumns };

class OtsRows final : public RowMaker {
 public:
  explicit OtsRows(const Session& listing) : measures_(listing.window.events.measureChanges()) {
    session_.image = listing.image;
    session_.window.options = listing.window.options;
    session_.codePage = listing.codePage;
  }

  size_t ColumnCount() const override { return kOtsColumns; }

  void Make(const EventRecord& record, MadeRow& row) const override {
    row.Clear();
    // The walk read this event without a failure, so making it again cannot fail; should it
    // all the same, the row stays empty rather than the window failing.
    try {
      MakeRow(record, row);
    } catch (...) {
      row.Clear();
    }
  }

  bool MakeCell(const EventRecord& record, size_t column, MadeRow& row) const override {
    row.Clear();
    char text[24];
    switch (column) {
      case kTrack:
        row.Add({text, FormatDecimal(text, record.otsTrack)});
        return false;
      case kId:
        row.Add({});
        row.Add({text, FormatZeroPadded(text, record.first, 6)});
        return false;
      default:
        Make(record, row);
        return true;
    }
  }

 private:
  void MakeRow(const EventRecord& record, MadeRow& row) const {
    WalkState state;
    state.runningStatus = record.status;
    state.measure = MeasureBefore(measures_, record.first);
    WalkedEvent event;
    session_.ReadPos = record.first - 1;
    ReadDeltaTime(session_, state, event);
    DecodeEvent(session_, state, event);
    char number[24];
    row.Add({number, FormatDecimal(number, record.otsTrack)});
    row.Add({number, FormatZeroPadded(number, event.id, 6)});
    row.Add({number, FormatDecimal(number, event.delta)});
    row.Add(event.type);
    row.Add(event.command);
  }

  // The listing's measure changes, each track's starting again from none.
  std::vector<MeasureChange> measures_;
  // The decoders read the image through a session; its reports go nowhere, as the walk that
  // listed the window has made them already.
  mutable Session session_;
};

}  // namespace

std::shared_ptr<const RowMaker> MakeOtsRows(const Session& session) {
  return std::make_shared<const OtsRows>(session);
}

}  // namespace veltrix
