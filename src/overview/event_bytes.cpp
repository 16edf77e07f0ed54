#include "overview/event_bytes.h"

#include <algorithm>

namespace veltrix::overview {

namespace {

// Steps over a variable-length number from `position` (at most four bytes); its value.
std::optional<uint32_t> VarLen(const FileImage& image, int64_t& position, int64_t last) {
  uint32_t value = 0;
  for (int count = 0; count < 4 && position <= last; ++count) {
    const uint8_t byte = image.at(position++);
    value = (value << 7) | (byte & 0x7F);
    if ((byte & 0x80) == 0) return value;
  }
  return std::nullopt;
}

// The bytes first..last of the image, both within it.
std::span<const uint8_t> Bytes(const FileImage& image, int64_t first, int64_t last) {
  return {image.bytes().data() + first, static_cast<size_t>(last - first + 1)};
}

}  // namespace

std::optional<EventBytes> ReadEvent(const FileImage& image, const EventRecord& record) {
  const int64_t last = record.last;
  if (record.status < 0x80 || record.first < 0 || last < record.first || last > image.UpperIndex())
    return std::nullopt;
  EventBytes event;
  event.status = record.status;
  int64_t position = record.first;
  if (!VarLen(image, position, last) || position > last) return std::nullopt;
  const bool ownStatus = image.at(position) >= 0x80;
  if (record.status < 0xF0) {
    // A channel event: its data bytes end the event.
    const int64_t count = (record.status >> 4) == 0xC || (record.status >> 4) == 0xD ? 1 : 2;
    const int64_t dataStart = ownStatus ? position + 1 : position;
    const int64_t end = std::min(last, dataStart + count - 1);
    if (end >= dataStart) event.data = Bytes(image, dataStart, end);
    return event;
  }
  if (!ownStatus) return std::nullopt;
  ++position;
  if (record.status == 0xFF) {
    if (position > last) return std::nullopt;
    event.metaType = image.at(position++);
  }
  if (record.status == 0xFF || record.status == 0xF0 || record.status == 0xF7) {
    const std::optional<uint32_t> length = VarLen(image, position, last);
    if (!length) return event;
    const int64_t end = std::min<int64_t>(last, position + int64_t{*length} - 1);
    if (end >= position) event.data = Bytes(image, position, end);
  }
  return event;
}

}  // namespace veltrix::overview
