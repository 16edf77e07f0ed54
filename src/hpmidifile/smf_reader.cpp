#include "hpmidifile/smf_reader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <limits>

namespace hpmidifile {

namespace {

struct ReadFailure {
  uint32_t number;
};

// Reads from bytes[position, end) and never beyond: a read past the end is kTruncated.
class BoundedReader {
 public:
  BoundedReader(const std::vector<uint8_t>& bytes, size_t begin, size_t end)
      : bytes_(bytes), position_(begin), end_(end) {}

  size_t position() const { return position_; }
  size_t remaining() const { return end_ - position_; }
  bool AtEnd() const { return position_ >= end_; }

  uint8_t Peek() const {
    if (position_ >= end_) throw ReadFailure{kTruncated};
    return bytes_[position_];
  }
  uint8_t Byte() {
    uint8_t byte = Peek();
    ++position_;
    return byte;
  }
  uint16_t Number16() {
    uint16_t high = Byte();
    return static_cast<uint16_t>((high << 8) | Byte());
  }
  uint32_t Number32() {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = (value << 8) | Byte();
    return value;
  }
  // A variable-length quantity of at most four bytes, the most the file format allows.
  uint32_t VarLen() {
    uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
      uint8_t byte = Byte();
      value = (value << 7) | (byte & 0x7F);
      if (byte < 0x80) return value;
    }
    throw ReadFailure{kBadEvent};
  }
  // Steps over `count` bytes and returns the offset of the first.
  size_t Take(uint64_t count) {
    if (count > remaining()) throw ReadFailure{kTruncated};
    size_t start = position_;
    position_ += static_cast<size_t>(count);
    return start;
  }
  bool TagIs(const char* tag) const {
    return remaining() >= 4 && std::memcmp(bytes_.data() + position_, tag, 4) == 0;
  }

 private:
  const std::vector<uint8_t>& bytes_;
  size_t position_;
  size_t end_;
};

// Data bytes of a channel event, by the status byte's high nibble 8 to E.
constexpr std::array<uint8_t, 7> kChannelDataBytes = {2, 2, 2, 2, 1, 1, 2};

constexpr uint8_t kMeta = 0xFF;
constexpr uint8_t kSysex = 0xF0;
constexpr uint8_t kEscape = 0xF7;
constexpr uint8_t kEndOfTrack = 0x2F;

void AddEvent(SmfFile& file, uint64_t tick, uint8_t status, uint8_t metaType, size_t offset,
              uint64_t length) {
  // The file is at most 4 GiB long, so offsets and lengths inside it fit 32 bits.
  file.events.push_back(
      {tick, static_cast<uint32_t>(offset), static_cast<uint32_t>(length), status, metaType});
}

// Reads one MTrk body up to its End of Track (bytes after it are ignored). Running status
// carries across meta and system-exclusive events, as files in the wild rely on.
void ReadTrack(SmfFile& file, BoundedReader track) {
  SmfTrack result;
  result.firstEvent = static_cast<uint32_t>(file.events.size());
  uint64_t tick = 0;
  uint8_t runningStatus = 0;
  while (!track.AtEnd()) {
    tick += track.VarLen();
    uint8_t status = track.Peek();
    if (status >= 0x80) {
      track.Byte();
    } else if (runningStatus == 0) {
      throw ReadFailure{kBadEvent};  // a data byte before any status byte
    } else {
      status = runningStatus;
    }

    if (status < 0xF0) {
      runningStatus = status;
      uint8_t count = kChannelDataBytes[(status >> 4) - 8];
      size_t offset = track.Take(count);
      for (size_t i = 0; i < count; ++i)
        if (file.bytes[offset + i] >= 0x80) throw ReadFailure{kBadEvent};
      AddEvent(file, tick, status, 0, offset, count);
    } else if (status == kSysex || status == kEscape) {
      uint32_t length = track.VarLen();
      AddEvent(file, tick, status, 0, track.Take(length), length);
    } else if (status == kMeta) {
      uint8_t type = track.Byte();
      uint32_t length = track.VarLen();
      size_t offset = track.Take(length);
      if (type == kEndOfTrack) break;
      AddEvent(file, tick, status, type, offset, length);
    } else {
      throw ReadFailure{kBadEvent};  // system common and real-time messages have no place here
    }
  }
  if (file.events.size() > std::numeric_limits<uint32_t>::max()) throw ReadFailure{kTooLarge};
  result.endEvent = static_cast<uint32_t>(file.events.size());
  result.endTick = tick;
  file.tracks.push_back(result);
}

void Read(SmfFile& file) {
  const std::vector<uint8_t>& bytes = file.bytes;
  if (bytes.size() > std::numeric_limits<uint32_t>::max()) throw ReadFailure{kTooLarge};
  BoundedReader reader(bytes, 0, bytes.size());
  if (!reader.TagIs("MThd")) throw ReadFailure{kNotMidi};
  reader.Take(4);
  uint32_t headerLength = reader.Number32();
  if (headerLength < 6) throw ReadFailure{kNotMidi};
  size_t headerStart = reader.position();
  uint16_t format = reader.Number16();
  uint16_t declaredTracks = reader.Number16();
  file.division = reader.Number16();
  if (format > 2) throw ReadFailure{kUnknownFormat};
  reader.Take(headerLength - (reader.position() - headerStart));

  // The tracks the header declares are the song: a sequencer may keep private data in an
  // MTrk chunk behind them precisely so that other readers leave it out. A header that
  // declares no track at all is plainly wrong; then every MTrk chunk is taken.
  const size_t wantedTracks = declaredTracks == 0 ? SIZE_MAX : declaredTracks;
  // A few stray bytes after the last chunk are not a chunk and are left alone.
  while (reader.remaining() >= 8 && file.tracks.size() < wantedTracks) {
    bool isTrack = reader.TagIs("MTrk");
    reader.Take(4);
    uint32_t length = reader.Number32();
    size_t start = reader.Take(length);
    if (!isTrack) continue;
    // Room for the track's events at about three bytes each, growing geometrically.
    size_t wanted = file.events.size() + length / 3;
    if (wanted > file.events.capacity())
      file.events.reserve(std::max(wanted, 2 * file.events.capacity()));
    ReadTrack(file, BoundedReader(bytes, start, start + length));
  }
  if (file.tracks.empty()) throw ReadFailure{kNoTrack};
  // Fewer tracks than the header promises: the file was cut off at a chunk boundary.
  if (file.tracks.size() < declaredTracks) throw ReadFailure{kTruncated};
}

}  // namespace

uint32_t ReadSmf(SmfFile& file) {
  file.events.clear();
  file.tracks.clear();
  try {
    Read(file);
  } catch (const ReadFailure& failure) {
    file.events.clear();
    file.tracks.clear();
    return failure.number;
  }
  return kOk;
}

}  // namespace hpmidifile
