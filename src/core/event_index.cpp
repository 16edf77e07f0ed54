#include "core/event_index.h"

#include <algorithm>
#include <iterator>

namespace veltrix {

void EventIndex::Start(std::string view) {
  view_ = std::move(view);
  records_ = {};
  tempos_.clear();
  measures_.clear();
  latestTick_ = INT32_MIN;
}

MeasureState EventIndex::MeasureBefore(int32_t first) const {
  // The changes are in the walk's order, which is the order of their first bytes.
  auto after = std::partition_point(measures_.begin(), measures_.end(),
                                    [&](const MeasureChange& change) { return change.first < first; });
  return after == measures_.begin() ? MeasureState{} : std::prev(after)->state;
}

void EventIndex::Permute(const std::vector<uint32_t>& order) {
  std::deque<EventRecord> reordered;
  for (uint32_t source : order) reordered.push_back(records_.at(source));
  records_ = std::move(reordered);
}

}  // namespace veltrix
