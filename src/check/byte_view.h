#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace veltrix::check {

// Reads bytes of a file without ever leaving them: every read says whether it could be done.
class ByteView {
 public:
  explicit ByteView(std::span<const uint8_t> bytes) : bytes_(bytes) {}
  size_t size() const { return bytes_.size(); }
  std::optional<uint8_t> At(size_t at) const {
    if (at >= bytes_.size()) return std::nullopt;
    return bytes_[at];
  }
  // A big-endian number of `count` bytes (at most 4).
  std::optional<uint32_t> Number(size_t at, size_t count) const {
    if (at > bytes_.size() || bytes_.size() - at < count) return std::nullopt;
    uint32_t value = 0;
    for (size_t i = 0; i < count; ++i) value = (value << 8) | bytes_[at + i];
    return value;
  }
  bool TagAt(size_t at, std::string_view tag) const {
    if (at > bytes_.size() || bytes_.size() - at < tag.size()) return false;
    for (size_t i = 0; i < tag.size(); ++i)
      if (bytes_[at + i] != static_cast<uint8_t>(tag[i])) return false;
    return true;
  }
  // The first place at or after `from` where `tag` stands, if any.
  std::optional<size_t> Find(std::string_view tag, size_t from) const {
    for (size_t at = from; at + tag.size() <= bytes_.size(); ++at)
      if (bytes_[at] == static_cast<uint8_t>(tag[0]) && TagAt(at, tag)) return at;
    return std::nullopt;
  }
  // The four bytes at `at` as a chunk tag, '?' for any that is not printable or missing.
  std::string TagText(size_t at) const {
    std::string tag;
    for (size_t i = 0; i < 4; ++i) {
      const auto byte = At(at + i);
      tag.push_back(byte && *byte >= 0x20 && *byte < 0x7F ? static_cast<char>(*byte) : '?');
    }
    return tag;
  }
  // Up to `count` bytes from `at`: fewer where the bytes end first.
  std::span<const uint8_t> Span(size_t at, size_t count) const {
    if (at >= bytes_.size()) return {};
    return bytes_.subspan(at, std::min(count, bytes_.size() - at));
  }

 private:
  std::span<const uint8_t> bytes_;
};

}  // namespace veltrix::check
