#include "timing/time_column_sort.h"

#include <algorithm>
#include <numeric>
#include <vector>

#include "timing/event_times.h"
#include "timing/time_column.h"

namespace veltrix {

std::optional<int> FollowTimeColumn(WindowModel& window, bool on) {
  ListSort& sort = window.sort;
  const std::optional<size_t> place = TimeColumnPlace(window);
  if (!sort.sorted || !place) return std::nullopt;
  if (on) {
    if (sort.key >= *place) ++sort.key;
    return std::nullopt;
  }
  if (sort.key != *place) {
    if (sort.key > *place) --sort.key;
    return std::nullopt;
  }
  sort.sorted = false;
  return sort.order;
}

void OrderRowsByTime(Session& session, int order) {
  WindowModel& window = session.window;
  if (window.events.size() != window.RowCount()) return;
  const EventTimes times(session.image, window.events);
  if (!times.GivesTime()) return;
  std::vector<int64_t> at(window.RowCount());
  for (size_t row = 0; row < at.size(); ++row) at[row] = times.Of(*window.events.Of(row));
  std::vector<uint32_t> rows(at.size());
  std::iota(rows.begin(), rows.end(), 0u);
  std::stable_sort(rows.begin(), rows.end(), [&](uint32_t a, uint32_t b) {
    return order == 0 ? at[a] < at[b] : at[a] > at[b];
  });
  window.PermuteRows(rows);
}

}  // namespace veltrix
