#include "check/measure_map.h"

#include <cstdio>

namespace veltrix::check {

MeasureMap::Segment MeasureMap::At(int64_t tick) const {
  Segment current{0, 0, ticksPerQuarter_, 4LL * ticksPerQuarter_};
  for (const Segment& segment : segments_) {
    if (segment.tick > tick) break;
    current = segment;
  }
  return current;
}

void MeasureMap::AddTimeSignature(int64_t tick, int numerator, int denominatorPower) {
  if (ticksPerQuarter_ <= 0 || numerator <= 0 || denominatorPower > 8) return;
  const int64_t ticksPerBeat = 4LL * ticksPerQuarter_ >> denominatorPower;
  if (ticksPerBeat <= 0 || (4LL * ticksPerQuarter_) % (1LL << denominatorPower) != 0) return;
  const Segment before = At(tick);
  const int64_t elapsed = tick - before.tick;
  const int64_t measure =
      before.measure + (elapsed + before.ticksPerMeasure - 1) / before.ticksPerMeasure;
  if (!segments_.empty() && segments_.back().tick == tick) segments_.pop_back();
  segments_.push_back({tick, measure, ticksPerBeat, ticksPerBeat * numerator});
}

std::string MeasureMap::Position(int64_t tick) const {
  if (ticksPerQuarter_ <= 0 || tick < 0) return {};
  const Segment segment = At(tick);
  const int64_t inSegment = tick - segment.tick;
  const int64_t measure = segment.measure + inSegment / segment.ticksPerMeasure;
  const int64_t inMeasure = inSegment % segment.ticksPerMeasure;
  char text[64];
  std::snprintf(text, sizeof text, "%lld:%02lld:%03lld", static_cast<long long>(measure + 1),
                static_cast<long long>(inMeasure / segment.ticksPerBeat + 1),
                static_cast<long long>(inMeasure % segment.ticksPerBeat));
  return text;
}

}  // namespace veltrix::check
