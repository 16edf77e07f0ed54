#include "midi/measure_position.h"

#include <climits>

#include "core/failure.h"
#include "core/number_text.h"

namespace veltrix {

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

bool PositionNeverFails(const MeasureState& measure) {
  return measure.ticksPerBeat > 0 &&
         (int64_t{measure.ticksPerMeasure} - 1) / measure.ticksPerBeat <= INT16_MAX;
}

}  // namespace veltrix
