#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace veltrix::check {

// Measure:Beat:Tick positions of one track from its time signatures (4/4 until the first).
// Each time signature starts a new measure at its tick.
class MeasureMap {
 public:
  explicit MeasureMap(int ticksPerQuarter) : ticksPerQuarter_(ticksPerQuarter) {}
  // Time signatures must come in tick order; one that gives no whole beat is left out.
  void AddTimeSignature(int64_t tick, int numerator, int denominatorPower);
  // "M:BB:TTT", measures and beats from 1; empty when the division has no quarter notes.
  std::string Position(int64_t tick) const;

 private:
  struct Segment {
    int64_t tick;
    int64_t measure;  // measures before this segment
    int64_t ticksPerBeat;
    int64_t ticksPerMeasure;
  };
  Segment At(int64_t tick) const;

  int ticksPerQuarter_;
  std::vector<Segment> segments_;
};

}  // namespace veltrix::check
