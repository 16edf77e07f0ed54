#include "timing/event_times.h"

#include "midi/smf_layout.h"

namespace veltrix {

namespace {

// A variable-length quantity at `at` within bytes up to `last`: its value, `at` moved past it.
std::optional<int64_t> ReadQuantity(const FileImage& image, int64_t& at, int64_t last) {
  int64_t value = 0;
  for (int count = 0; count < 4 && at <= last; ++count) {
    const uint8_t byte = image.at(at++);
    value = value * 128 + (byte & 0x7F);
    if (!(byte & 0x80)) return value;
  }
  return std::nullopt;
}

}  // namespace

Division DivisionOfFile(const FileImage& image) {
  if (image.FileLength() < kDivisionOffset + 2) return {};
  return DivisionOf(image.BigEndian16(kDivisionOffset));
}

EventTimes::EventTimes(const FileImage& image, const EventIndex& index)
    : plain_(DivisionOfFile(image)) {
  for (const TempoChange& change : index.tempos()) {
    if (change.otsTrack < 0) continue;
    const size_t track = static_cast<size_t>(change.otsTrack);
    if (maps_.size() <= track) maps_.resize(track + 1, plain_);
    maps_[track].AddTempo(change.tick, change.microsecondsPerQuarter);
  }
}

int64_t EventTimes::Of(const EventRecord& record) const {
  const size_t track = static_cast<size_t>(record.otsTrack);
  const TempoMap& map = record.otsTrack >= 0 && track < maps_.size() ? maps_[track] : plain_;
  return map.MicrosecondsAt(record.tick);
}

std::optional<MetaEventData> MetaEventOf(const FileImage& image, const EventRecord& record) {
  const int64_t last = record.last;
  if (record.status != 0xFF || record.first < 0 || last > image.UpperIndex()) return std::nullopt;
  int64_t at = record.first;
  if (!ReadQuantity(image, at, last) || at + 1 > last || image.at(at) != 0xFF) return std::nullopt;
  MetaEventData meta;
  meta.type = image.at(at + 1);
  at += 2;
  const std::optional<int64_t> length = ReadQuantity(image, at, last);
  if (!length) return std::nullopt;
  meta.first = at;
  meta.length = *length;
  return meta;
}

}  // namespace veltrix
