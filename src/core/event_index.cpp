#include "core/event_index.h"

#include <algorithm>

namespace veltrix {

void EventIndex::Start(std::string view) {
  view_ = std::move(view);
  records_ = {};
  tempos_.clear();
  latestTick_ = INT32_MIN;
}

void EventIndex::Permute(const std::vector<uint32_t>& order) {
  std::deque<EventRecord> reordered;
  for (uint32_t source : order) reordered.push_back(records_.at(source));
  records_ = std::move(reordered);
}

}  // namespace veltrix
