#pragma once

#include <cstdint>
#include <string>

namespace veltrix::check {

// Measure:Beat:Tick positions on the grid the listing's Measure column and Go To use: that of
// the file's first time signature, laid from tick 0 over the whole song.
class MeasureMap {
 public:
  // No grid (every position empty) when the division has no quarter notes or the time
  // signature gives no whole measure or beat, as the listing then shows no measures either.
  MeasureMap(int ticksPerQuarter, int numerator, int denominatorPower);
  // "M:BB:TTT", measures and beats from 1; empty without a grid.
  std::string Position(int64_t tick) const;

 private:
  int64_t ticksPerMeasure_ = 0;
  int64_t ticksPerBeat_ = 0;
};

}  // namespace veltrix::check
