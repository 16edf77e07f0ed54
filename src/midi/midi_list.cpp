#include "midi/midi_list.h"

#include <algorithm>
#include <cstdint>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <limits>
#include <new>
#include <optional>
#include <utility>
#include <vector>

#include "core/column_layouts.h"
#include "core/list_sort.h"
#include "core/number_text.h"
#include "midi/event_walk.h"
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

// True when PositionText cannot fail for any tick on this grid: a beat has at least one tick
// and a measure's beats fit the Measure column's beat number.
bool PositionNeverFails(const MeasureState& measure) {
  return measure.ticksPerBeat > 0 &&
         (int64_t{measure.ticksPerMeasure} - 1) / measure.ticksPerBeat <= INT16_MAX;
}

void LayOutColumns(WindowModel& window) {
  window.viewPressed = {true, false, false, false};
  std::vector<Column> columns = MidiColumns();
  columns[2].header = "Measure";
  window.SetColumns(std::move(columns));
}

// The place and walk state before an event: where a block of rows starts.
struct WalkCheckpoint {
  int32_t readPos = 0;
  WalkState state;
  int64_t row = 0;  // the rows made before it
};

bool SameState(const WalkState& a, const WalkState& b) {
  return a.ticks == b.ticks && a.runningStatus == b.runningStatus &&
         a.measure.ticksPerMeasure == b.measure.ticksPerMeasure &&
         a.measure.ticksPerBeat == b.measure.ticksPerBeat &&
         a.measure.denominator == b.measure.denominator;
}

// The walk's loop over the events of the first track chunk from the session's ReadPos and
// `state`: one row each to `rows`, the tempo changes too, until End of Track or the chunk's
// end. With a row limit it stops after that many rows.
class EventLoop {
 public:
  EventLoop(Session& session, WalkState& state, RowSink& rows, bool progress)
      : session_(session), state_(state), rows_(rows), progress_(progress) {}

  // Walks until the end or `limit` rows (negative: no limit); the rows made. With
  // `checkpoints` it keeps the place and state before every `every`th row of all its runs.
  int64_t Run(int64_t limit, std::vector<WalkCheckpoint>* checkpoints = nullptr,
              int64_t every = 0) {
    const int64_t walkEnd = int64_t{session_.TrackLength} + kFirstTrackLengthOffset;
    int64_t made = 0;
    while (session_.ReadPos < walkEnd && made != limit) {
      if (progress_ && session_.ReadPos / kProgressStep > progressSteps_ &&
          session_.TrackLength > kProgressStep) {
        ++progressSteps_;
        session_.window.SetProgress(session_.ReadPos);
      }
      if (checkpoints && total_ % every == 0)
        checkpoints->push_back({session_.ReadPos, state_, total_});
      if (!Step()) break;
      ++made;
      ++total_;
    }
    return made;
  }

 private:
  // One event; false at End of Track.
  bool Step() {
    ReadDeltaTime(session_, state_, event_);
    // A reader without texts needs the position only where making it would fail, so that the
    // walk ends at the same event as the listing's.
    if (state_.measure.ticksPerMeasure > 0 &&
        (state_.texts || !PositionNeverFails(state_.measure)))
      positionLength_ = PositionText(position_, state_.ticks, state_.measure);
    const int64_t statusAt = int64_t{session_.ReadPos} + 1;
    DecodeEvent(session_, state_, event_);
    if (event_.endOfTrack) return false;
    if (positionLength_ == 0) {
      static constexpr std::string_view kNoGrid = "1:01:000";
      positionLength_ = kNoGrid.copy(position_, kNoGrid.size());
    }
    const EventRecord record{event_.id, session_.ReadPos, state_.ticks, event_.status};
    if (state_.texts) {
      const std::string_view cells[] = {
          {id_, FormatZeroPadded(id_, event_.id, 6)},
          {delay_, FormatDecimal(delay_, event_.delta)},
          {position_, positionLength_},
          {channel_, event_.channel ? FormatDecimal(channel_, event_.channel) : 0},
          event_.type,
          event_.command};
      rows_.Row(cells, std::size(cells), record);
    } else {
      rows_.Row(nullptr, 0, record);
    }
    if (event_.status == 0xFF)
      if (std::optional<int32_t> tempo = TempoAt(session_.image, statusAt))
        rows_.Tempo(state_.ticks, *tempo);
    return true;
  }

  Session& session_;
  WalkState& state_;
  RowSink& rows_;
  bool progress_;
  int64_t progressSteps_ = 0;
  int64_t total_ = 0;  // the rows made by every Run
  WalkedEvent event_;
  char position_[64];
  size_t positionLength_ = 0;
  char id_[24], delay_[24], channel_[24];
};

// Keeps nothing: the first pass of a walk in blocks only finds where the blocks start.
class NoRows final : public RowSink {
 public:
  void BeginRows(const WindowModel&) override {}
  void Row(const std::string_view*, size_t, const EventRecord&) override {}
  bool WantsTexts() const override { return false; }
};

// A session for walking the image of `session` on another thread, whose reports only say
// that something was reported.
void PrepareWorker(const Session& session, Session& worker, bool& reported) {
  worker.image = session.image;
  worker.codePage = session.codePage;
  worker.window.options = session.window.options;
  worker.TrackLength = session.TrackLength;
  worker.reporter.SetSink([&reported](const ErrorReport&) { reported = true; });
  worker.messageSink = [&reported](const std::string&) { reported = true; };
}

// Where a block's rows are written: one for each block being made at a time, kept for the
// next block, so that the blocks of a large file reuse their memory.
struct BlockSlot {
  std::string text;
  std::unique_ptr<RowBlockWriter> writer;
  Session worker;  // prepared once: a session's code page is costly to make
  bool reported = false;
};

// Makes the text of the rows from `start` to `next` on another thread, in `slot`; false when
// the block did not end where the next one starts, or something was reported or failed while
// it was made: the walk then makes it again itself.
bool MakeBlock(WalkCheckpoint start, WalkCheckpoint next, BlockSlot& slot) {
  try {
    Session& worker = slot.worker;
    slot.reported = false;
    worker.ReadPos = start.readPos;
    WalkState state = start.state;
    slot.text.clear();
    const int64_t made = EventLoop(worker, state, *slot.writer, false).Run(next.row - start.row);
    slot.writer->Flush();
    return !slot.reported && made == next.row - start.row && worker.ReadPos == next.readPos &&
           SameState(state, next.state);
  } catch (...) {
    return false;
  }
}

// A walk without texts that runs one block ahead of the blocks being made and keeps where
// each block starts. A failure ends it: the blocks found before it stand, and the real walk
// meets the failure again in the last block.
class BlockScout {
 public:
  BlockScout(const Session& session, int64_t blockRows)
      : blockRows_(blockRows), loop_(scout_, state_, none_, false) {
    PrepareWorker(session, scout_, reported_);
    scout_.ReadPos = session.ReadPos;
    state_.texts = false;
  }
  bool Going() const { return going_; }
  const std::vector<WalkCheckpoint>& Starts() const { return starts_; }
  // Finds the start of one more block.
  void Next() {
    if (!going_) return;
    try {
      const size_t before = starts_.size();
      const int64_t made = loop_.Run(blockRows_, &starts_, blockRows_);
      if (starts_.size() == before || made < blockRows_) going_ = false;
    } catch (...) {
      going_ = false;
    }
    if (!starts_.empty()) starts_.back().state.texts = true;
  }

 private:
  class NoRows final : public RowSink {
   public:
    void BeginRows(const WindowModel&) override {}
    void Row(const std::string_view*, size_t, const EventRecord&) override {}
    bool WantsTexts() const override { return false; }
  };

  int64_t blockRows_;
  Session scout_;
  bool reported_ = false;
  WalkState state_;
  NoRows none_;
  EventLoop loop_;
  std::vector<WalkCheckpoint> starts_;
  bool going_ = true;
};

// The walk of a large track on several threads: a scout without texts finds where blocks of
// rows start, the blocks are made on the sink's threads and handed to it in order, and the
// last block (or the first that could not be made alone) and all after it are walked here as
// usual, so that the walk's end, its failures and its reports are those of a walk in one
// piece.
void WalkInBlocks(Session& session, WalkState& state, RowSink& rows) {
  const RowBlocks plan = rows.Blocks();
  std::vector<BlockSlot> slots(size_t{std::max(plan.threads, 1u)} * 2);
  for (BlockSlot& slot : slots) {
    slot.writer = rows.BlockWriter(slot.text);
    PrepareWorker(session, slot.worker, slot.reported);
  }
  BlockScout scout(session, std::max<int64_t>(plan.rows, 1));
  std::deque<std::future<bool>> pending;
  size_t next = 0, done = 0;
  while (slots.front().writer) {
    while (pending.size() < slots.size()) {
      const std::vector<WalkCheckpoint>& starts = scout.Starts();
      if (next + 1 < starts.size()) {
        pending.push_back(std::async(std::launch::async, MakeBlock, starts[next], starts[next + 1],
                                     std::ref(slots[next % slots.size()])));
        ++next;
      } else if (scout.Going()) {
        scout.Next();
      } else {
        break;
      }
    }
    if (pending.empty()) break;
    const bool made = pending.front().get();
    pending.pop_front();
    if (!made) break;
    rows.WriteBlock(slots[done % slots.size()].text);
    ++done;
  }
  for (auto& waiting : pending) waiting.wait();
  if (done < scout.Starts().size()) {
    session.ReadPos = scout.Starts()[done].readPos;
    state = scout.Starts()[done].state;
  }
  EventLoop(session, state, rows, true).Run(-1);
}

void StartWalk(Session& session) {
  WindowModel& window = session.window;
  session.ReadPos = static_cast<int32_t>(kFirstEventOffset - 1);
  session.TrackLength = FirstTrackLength(session.image);
  window.progressMax = int64_t{session.TrackLength} + 100;
  window.listVisible = false;
  window.events.Start("Midi");
}

void EndWalk(WindowModel& window) {
  window.listVisible = true;
  window.FitColumns(true);
  window.SetProgress(0);
  window.statusText = " To sort, click on a column header.";
}

// Walks the events of the first track chunk, one row each to `rows`, until End of Track or
// the chunk's end, and hands the tempo changes to `rows` too.
void Walk(Session& session, RowSink& rows) {
  StartWalk(session);
  WalkState state;
  state.texts = rows.WantsTexts();
  if (state.texts && rows.Blocks().threads > 1 &&
      session.TrackLength >= rows.Blocks().smallestTrack)
    WalkInBlocks(session, state, rows);
  else
    EventLoop(session, state, rows, true).Run(-1);
  EndWalk(session.window);
}

// Runs one step of the listing; a failure sets "File has errors", makes the list usable again
// with the rows read so far and is reported as "getMidiList". True when the step completed.
template <typename Step>
bool GuardedStep(Session& session, Step step) {
  WindowModel& window = session.window;
  auto endStep = [&window] {
    window.lblWarning = "File has errors";
    window.listVisible = true;
    window.SetProgress(0);
    window.busy = false;
  };
  return Guarded(session.reporter, "getMidiList", false, [&] {
    try {
      step();
    } catch (const std::bad_alloc&) {
      // Out of memory: the rows made so far are dropped, which gives their memory back, so
      // that the window can show the report and go on with an empty list.
      window.DropRows();
      endStep();
      throw;
    } catch (const Failure& failure) {
      if (failure.number() == kOutOfMemory) window.DropRows();
      endStep();
      throw;
    } catch (...) {
      endStep();
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
  const int64_t walkEnd = int64_t{session.TrackLength} + kFirstTrackLengthOffset;
  if (int64_t{session.ReadPos} != walkEnd + 1)
    window.lblWarning = "Tracklength should be: " +
                        SignedNumberText(int64_t{session.ReadPos} - (kFirstTrackLengthOffset + 1));
}

void ListMidi(Session& session, RowSink& rows) {
  WindowModel& window = session.window;
  LayOutColumns(window);
  window.busy = true;
  rows.BeginRows(window);
  const bool walked = GuardedStep(session, [&] { Walk(session, rows); });
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
  std::vector<std::string_view> cells(window.rows.ColumnCount());
  for (size_t row = 0; row < window.rows.size(); ++row) {
    window.rows.CellsOf(row, cells.data());
    const EventRecord* record = window.events.Of(row);
    rows.Row(cells.data(), cells.size(), record ? *record : EventRecord{});
  }
  window.rows.SetColumnCount(window.columns.size());
  window.events.Start(window.events.view());
}

}  // namespace

void getMidiList(Session& session) {
  WindowRows rows(session.window);
  ListMidi(session, rows);
}

void getMidiListThrough(Session& session, RowSink& rows) {
  ListMidi(session, rows);
}

void getMidiList(Session& session, RowSink& rows) {
  if (!session.window.sort.sorted) return ListMidi(session, rows);
  WindowRows kept(session.window);
  ListMidi(session, kept);
  HandOver(session.window, rows);
}

}  // namespace veltrix
