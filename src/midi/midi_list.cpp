#include "midi/midi_list.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <new>
#include <optional>
#include <utility>
#include <vector>

#include "core/column_layouts.h"
#include "core/list_rows.h"
#include "core/list_sort.h"
#include "core/number_text.h"
#include "midi/event_walk.h"
#include "midi/made_rows.h"
#include "midi/measure_position.h"
#include "midi/smf_layout.h"

namespace veltrix {

int32_t FirstTrackLength(const FileImage& image) {
  int64_t length = image.BigEndian32(kFirstTrackLengthOffset);
  // A length too large for the walk's arithmetic stands for "the rest of the file".
  if (length + 100 > std::numeric_limits<int32_t>::max())
    return static_cast<int32_t>(image.UpperIndex() - (kFirstTrackLengthOffset + 1));
  return static_cast<int32_t>(length);
}

namespace {

constexpr int64_t kProgressStep = 500;

void LayOutColumns(WindowModel& window) {
  window.viewPressed = {true, false, false, false};
  std::vector<Column> columns = MidiColumns();
  columns[2].header = "Measure";
  window.SetColumns(std::move(columns));
}

// Walks the events of the first track chunk, one row each to `rows`, until End of Track or
// the chunk's end, and hands the tempo changes to `rows` too.
void Walk(Session& session, RowSink& rows) {
  WindowModel& window = session.window;
  session.ReadPos = static_cast<int32_t>(kFirstEventOffset - 1);
  const int32_t trackLength = FirstTrackLength(session.image);
  window.progressMax = int64_t{trackLength} + 100;
  window.listVisible = false;
  window.events.Start("Midi");

  WalkState state;
  state.texts = rows.WantsTexts();
  state.reports = !state.texts && rows.WantsReports();
  WalkedEvent event;
  char position[kPositionTextRoom];
  size_t positionLength = 0;
  char id[24], delay[24], channel[24];
  int64_t progressSteps = 0;
  const int64_t walkEnd = int64_t{trackLength} + kFirstTrackLengthOffset;
  while (session.ReadPos < walkEnd) {
    if (session.ReadPos / kProgressStep > progressSteps && trackLength > kProgressStep) {
      ++progressSteps;
      window.SetProgress(session.ReadPos);
    }
    ReadDeltaTime(session, state, event);
    // A reader without texts needs the position only where making it would fail, so that the
    // walk ends at the same event as the listing's.
    if (state.measure.ticksPerMeasure > 0 && (state.texts || !PositionNeverFails(state.measure)))
      positionLength = PositionText(position, state.ticks, state.measure);
    const int64_t statusAt = int64_t{session.ReadPos} + 1;
    const MeasureState measureBefore = state.measure;
    DecodeEvent(session, state, event);
    if (event.endOfTrack) break;
    if (positionLength == 0)
      positionLength = kNoGridPosition.copy(position, kNoGridPosition.size());
    const EventRecord record{event.id, session.ReadPos, state.ticks, event.status};
    if (state.texts) {
      const std::string_view cells[] = {
          {id, FormatZeroPadded(id, event.id, 6)},
          {delay, FormatDecimal(delay, event.delta)},
          {position, positionLength},
          {channel, event.channel ? FormatDecimal(channel, event.channel) : 0},
          event.type,
          event.command};
      rows.Row(cells, std::size(cells), record);
    } else {
      rows.Row(nullptr, 0, record);
    }
    if (event.status == 0xFF) {
      if (std::optional<int32_t> tempo = TempoAt(session.image, statusAt))
        rows.Tempo(state.ticks, *tempo);
      if (!(state.measure == measureBefore)) rows.MeasureChanged(event.id, state.measure);
    }
  }

  window.listVisible = true;
  window.SetProgress(0);
  window.statusText = " To sort, click on a column header.";
}

// True inside a handler whose exception says that memory ran out.
bool RanOutOfMemory() {
  try {
    throw;
  } catch (const std::bad_alloc&) {
    return true;
  } catch (const Failure& failure) {
    return failure.number() == kOutOfMemory;
  } catch (...) {
    return false;
  }
}

// Runs one step of the listing; a failure sets "File has errors", makes the list usable again
// with the rows read so far and is reported as "getMidiList". True when the step completed.
template <typename Step>
bool GuardedStep(Session& session, Step step) {
  WindowModel& window = session.window;
  return Guarded(session.reporter, "getMidiList", false, [&] {
    try {
      step();
    } catch (...) {
      // Out of memory, the rows made so far are dropped, which gives their memory back, so
      // that the window can show the report and go on with an empty list.
      if (RanOutOfMemory()) window.DropRows();
      window.lblWarning = "File has errors";
      window.listVisible = true;
      window.SetProgress(0);
      window.busy = false;
      throw;
    }
    return true;
  });
}

// The data labels, and the warning when the walk did not end where the track length says.
void FillLabels(Session& session) {
  const FileImage& image = session.image;
  WindowModel& window = session.window;
  window.lblTracks =
      "Tracks: " + SignedNumberText(CheckedInt16(image.BigEndian16(kTrackCountOffset)));
  window.LblTicksPerQtrNote =
      "Ticks/Qtr Note: " + SignedNumberText(CheckedInt16(image.BigEndian16(kDivisionOffset)));
  window.lblTracklength = "File length:  " + PlainNumberText(image.FileLength());
  window.lblFilename = FileNamePart(window.fileName);
  const int64_t walkEnd = int64_t{FirstTrackLength(image)} + kFirstTrackLengthOffset;
  if (int64_t{session.ReadPos} != walkEnd + 1)
    window.lblWarning = "Tracklength should be: " +
                        SignedNumberText(int64_t{session.ReadPos} - (kFirstTrackLengthOffset + 1));
}

// The listing's steps: the columns, the walk into `rows`, then (for rows made when shown) the
// row maker, `beforeSort` (a column added to every row), the sort and the labels.
void ListMidi(Session& session, RowSink& rows, bool madeWhenShown = false,
              const std::function<void()>& beforeSort = nullptr) {
  WindowModel& window = session.window;
  LayOutColumns(window);
  window.busy = true;
  rows.BeginRows(window);
  bool walked = GuardedStep(session, [&] { Walk(session, rows); });
  if (madeWhenShown)
    walked = GuardedStep(session, [&] { window.rowMaker = MakeMidiRows(session); }) && walked;
  if (beforeSort) beforeSort();
  // The columns are fitted to rows that can be made (the row maker is in place) and hold every
  // column (the Time column has joined); a walk that failed fits none.
  if (walked) window.FitColumns(true);
  ApplyListSort(window);
  if (walked) GuardedStep(session, [&] { FillLabels(session); });
  window.busy = false;
}

// Hands the window's tempo changes and rows to `rows`, the rows in their order, and leaves the
// window without them.
void HandOver(WindowModel& window, RowSink& rows) {
  rows.BeginRows(window);
  for (const TempoChange& change : window.events.tempos())
    rows.Tempo(change.tick, change.microsecondsPerQuarter);
  const ListRows listed(window);
  std::vector<std::string_view> cells(listed.ColumnCount());
  for (size_t row = 0; row < listed.size(); ++row) {
    listed.CellsOf(row, cells.data());
    rows.Row(cells.data(), cells.size(), window.events.Of(row).value_or(EventRecord{}));
  }
  window.DropRows();
}

}  // namespace

void getMidiList(Session& session, const std::function<void()>& beforeSort) {
  IndexRows records(session.window.events, IndexRows::Reports::Made);
  ListMidi(session, records, true, beforeSort);
}

void getMidiList(Session& session, RowSink& rows) {
  if (!session.window.sort.sorted) return ListMidi(session, rows);
  getMidiList(session);
  HandOver(session.window, rows);
}

}  // namespace veltrix
