#include "style/ots.h"

#include <algorithm>
#include <optional>

#include "core/failure.h"
#include "midi/event_walk.h"
#include "style/ots_rows.h"
#include "style/section_locator.h"

namespace veltrix {

namespace {

constexpr int64_t kProgressStep = 500;

class OtsWalk {
 public:
  explicit OtsWalk(Session& session) : session_(session), window_(session.window) {}

  void Run() {
    window_.events.Start("Ots");
    std::optional<OtsSection> section = LocateOts(session_);
    if (!section) return;
    int64_t position = section->dataStart;
    int64_t lastLength = section->length;
    while (position <= section->dataEnd - 4 && lastLength > 0) {
      // The section's declared length may run past the file: the tag test then reads
      // beyond the image, which fails as every other read past the end of this walk does.
      if (position + 4 > session_.image.FileLength()) Raise(kSubscriptOutOfRange);
      if (!session_.image.HasTagAt(position, "MTrk")) break;
      otsNumber_ = CheckedInt16(int32_t{otsNumber_} + 1);
      const uint32_t trackLength = session_.image.BigEndian32(position + 4);
      lastLength = trackLength;
      const int64_t firstEvent = position + 8;
      window_.progressMax = firstEvent + trackLength + 100;
      window_.listVisible = false;
      position = WalkTrack(firstEvent, trackLength);
    }
  }

 private:
  // Lists the events of one track and returns the position of the next chunk: behind its End
  // of Track event, or at its declared end when the track has none. An event that runs past
  // the declared end moves the next chunk behind it, so no byte is walked twice: otherwise
  // every short track could list the rest of the file again.
  int64_t WalkTrack(int64_t firstEvent, uint32_t length) {
    const int64_t end = firstEvent + length;
    session_.ReadPos = CheckedInt32(firstEvent - 1);
    // Each track starts without a measure grid: a grid set by the track before ends here.
    EventIndex& events = window_.events;
    if (!events.measureChanges().empty() &&
        !(events.measureChanges().back().state == MeasureState{}))
      events.AddMeasureChange(session_.ReadPos, MeasureState{});
    // Only the records are kept: the rows are made from them when they are shown. The texts
    // whose making can report a fault are still made, so the reports come as with every text.
    WalkState state;
    state.texts = false;
    state.reports = true;
    WalkedEvent event;
    while (session_.ReadPos < end - 1) {
      if (session_.ReadPos / kProgressStep > progressSteps_) {
        ++progressSteps_;
        window_.SetProgress(session_.ReadPos);
      }
      ReadDeltaTime(session_, state, event);
      const int64_t statusAt = int64_t{session_.ReadPos} + 1;
      const MeasureState measureBefore = state.measure;
      DecodeEvent(session_, state, event);
      if (event.endOfTrack) {
        session_.ReadPos = CheckedInt32(int64_t{session_.ReadPos} + 3 + session_.EventLength);
        return session_.ReadPos;
      }
      events.Add({event.id, session_.ReadPos, state.ticks, event.status, 0, otsNumber_});
      if (event.status == 0xFF) {
        if (std::optional<int32_t> tempo = TempoAt(session_.image, statusAt))
          events.AddTempo(state.ticks, *tempo, otsNumber_);
        if (!(state.measure == measureBefore)) events.AddMeasureChange(event.id, state.measure);
      }
    }
    return std::max<int64_t>(end, int64_t{session_.ReadPos} + 1);
  }

  Session& session_;
  WindowModel& window_;
  int16_t otsNumber_ = 0;
  int64_t progressSteps_ = 0;
};

}  // namespace

void GetOTS(Session& session) {
  Guarded(session.reporter, "GetOTS", 0, [&] {
    OtsWalk(session).Run();
    return 0;
  });
  // Also after a failure, so the window is usable again with the rows read so far.
  WindowModel& window = session.window;
  window.rows.SetColumnCount(window.columns.size());
  window.rowMaker = MakeOtsRows(session);
  window.SetProgress(0);
  window.listVisible = true;
  window.FitColumns(true);
}

}  // namespace veltrix
