#pragma once

#include <optional>

#include "core/session.h"

namespace veltrix {

// Keeps the list's sort on its column while the Time column comes (`on`) or goes, called
// before listing again, with the window still holding the columns of before. A sort by a
// column behind the Time column moves with that column. A sort by the Time column itself is
// switched off, as its column goes, and its direction (0 ascending, 1 descending) returned so
// the new rows can be put in the same order with OrderRowsByTime.
std::optional<int> FollowTimeColumn(WindowModel& window, bool on);

// Puts the rows of a Midi or Ots listing in the order of their events' clock times (`order`
// 0 earliest first, 1 latest first); rows of equal time keep their order. Nothing changes
// when the file's header gives no time.
void OrderRowsByTime(Session& session, int order);

}  // namespace veltrix
