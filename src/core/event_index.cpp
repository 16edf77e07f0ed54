#include "core/event_index.h"

#include <algorithm>
#include <iterator>
#include <stdexcept>

#include "core/file_image.h"

namespace veltrix {

void EventIndex::Start(std::string view) {
  view_ = std::move(view);
  records_ = {};
  trackStarts_.clear();
  longEvents_.clear();
  tempos_.clear();
  measures_.clear();
  latestTick_ = INT32_MIN;
}

void EventIndex::AddAside(const EventRecord& record) {
  const int64_t length = int64_t{record.last} - record.first;
  const bool fits = length >= 0 && length < kLongEvent;
  if (!fits) {
    // Kept in the order of first bytes, so that a lookup can halve its way there.
    auto at =
        std::upper_bound(longEvents_.begin(), longEvents_.end(), record.first,
                         [](int32_t first, const LongEvent& event) { return first < event.first; });
    longEvents_.insert(at, {record.first, record.last});
  }
  const int16_t track = trackStarts_.empty() ? 0 : trackStarts_.back().track;
  if (record.otsTrack != track) trackStarts_.push_back({record.first, record.otsTrack});
  records_.push_back(
      {record.first, record.tick, record.status, static_cast<uint8_t>(fits ? length : kLongEvent)});
  if (record.tick > latestTick_) latestTick_ = record.tick;
}

EventRecord EventIndex::Unpacked(const Packed& packed) const {
  // Read out of the packed record first: a reference to its member may be misaligned.
  const int32_t first = packed.first;
  EventRecord record;
  record.first = first;
  record.tick = packed.tick;
  record.status = packed.status;
  if (packed.length != kLongEvent) {
    record.last = first + packed.length;
  } else {
    auto after =
        std::upper_bound(longEvents_.begin(), longEvents_.end(), first,
                         [](int32_t at, const LongEvent& event) { return at < event.first; });
    record.last = after == longEvents_.begin() ? first : std::prev(after)->last;
  }
  if (!trackStarts_.empty()) {
    auto after =
        std::upper_bound(trackStarts_.begin(), trackStarts_.end(), first,
                         [](int32_t at, const TrackStart& start) { return at < start.first; });
    record.otsTrack = after == trackStarts_.begin() ? 0 : std::prev(after)->track;
  }
  return record;
}

MeasureState MeasureBefore(const std::vector<MeasureChange>& changes, int32_t first) {
  auto after =
      std::partition_point(changes.begin(), changes.end(),
                           [&](const MeasureChange& change) { return change.first < first; });
  return after == changes.begin() ? MeasureState{} : std::prev(after)->state;
}

void EventIndex::Records::Free::operator()(Packed* block) const noexcept {
  FreeFileBytes(block);
}

void EventIndex::Records::AddRoom() {
  constexpr size_t kFirstRoom = 256;
  // Only the records added are written: a block is not cleared first.
  // A whole block takes its two megabytes in a large page; the first block, while it grows,
  // takes small pages, so a short file's index takes no two megabytes.
  auto allocate = [](size_t records) {
    const bool whole = records == kBlock;
    const size_t bytes = whole ? size_t{2} << 20 : records * sizeof(Packed);
    return std::unique_ptr<Packed[], Free>(static_cast<Packed*>(AllocateFileBytes(bytes, whole)));
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
