#pragma once

#include <cstdint>
#include <string>

#include "core/session.h"

namespace veltrix {

// The ticks of a measure of `numerator` beats of 1 / 2^power notes (power below 15), the
// grid of the Measure column: the quarter notes of the measure times the ticks per quarter,
// rounded to the nearest whole tick (a tie to the even one).
int64_t TicksPerMeasure(int numerator, int power, int64_t ticksPerQuarter);

// The command text of the meta event whose 0xFF byte is at ReadPos; sets EventLength (the
// walk then moves ReadPos to ReadPos + 2 + EventLength). Failures are not caught here: they
// end the walk that called it. End of Track (type 0x2F) is handled by the walk itself.
std::string MetaEventText(Session& session, MeasureState& measure);

}  // namespace veltrix
