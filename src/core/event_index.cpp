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

void EventIndex::Records::AddRoom() {
  constexpr size_t kBlock = kBlockMask + 1;
  constexpr size_t kFirstRoom = 256;
  // Only the records added are written: a block is not cleared first.
  auto allocate = [](size_t records) {
    return std::unique_ptr<EventRecord[], Free>(
        static_cast<EventRecord*>(AllocateFileBytes(records * sizeof(EventRecord))));
  };
  if (capacity_ < kBlock) {
    const size_t room = capacity_ == 0 ? kFirstRoom : std::min(2 * capacity_, kBlock);
    auto first = allocate(room);
    if (size_ > 0) std::copy(blocks_[0].get(), blocks_[0].get() + size_, first.get());
    if (blocks_.empty())
      blocks_.push_back(std::move(first));
    else
      blocks_[0] = std::move(first);
    capacity_ = room;
    return;
  }
  blocks_.push_back(allocate(kBlock));
  capacity_ += kBlock;
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
