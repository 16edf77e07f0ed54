#include "timing/tempo_map.h"

#include <algorithm>

namespace veltrix {

namespace {

constexpr int64_t kMicrosecondsPerSecond = 1000000;

}  // namespace

Division DivisionOf(uint16_t word) {
  Division division;
  const int8_t high = static_cast<int8_t>(word >> 8);
  if (high >= 0) {
    division.ticksPerQuarter = word;  // 0 gives no time
    return division;
  }
  const int64_t ticksPerFrame = word & 0xFF;
  if (ticksPerFrame == 0) return division;
  switch (-high) {
    case 24:
    case 25:
    case 30:
      division.smptePerTick = kMicrosecondsPerSecond;
      division.smpteTicks = -high * ticksPerFrame;
      break;
    case 29:  // 30000/1001 frames per second
      division.smptePerTick = kMicrosecondsPerSecond * 1001;
      division.smpteTicks = 30000 * ticksPerFrame;
      break;
    default:
      break;
  }
  return division;
}

TempoMap::TempoMap(Division division) : division_(division) {
  int64_t rate = 0;
  if (division_.IsSmpte()) {
    parts_ = division_.smpteTicks;
    rate = division_.smptePerTick;
  } else if (division_.ticksPerQuarter > 0) {
    parts_ = division_.ticksPerQuarter;
    rate = kDefaultTempo;
  }
  points_.push_back({0, rate, 0, 0});
}

TempoMap::Point TempoMap::Advanced(const Point& from, int32_t tick) const {
  // Ticks below 2^31 times a rate below 2^31 (a tempo has 24 bits, the SMPTE rate about 2^30)
  // stay below 2^62.
  const int64_t ticks = std::max<int64_t>(0, int64_t{tick} - from.tick);
  const int64_t parts = from.remainder + ticks * from.rate;
  // Most steps fit 32 bits, whose division is the quicker one.
  if (parts <= UINT32_MAX && parts_ <= UINT32_MAX) {
    const uint32_t whole = static_cast<uint32_t>(parts) / static_cast<uint32_t>(parts_);
    return {tick, from.rate, from.microseconds + whole, parts - int64_t{whole} * parts_};
  }
  return {tick, from.rate, from.microseconds + parts / parts_, parts % parts_};
}

void TempoMap::AddTempo(int32_t tick, int32_t microsecondsPerQuarter) {
  if (division_.ticksPerQuarter <= 0 || microsecondsPerQuarter <= 0) return;
  if (tick < points_.back().tick) return;
  cursorValid_ = false;
  Point point = Advanced(points_.back(), tick);
  point.rate = microsecondsPerQuarter;
  if (point.tick == points_.back().tick)
    points_.back() = point;
  else
    points_.push_back(point);
}

int64_t TempoMap::MicrosecondsFromPoints(int32_t tick) const {
  if (!GivesTime()) return 0;
  tick = std::max(tick, 0);
  // Listings ask in the track's order, so the last point is the usual answer.
  if (tick >= points_.back().tick) {
    if (!cursorValid_ || tick < cursor_.tick) cursor_ = points_.back();
    cursor_ = Advanced(cursor_, tick);
    cursorValid_ = true;
    return cursor_.microseconds;
  }
  auto after = std::upper_bound(points_.begin(), points_.end(), tick,
                                [](int32_t value, const Point& p) { return value < p.tick; });
  return Advanced(*(after - 1), tick).microseconds;
}

}  // namespace veltrix
