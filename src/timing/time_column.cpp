#include "timing/time_column.h"

#include <algorithm>
#include <memory>
#include <numeric>
#include <vector>

#include "core/column_layouts.h"
#include "core/list_sort.h"
#include "core/row_maker.h"
#include "midi/midi_list.h"
#include "timing/clock_text.h"
#include "timing/event_times.h"

namespace veltrix {

namespace {

constexpr int kTimeColumnTwips = 1100;

Column TimeColumn() {
  return Column{"Time", kTimeColumnTwips, Alignment::Right, "TIME"};
}

// The column the Time column follows in `view`.
const char* LeadingHeader(std::string_view view) {
  if (view == "Midi") return "Measure";
  if (view == "Ots") return "Delay";
  return nullptr;
}

std::string LengthLabel(int64_t microseconds) {
  return "Length: " + LengthText(microseconds);
}

// The time of the latest event of the Midi listing the window holds: the one at the largest
// tick, as the ticks of a track never go down.
std::optional<int64_t> SongMicroseconds(const Session& session) {
  const EventIndex& events = session.window.events;
  if (events.view() != "Midi") return std::nullopt;
  const EventTimes times(session.image, events);
  if (!times.GivesTime()) return std::nullopt;
  const std::optional<int32_t> tick = events.LatestTick();
  return tick ? times.Of(EventRecord{0, 0, *tick, 0, 0, 0}) : 0;
}

// The Time cell put in before cell `place` of the rows another maker makes.
class TimedMadeRows final : public RowMaker {
 public:
  TimedMadeRows(std::shared_ptr<const RowMaker> rows, size_t place, EventTimes times)
      : rows_(std::move(rows)), place_(place), times_(std::move(times)) {}

  size_t ColumnCount() const override { return rows_->ColumnCount() + 1; }

  void Make(const EventRecord& record, MadeRow& row) const override {
    rows_->Make(record, row);
    row.Insert(place_, TimeText(record));
  }

  bool MakeCell(const EventRecord& record, size_t column, MadeRow& row) const override {
    if (column == place_) {
      row.Clear();
      for (size_t cell = 0; cell < place_; ++cell) row.Add({});
      row.Add(TimeText(record));
      return false;
    }
    const bool whole = rows_->MakeCell(record, column < place_ ? column : column - 1, row);
    row.Insert(place_, TimeText(record));
    return whole;
  }

 private:
  std::string_view TimeText(const EventRecord& record) const {
    return times_.GivesTime() ? texts_.Of(times_.Of(record)) : std::string_view();
  }

  std::shared_ptr<const RowMaker> rows_;
  size_t place_;
  EventTimes times_;  // of each track, in the Ots view
  mutable ClockTexts texts_;
};

// Adds the Time column to a Midi or Ots listing whose rows are made when shown; its place, or
// nothing when the view has none.
std::optional<size_t> AddTimeToMadeRows(Session& session) {
  WindowModel& window = session.window;
  const std::optional<size_t> place = TimeColumnPlace(window);
  if (!place || !window.rowMaker || *place > window.rowMaker->ColumnCount()) return std::nullopt;
  window.rowMaker = std::make_shared<const TimedMadeRows>(window.rowMaker, *place,
                                                          EventTimes(session.image, window.events));
  window.columns.insert(window.columns.begin() + static_cast<std::ptrdiff_t>(*place), TimeColumn());
  window.rows.SetColumnCount(window.columns.size());
  return place;
}

}  // namespace

std::optional<size_t> TimeColumnPlace(const WindowModel& window) {
  const char* leading = LeadingHeader(window.PressedView());
  if (leading == nullptr) return std::nullopt;
  const std::optional<size_t> column = ColumnNamed(window.columns, leading);
  if (!column) return std::nullopt;
  return *column + 1;
}

bool AddTimeColumn(Session& session) {
  WindowModel& window = session.window;
  const std::string view = window.PressedView();
  window.lblLength = window.options.TimeColumn && window.songMicroseconds
                         ? LengthLabel(*window.songMicroseconds)
                         : std::string();
  // A Midi listing gets its column while it is made (ListMidiView).
  if (!window.options.TimeColumn || view != "Ots" || window.events.view() != view) return false;
  if (!AddTimeToMadeRows(session)) return false;
  window.FitColumns(true);
  return true;
}

void ListMidiView(Session& session) {
  WindowModel& window = session.window;
  std::optional<size_t> place;
  getMidiList(session, [&] {
    window.songMicroseconds = SongMicroseconds(session);
    if (window.options.TimeColumn) place = AddTimeToMadeRows(session);
  });
  window.lblLength =
      place && window.songMicroseconds ? LengthLabel(*window.songMicroseconds) : std::string();
}

TimedRows::TimedRows(Session& session, RowSink& next)
    : session_(session), next_(next), map_(DivisionOfFile(session.image)) {}

void TimedRows::BeginRows(const WindowModel&) {
  WindowModel& window = session_.window;
  window.lblLength.clear();
  place_ = TimeColumnPlace(window);
  if (place_) {
    window.columns.insert(window.columns.begin() + static_cast<std::ptrdiff_t>(*place_),
                          TimeColumn());
    window.rows.SetColumnCount(window.columns.size());
  }
  next_.BeginRows(window);
}

void TimedRows::Row(const std::string_view* cells, size_t count, const EventRecord& record) {
  if (!place_ || *place_ > count) return next_.Row(cells, count, record);
  // A tempo change at a row's tick does not move that row, so a time known for a tick stays.
  if (record.tick != textTick_ && map_.GivesTime()) {
    const int64_t microseconds = map_.MicrosecondsAt(record.tick);
    last_ = std::max(last_, microseconds);
    textTick_ = record.tick;
    text_ = texts_.Of(microseconds);
  }
  next_.RowWithPlainCell(cells, count, *place_, text_, record);
}

void TimedRows::Tempo(int32_t tick, int32_t microsecondsPerQuarter) {
  map_.AddTempo(tick, microsecondsPerQuarter);
  next_.Tempo(tick, microsecondsPerQuarter);
}

void TimedRows::Finish() {
  WindowModel& window = session_.window;
  window.songMicroseconds = map_.GivesTime() ? std::optional<int64_t>(last_) : std::nullopt;
  window.lblLength = place_ && window.songMicroseconds ? LengthLabel(last_) : std::string();
}

}  // namespace veltrix
