#include "check/measure_map.h"

#include <cmath>
#include <cstdio>

namespace veltrix::check {

MeasureMap::MeasureMap(int ticksPerQuarter, int numerator, int denominatorPower) {
  if (ticksPerQuarter <= 0 || numerator <= 0 || denominatorPower < 0 || denominatorPower >= 15)
    return;
  // A measure of numerator / 2^power whole notes, rounded to a tick (a tie to the even
  // neighbour), and a beat of its whole ticks divided by the numerator: the listing's grid.
  const double quarters = static_cast<double>(numerator) / (1 << denominatorPower) * 4.0;
  ticksPerMeasure_ = static_cast<int64_t>(std::nearbyint(quarters * ticksPerQuarter));
  ticksPerBeat_ = ticksPerMeasure_ / numerator;
  if (ticksPerBeat_ <= 0) ticksPerMeasure_ = ticksPerBeat_ = 0;
}

std::string MeasureMap::Position(int64_t tick) const {
  if (ticksPerMeasure_ <= 0 || tick < 0) return {};
  const int64_t inMeasure = tick % ticksPerMeasure_;
  char text[64];
  std::snprintf(text, sizeof text, "%lld:%02lld:%03lld",
                static_cast<long long>(tick / ticksPerMeasure_ + 1),
                static_cast<long long>(inMeasure / ticksPerBeat_ + 1),
                static_cast<long long>(inMeasure % ticksPerBeat_));
  return text;
}

}  // namespace veltrix::check
