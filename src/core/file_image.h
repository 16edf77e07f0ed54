#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/failure.h"

namespace veltrix {

// The whole opened file as one byte array; index 0 is the first byte. Every read is
// bounds-checked: a read outside the image is the failure "Subscript out of range".
class FileImage {
 public:
  FileImage() = default;
  explicit FileImage(std::vector<uint8_t> bytes);

  int32_t FileLength() const { return static_cast<int32_t>(bytes_.size()); }
  bool empty() const { return bytes_.empty(); }
  // The last valid index (-1 for an empty image).
  int32_t UpperIndex() const { return FileLength() - 1; }

  uint8_t at(int64_t index) const {
    if (index < 0 || index >= static_cast<int64_t>(bytes_.size())) Raise(kSubscriptOutOfRange);
    return bytes_[static_cast<size_t>(index)];
  }
  // A 4-byte big-endian unsigned number at `index`.
  uint32_t BigEndian32(int64_t index) const;
  // A 2-byte big-endian number at `index`, as unsigned.
  uint16_t BigEndian16(int64_t index) const;
  // `count` bytes from `index`, checked as a whole.
  const uint8_t* Span(int64_t index, int64_t count) const;
  // True when the bytes at `index` read as `tag` (false when the image ends first).
  bool HasTagAt(int64_t index, const char* tag) const;

  const std::vector<uint8_t>& bytes() const { return bytes_; }

 private:
  std::vector<uint8_t> bytes_;
};

// Reads all bytes of the file at `path`. Failures carry the numbers the error report knows:
// 53 file not found, 76 path not found, 70 permission denied, 75 a folder or special file,
// 57 a read error, 6 a file too large for a 32-bit length.
FileImage LoadFileImage(const std::string& path);

}  // namespace veltrix
