#include "lyrics/karaoke_chunk.h"

#include <optional>

namespace veltrix {

namespace {

constexpr int64_t kChunkHeaderLength = 8;  // tag and 4-byte length

// Reads the events of one chunk's data [at, end) into `lyrics`.
class ChunkEvents {
 public:
  ChunkEvents(const FileImage& image, int64_t at, int64_t end)
      : image_(image), at_(at), end_(end) {}

  void Read(std::vector<ChunkLyric>& lyrics) {
    int64_t tick = 0;
    uint8_t running = 0;
    while (at_ < end_) {
      const int64_t offset = at_;
      const std::optional<int64_t> delta = Quantity();
      if (!delta || at_ >= end_) return;
      tick += *delta;
      if (tick > INT32_MAX) return;
      uint8_t status = image_.at(at_);
      if (status & 0x80)
        ++at_;
      else if (running)
        status = running;
      else
        return;
      if (status == 0xFF) {
        if (at_ >= end_) return;
        const uint8_t type = image_.at(at_++);
        const std::optional<int64_t> length = Quantity();
        if (!length || *length > end_ - at_) return;
        if (type == 0x05) lyrics.push_back({static_cast<int32_t>(tick), offset, at_, *length});
        at_ += *length;
        if (type == 0x2F) return;
      } else if (status == 0xF0 || status == 0xF7) {
        const std::optional<int64_t> length = Quantity();
        if (!length || *length > end_ - at_) return;
        at_ += *length;
      } else if (status < 0xF0) {
        running = status;
        const uint8_t kind = status & 0xF0;
        at_ += kind == 0xC0 || kind == 0xD0 ? 1 : 2;
      } else {
        return;
      }
    }
  }

 private:
  std::optional<int64_t> Quantity() {
    int64_t value = 0;
    for (int count = 0; count < 4 && at_ < end_; ++count) {
      const uint8_t byte = image_.at(at_++);
      value = value * 128 + (byte & 0x7F);
      if (!(byte & 0x80)) return value;
    }
    return std::nullopt;
  }

  const FileImage& image_;
  int64_t at_;
  int64_t end_;
};

}  // namespace

std::vector<ChunkLyric> KaraokeChunkLyrics(const FileImage& image) {
  std::vector<ChunkLyric> lyrics;
  const int64_t size = image.FileLength();
  if (size < kChunkHeaderLength || !image.HasTagAt(0, "MThd")) return lyrics;
  int64_t at = kChunkHeaderLength + image.BigEndian32(4);
  while (at + kChunkHeaderLength <= size) {
    const int64_t length = image.BigEndian32(at + 4);
    const int64_t data = at + kChunkHeaderLength;
    const int64_t end = data + length < size ? data + length : size;
    if (image.HasTagAt(at, "XFKM")) ChunkEvents(image, data, end).Read(lyrics);
    at = data + length;
  }
  return lyrics;
}

}  // namespace veltrix
