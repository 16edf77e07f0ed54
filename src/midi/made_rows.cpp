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

class MidiRows final : public EventRowMaker {
 public:
  using EventRowMaker::EventRowMaker;

  size_t ColumnCount() const override { return kMidiColumns; }

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

  void MakeRow(const EventRecord& record, MadeRow& row) const override {
    WalkState state = StateBefore(record);
    const MeasureState measure = state.measure;  // a Time Signature event changes it
    WalkedEvent event;
    Decode(record, state, event);
    char position[kPositionTextRoom];
    const size_t positionLength = measure.ticksPerMeasure > 0
                                      ? PositionText(position, record.tick, measure)
                                      : kNoGridPosition.copy(position, kNoGridPosition.size());
    char number[24];
    row.Add({number, FormatZeroPadded(number, event.id, 6)});
    row.Add({number, FormatDecimal(number, event.delta)});
    row.Add({position, positionLength});
    row.Add({number, event.channel ? FormatDecimal(number, event.channel) : 0});
    row.Add(event.type);
    row.Add(event.command);
  }
};

}  // namespace

EventRowMaker::EventRowMaker(const Session& listing)
    : measures_(listing.window.events.measureChanges()) {
  session_.image = listing.image;
  session_.window.options = listing.window.options;
  session_.codePage = listing.codePage;
}

void EventRowMaker::Make(const EventRecord& record, MadeRow& row) const {
  row.Clear();
  try {
    MakeRow(record, row);
  } catch (...) {
    row.Clear();
  }
}

WalkState EventRowMaker::StateBefore(const EventRecord& record) const {
  WalkState state;
  state.runningStatus = record.status;
  state.measure = MeasureBefore(measures_, record.first);
  return state;
}

void EventRowMaker::Decode(const EventRecord& record, WalkState& state, WalkedEvent& event) const {
  session_.ReadPos = record.first - 1;
  ReadDeltaTime(session_, state, event);
  state.ticks = record.tick;
  DecodeEvent(session_, state, event);
}

std::shared_ptr<const RowMaker> MakeMidiRows(const Session& session) {
  return std::make_shared<const MidiRows>(session);
}

}  // namespace veltrix
