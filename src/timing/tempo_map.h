#pragma once

#include <cstdint>
#include <vector>

namespace veltrix {

// How long a tick lasts, from the division word of the file's header: ticks per quarter note
// (the tempo sets the length of a quarter note), or, with a negative first byte, frames per
// second and ticks per frame (a fixed length; the code -29 stands for 29.97 frames).
struct Division {
  int32_t ticksPerQuarter = 0;  // > 0 for a metrical division
  // A tick of an SMPTE division lasts perTick / ticks microseconds; 0 for a metrical one.
  int64_t smptePerTick = 0;
  int64_t smpteTicks = 0;

  bool IsSmpte() const { return smpteTicks > 0; }
  // False for a division that gives no time: 0, or an unknown frame rate or 0 ticks per frame.
  bool GivesTime() const { return ticksPerQuarter > 0 || IsSmpte(); }
};

Division DivisionOf(uint16_t word);

inline constexpr int32_t kDefaultTempo = 500000;  // microseconds per quarter note: 120 BPM

// The clock of one track: the microseconds at every tick, from the tempo changes of the
// track. Exact: each tempo point keeps the whole microseconds before it and the remainder, in
// parts of a microsecond, carried from the ticks before it, so no error builds up over any
// number of changes. A time is the exact time rounded down to the microsecond.
class TempoMap {
 public:
  explicit TempoMap(Division division = {});

  bool GivesTime() const { return division_.GivesTime(); }
  // A Set Tempo of `microsecondsPerQuarter` at `tick`. Changes come in the track's order
  // (ticks never decrease); of several at one tick the last rules. A value of 0 or one below
  // the last change's tick is ignored, and with an SMPTE division the tempo plays no part.
  void AddTempo(int32_t tick, int32_t microsecondsPerQuarter);
  // Microseconds from the track's start to `tick` (a negative tick counts as 0); 0 when the
  // division gives no time.
  int64_t MicrosecondsAt(int32_t tick) const {
    // Rows in the track's order step on from the last time asked by a few ticks, whose parts
    // fit the quicker 32-bit division.
    if (cursorValid_ && tick >= cursor_.tick) {
      const int64_t parts = cursor_.remainder + int64_t{tick - cursor_.tick} * cursor_.rate;
      if (parts <= UINT32_MAX && parts_ <= UINT32_MAX) {
        const uint32_t whole = static_cast<uint32_t>(parts) / static_cast<uint32_t>(parts_);
        cursor_.tick = tick;
        cursor_.microseconds += whole;
        cursor_.remainder = parts - int64_t{whole} * parts_;
        return cursor_.microseconds;
      }
    }
    return MicrosecondsFromPoints(tick);
  }

 private:
  int64_t MicrosecondsFromPoints(int32_t tick) const;
  struct Point {
    int32_t tick;
    int64_t rate;          // parts per tick: the tempo, or the SMPTE microseconds per tick
    int64_t microseconds;  // whole microseconds at `tick`
    int64_t remainder;     // and the parts of a microsecond, below `parts_`
  };
  Point Advanced(const Point& from, int32_t tick) const;

  Division division_;
  // The time last asked for at or beyond the last tempo point.
  mutable Point cursor_{};
  mutable bool cursorValid_ = false;
  int64_t parts_ = 1;  // parts of a microsecond: the ticks per quarter, or the SMPTE divisor
  std::vector<Point> points_;  // the first at tick 0
};

}  // namespace veltrix
