#include "core/event_index.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

#include "core/file_image.h"

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

void EventIndex::Records::Free::operator()(EventRecord* block) const noexcept {
  FreeFileBytes(block);
}

void EventIndex::Records::AddBlock() {
  // Only the records added are written: the block is not cleared first.
  blocks_.emplace_back(
      static_cast<EventRecord*>(AllocateFileBytes((kBlockMask + 1) * sizeof(EventRecord))));
}

EventIndex::Records::Records(const Records& other) {
  for (size_t row = 0; row < other.size(); ++row) push_back(other[row]);
}

EventIndex::Records& EventIndex::Records::operator=(const Records& other) {
  if (this != &other) *this = Records(other);
  return *this;
}

void EventIndex::Permute(const std::vector<uint32_t>& order) {
  Records reordered;
  for (uint32_t source : order) {
    if (source >= records_.size()) throw std::out_of_range("EventIndex::Permute");
    reordered.push_back(records_[source]);
  }
  records_ = std::move(reordered);
}

}  // namespace veltrix
