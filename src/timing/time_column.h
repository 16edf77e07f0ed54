#pragma once

// src/timing: the clock time of events from the tempo map of their track, the Time column,
// Go To and the marker jumps. Above midi and style, which walk the tracks; below views.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/session.h"
#include "timing/clock_text.h"
#include "timing/tempo_map.h"

namespace veltrix {

// The Time column: each event's clock time behind "Measure" in the Midi view and behind
// "Delay" in the Ots view, and the "Length: m:ss" label of the Midi listing. Added only when
// the Time Column option is on; with it off the window stays exactly as the readers left it.

// The place of the Time column in the window's columns; nothing in a view without one.
std::optional<size_t> TimeColumnPlace(const WindowModel& window);

// Sets the length label of the view the window shows: the song's length with the option on,
// empty with it off. With the option on it adds the Time column to an Ots listing, made from
// its event index with the other cells; sort the list afterwards. True when the column was
// added. (A Midi listing gets its column as it is made: ListMidiView.)
bool AddTimeColumn(Session& session);

// getMidiList with the Time column when the option is on, its cells added as the rows are
// made, sorted as the list's setting says; records the song's length whatever the option.
void ListMidiView(Session& session);

// A row sink that adds the Time cell to each row of a Midi listing and hands it on, for rows
// written as they are made. The tempo changes come from the event index the walk fills.
class TimedRows final : public RowSink {
 public:
  TimedRows(Session& session, RowSink& next);
  // Adds the Time column to the window's columns, then begins the next sink's rows.
  void BeginRows(const WindowModel& window) override;
  void Row(const std::string_view* cells, size_t count, const EventRecord& record) override;
  // Enters the tempo change in the clock and hands it on.
  void Tempo(int32_t tick, int32_t microsecondsPerQuarter) override;
  // Sets the length label from the rows seen.
  void Finish();

 private:
  Session& session_;
  RowSink& next_;
  std::optional<size_t> place_;  // of the Time cell, once the columns are known
  TempoMap map_;
  int64_t last_ = 0;  // the latest time of a row
  // The time text of the last tick asked for: rows at one tick share it.
  int32_t textTick_ = -1;
  std::string_view text_;
  ClockTexts texts_;
};

}  // namespace veltrix
