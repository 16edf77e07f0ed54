#include "views/finding_row.h"

#include <tuple>

namespace veltrix {

std::optional<size_t> RowOfFinding(const EventIndex& index, const check::Finding& finding,
                                   bool mergedCopy) {
  if (finding.track < 1 || finding.tick < 0) return std::nullopt;
  std::optional<size_t> best;
  std::optional<EventRecord> bestRecord;
  for (size_t row = 0; row < index.size(); ++row) {
    const EventRecord record = *index.Of(row);
    if (!mergedCopy) {
      if (record.first <= finding.offset && finding.offset <= record.last) return row;
      // Between events (a stray byte): the event that follows it.
      if (record.first > finding.offset && (!bestRecord || record.first < bestRecord->first)) {
        best = row;
        bestRecord = record;
      }
      continue;
    }
    if (record.tick < finding.tick) continue;
    if (!bestRecord ||
        std::tie(record.tick, record.first) < std::tie(bestRecord->tick, bestRecord->first)) {
      best = row;
      bestRecord = record;
    }
  }
  return best;
}

}  // namespace veltrix
