#pragma once

// src/universal: decoders of the General MIDI, GS and universal system-exclusive messages,
// written over the message's bytes. Above core and yamaha, below sysex.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace veltrix::universal {

// The data bytes of one system-exclusive message: the bytes after its F0, up to the first byte
// of 0x80 or more (its closing F7, or a stray status byte where the message breaks off). Every
// read says whether the message is long enough for it, so a short message is never read past
// its end.
class MessageBytes {
 public:
  explicit MessageBytes(std::span<const uint8_t> bytes) : bytes_(bytes) {
    size_t count = 0;
    while (count < bytes_.size() && bytes_[count] < 0x80) ++count;
    bytes_ = bytes_.first(count);
  }
  MessageBytes(const uint8_t* data, size_t size) : MessageBytes(std::span(data, size)) {}

  size_t size() const { return bytes_.size(); }
  std::optional<uint8_t> At(size_t at) const {
    if (at >= bytes_.size()) return std::nullopt;
    return bytes_[at];
  }
  // Two bytes from `at`, low seven bits first, as one 14-bit number.
  std::optional<int> LowFirst14(size_t at) const {
    if (at >= bytes_.size() || bytes_.size() - at < 2) return std::nullopt;
    return bytes_[at] | (bytes_[at + 1] << 7);
  }
  // The bytes from `at` to the end (none when `at` is past it).
  std::span<const uint8_t> From(size_t at) const {
    return at >= bytes_.size() ? std::span<const uint8_t>() : bytes_.subspan(at);
  }
  // True when byte `at` is there and equals `value`.
  bool Is(size_t at, uint8_t value) const { return at < bytes_.size() && bytes_[at] == value; }

 private:
  std::span<const uint8_t> bytes_;
};

}  // namespace veltrix::universal
