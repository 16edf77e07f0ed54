#pragma once

#include <cstdint>
#include <string>

#include "core/session.h"

namespace veltrix {

// The measure state of one walk: set by the first Time Signature event (grid) and by every
// one (denominator, read by the tempo text).
struct MeasureState {
  int32_t ticksPerMeasure = 0;  // 0: no grid set yet
  int32_t ticksPerBeat = 0;
  int16_t denominator = 0;
};

// The ticks of a measure of `numerator` beats of 1 / 2^power notes (power below 15), the
// grid of the Measure column: the quarter notes of the measure times the ticks per quarter,
// rounded to the nearest whole tick (a tie to the even one).
int64_t TicksPerMeasure(int numerator, int power, int64_t ticksPerQuarter);

// The command text of the meta event whose 0xFF byte is at ReadPos; sets EventLength (the
// walk then moves ReadPos to ReadPos + 2 + EventLength). Failures are not caught here: they
// end the walk that called it. End of Track (type 0x2F) is handled by the walk itself.
std::string MetaEventText(Session& session, MeasureState& measure);

}  // namespace veltrix
