#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "hpmidifile/smf_data.h"

namespace hpmidifile {

// Calls visit(event) for every event of every track in time order: at equal ticks the lower
// track first, within a track the file order. Each track is already in time order, so a k-way
// merge over the tracks' next events does it in N log k.
template <class Visit>
void ForEachInTimeOrder(const SmfFile& file, Visit&& visit) {
  struct Cursor {
    uint64_t tick;
    uint32_t track;
    uint32_t next;  // index of the track's next event
  };
  // std heaps keep the largest on top; "later" puts the earliest (tick, track) there.
  auto later = [](const Cursor& a, const Cursor& b) {
    return a.tick != b.tick ? a.tick > b.tick : a.track > b.track;
  };
  std::vector<Cursor> heap;
  heap.reserve(file.tracks.size());
  for (uint32_t t = 0; t < file.tracks.size(); ++t) {
    const SmfTrack& track = file.tracks[t];
    if (track.firstEvent < track.endEvent)
      heap.push_back({file.events[track.firstEvent].tick, t, track.firstEvent});
  }
  std::make_heap(heap.begin(), heap.end(), later);
  while (!heap.empty()) {
    std::pop_heap(heap.begin(), heap.end(), later);
    Cursor& cursor = heap.back();
    const uint32_t end = file.tracks[cursor.track].endEvent;
    // Stay on this track while its events come before every other track's next event.
    const Cursor* rival = heap.size() > 1 ? &heap.front() : nullptr;
    do {
      visit(file.events[cursor.next]);
      ++cursor.next;
      if (cursor.next == end) break;
      cursor.tick = file.events[cursor.next].tick;
    } while (rival == nullptr || later(*rival, cursor));
    if (cursor.next == end)
      heap.pop_back();
    else
      std::push_heap(heap.begin(), heap.end(), later);
  }
}

}  // namespace hpmidifile
