#include "midi/midi_list.h"

#include <limits>
#include <utility>

#include "core/number_text.h"
#include "midi/event_walk.h"
#include "views/column_layouts.h"
#include "views/list_sort.h"

namespace veltrix {

namespace {

constexpr int32_t kFirstTrackLengthOffset = 18;

}  // namespace

int32_t FirstTrackLength(const FileImage& image) {
  int64_t length = image.BigEndian32(kFirstTrackLengthOffset);
  // A length too large for the walk's arithmetic stands for "the rest of the file".
  if (length + 100 > std::numeric_limits<int32_t>::max()) return image.UpperIndex() - 19;
  return static_cast<int32_t>(length);
}

namespace {

// The Measure:Beat:Tick text, " 3:02:120", written to `out` (room for 64 characters).
size_t PositionText(char* out, int32_t ticks, const MeasureState& measure) {
  int32_t bar = static_cast<int32_t>(CheckedDivide(ticks, measure.ticksPerMeasure));
  int32_t remainder = ticks - bar * measure.ticksPerMeasure;
  int16_t beat = CheckedInt16(CheckedDivide(remainder, measure.ticksPerBeat));
  int32_t tick = remainder - beat * measure.ticksPerBeat;
  size_t at = 0;
  if (int64_t{bar} + 1 >= 0) out[at++] = ' ';
  at += FormatDecimal(out + at, int64_t{bar} + 1);
  out[at++] = ':';
  at += FormatZeroPadded(out + at, beat + 1, 2);
  out[at++] = ':';
  at += FormatZeroPadded(out + at, tick, 3);
  return at;
}

void SetDataLabels(Session& session) {
  const FileImage& image = session.image;
  std::string tracks = "Tracks: " + SignedNumberText(CheckedInt16(image.BigEndian16(10)));
  std::string ticks = "Ticks/Qtr Note: " + SignedNumberText(CheckedInt16(image.BigEndian16(12)));
  WindowModel& window = session.window;
  window.lblTracks = tracks;
  window.LblTicksPerQtrNote = ticks;
  window.lblTracklength = "File length:  " + PlainNumberText(image.FileLength());
  window.lblFilename = FileNamePart(window.fileName);
}

void Walk(Session& session, RowStream* stream) {
  WindowModel& window = session.window;
  session.ReadPos = 21;
  session.TrackLength = FirstTrackLength(session.image);
  window.progressMax = int64_t{session.TrackLength} + 100;
  window.listVisible = false;

  WalkState state;
  WalkedEvent event;
  char position[64];
  size_t positionLength = 0;
  char id[24], delay[24], channel[24];
  int64_t progressSteps = 0;
  const int64_t walkEnd = int64_t{session.TrackLength} + kFirstTrackLengthOffset;
  while (session.ReadPos < walkEnd) {
    if (session.ReadPos / 500 > progressSteps && session.TrackLength > 500) {
      ++progressSteps;
      window.SetProgress(session.ReadPos);
    }
    ReadDeltaTime(session, state, event);
    if (state.measure.ticksPerMeasure > 0)
      positionLength = PositionText(position, state.ticks, state.measure);
    DecodeEvent(session, state, event);
    if (event.endOfTrack) break;
    if (positionLength == 0) {
      static constexpr std::string_view kNoGrid = "1:01:000";
      positionLength = kNoGrid.copy(position, kNoGrid.size());
    }
    const std::string_view cells[] = {
        {id, FormatZeroPadded(id, event.id, 6)},
        {delay, FormatDecimal(delay, event.delta)},
        {position, positionLength},
        {channel, event.channel ? FormatDecimal(channel, event.channel) : 0},
        event.type,
        event.command};
    if (stream)
      stream->Row(cells, std::size(cells));
    else
      window.rows.AddRow(cells, std::size(cells));
  }

  window.listVisible = true;
  window.FitColumns(true);
  window.SetProgress(0);
  window.statusText = " To sort, click on a column header.";
  SetDataLabels(session);
  if (int64_t{session.ReadPos} != walkEnd + 1)
    window.lblWarning = "Tracklength should be: " + SignedNumberText(int64_t{session.ReadPos} - 19);
}

}  // namespace

void getMidiList(Session& session) {
  WindowModel& window = session.window;
  window.viewPressed = {true, false, false, false};
  std::vector<Column> columns = MidiColumns();
  columns[2].header = "Measure";
  window.SetColumns(std::move(columns));
  window.busy = true;
  RowStream* stream = std::exchange(window.rowStream, nullptr);
  if (window.sort.sorted) stream = nullptr;
  if (stream) stream->BeginRows(window);
  Guarded(session.reporter, "getMidiList", 0, [&] {
    try {
      Walk(session, stream);
    } catch (...) {
      window.lblWarning = "File has errors";
      window.listVisible = true;
      window.SetProgress(0);
      window.busy = false;
      throw;
    }
    return 0;
  });
  ApplyListSort(window);
  window.busy = false;
}

}  // namespace veltrix
