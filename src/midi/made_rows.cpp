#include "midi/made_rows.h"

#include <string_view>
#include <vector>

#include "core/number_text.h"
#include "midi/event_walk.h"
#include "midi/measure_position.h"
#include "midi/var_len.h"

namespace veltrix {

namespace {

// The Midi view's columns: ID, Delay, Measure, Ch, Type, Command.
enum MidiColumn : size_t { kId, kDelay, kMeasure, kChannel, kType, kCommand, kMidiColumns };

class MidiRows final : public RowMaker {
 public:
  explicit MidiRows(const Session& listing) : measures_(listing.window.events.measureChanges()) {
    session_.image = listing.image;
    session_.window.options = listing.window.options;
    session_.codePage = listing.codePage;
  }

  size_t ColumnCount() const override { return kMidiColumns; }

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
      case kId:
        row.Add({text, FormatZeroPadded(text, record.first, 6)});
        return false;
      case kChannel:
        row.Add({});
        row.Add({});
        row.Add({});
        row.Add({text,
                 IsChannelStatus(record.status) ? FormatDecimal(text, record.status % 16 + 1) : 0});
        return false;
      default:
        Make(record, row);
        return true;
    }
  }

 private:
  static bool IsChannelStatus(uint8_t status) { return status != 0xFF && status != 0xF0; }

  void MakeRow(const EventRecord& record, MadeRow& row) const {
    WalkState state;
    state.runningStatus = record.status;
    state.measure = MeasureBefore(measures_, record.first);
    WalkedEvent event;
    session_.ReadPos = record.first - 1;
    ReadDeltaTime(session_, state, event);
    state.ticks = record.tick;
    char position[kPositionTextRoom];
    const size_t positionLength = state.measure.ticksPerMeasure > 0
                                      ? PositionText(position, state.ticks, state.measure)
                                      : kNoGridPosition.copy(position, kNoGridPosition.size());
    DecodeEvent(session_, state, event);
    char number[24];
    row.Add({number, FormatZeroPadded(number, event.id, 6)});
    row.Add({number, FormatDecimal(number, event.delta)});
    row.Add({position, positionLength});
    row.Add({number, event.channel ? FormatDecimal(number, event.channel) : 0});
    row.Add(event.type);
    row.Add(event.command);
  }

  std::vector<MeasureChange> measures_;  // the listing's, for the measure state of a row
  // The decoders read the image through a session; its reports go nowhere, as the walk that
  // listed the window has made them already.
  mutable Session session_;
};

}  // namespace

std::shared_ptr<const RowMaker> MakeMidiRows(const Session& session) {
  return std::make_shared<const MidiRows>(session);
}

}  // namespace veltrix
