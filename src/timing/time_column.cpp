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

// Puts the rows back in the walk's order, which is the order of their first bytes.
void RestoreWalkOrder(WindowModel& window) {
  std::vector<uint32_t> order(window.RowCount());
  std::iota(order.begin(), order.end(), 0u);
  std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
    return window.events.Of(a)->first < window.events.Of(b)->first;
  });
  window.PermuteRows(order);
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
  TimedMadeRows(std::shared_ptr<const RowMaker> rows, size_t place, TempoMap map)
      : rows_(std::move(rows)), place_(place), map_(std::move(map)) {}

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
    return map_.GivesTime() ? texts_.Of(map_.MicrosecondsAt(record.tick)) : std::string_view();
  }

  std::shared_ptr<const RowMaker> rows_;
  size_t place_;
  TempoMap map_;
  mutable ClockTexts texts_;
};

// Adds the Time column to a Midi listing whose rows are made when shown; its place, or nothing
// when the view has none.
std::optional<size_t> AddTimeToMadeRows(Session& session) {
  WindowModel& window = session.window;
  const std::optional<size_t> place = TimeColumnPlace(window);
  if (!place || !window.rowMaker || *place > window.rowMaker->ColumnCount()) return std::nullopt;
  TempoMap map(DivisionOfFile(session.image));
  for (const TempoChange& change : window.events.tempos())
    map.AddTempo(change.tick, change.microsecondsPerQuarter);
  window.rowMaker = std::make_shared<const TimedMadeRows>(window.rowMaker, *place, std::move(map));
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
  const std::optional<size_t> place = TimeColumnPlace(window);
  if (!place || window.events.size() != window.rows.size()) return false;

  if (window.sort.sorted) RestoreWalkOrder(window);
  const EventTimes times(session.image, window.events);
  const size_t columns = window.rows.ColumnCount();
  RowTable timed;
  timed.SetColumnCount(columns + 1);
  timed.Reserve(window.rows.size());
  std::vector<std::string_view> cells(columns + 1);
  char text[kClockTextRoom];
  for (size_t row = 0; row < window.rows.size(); ++row) {
    window.rows.CellsOf(row, cells.data());
    std::move_backward(cells.begin() + *place, cells.end() - 1, cells.end());
    const int64_t microseconds = times.GivesTime() ? times.Of(*window.events.Of(row)) : 0;
    cells[*place] = times.GivesTime() ? std::string_view(text, FormatClock(text, microseconds))
                                      : std::string_view();
    timed.AddRow(cells.data(), cells.size());
  }
  window.rows = std::move(timed);
  window.columns.insert(window.columns.begin() + static_cast<std::ptrdiff_t>(*place), TimeColumn());
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
