#include "core/event_index.h"

#include <algorithm>

namespace veltrix {

namespace {

constexpr int32_t kTempoBeforeTheFirst = 500000;  // 120 beats per minute

}  // namespace

void EventIndex::Start(std::string view, int32_t ticksPerQuarter) {
  view_ = std::move(view);
  division_ = ticksPerQuarter > 0 ? ticksPerQuarter : 0;
  records_ = {};
  tempos_.clear();
}

void EventIndex::AddTempo(int32_t tick, int32_t microsecondsPerQuarter) {
  if (tempos_.empty()) tempos_.push_back({0, kTempoBeforeTheFirst, 0});
  const TempoPoint& before = tempos_.back();
  const int64_t scaled =
      before.scaledBefore + int64_t{tick - before.tick} * before.microsecondsPerQuarter;
  // The lookup takes the last point at or before a tick, so a later change at the same tick
  // rules.
  tempos_.push_back({tick, microsecondsPerQuarter, scaled});
}

void EventIndex::Permute(const std::vector<uint32_t>& order) {
  std::deque<EventRecord> reordered;
  for (uint32_t source : order) reordered.push_back(records_.at(source));
  records_ = std::move(reordered);
}

std::optional<int64_t> EventIndex::MicrosecondsAt(int32_t tick) const {
  if (division_ <= 0 || tick < 0) return std::nullopt;
  TempoPoint point{0, kTempoBeforeTheFirst, 0};
  auto after = std::upper_bound(tempos_.begin(), tempos_.end(), tick,
                                [](int32_t value, const TempoPoint& p) { return value < p.tick; });
  if (after != tempos_.begin()) point = *(after - 1);
  const int64_t scaled =
      point.scaledBefore + int64_t{tick - point.tick} * point.microsecondsPerQuarter;
  return scaled / division_;
}

}  // namespace veltrix
