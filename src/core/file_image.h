#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/failure.h"

namespace veltrix {

// Memory for a file's bytes, left unset. With `largePages` it is taken in whole huge pages,
// since every first touch of a small page costs a fault that takes as long as reading the
// page; but a huge page is resident whole, so a small file's bytes take small pages (the
// one-argument form chooses by size).
void* AllocateFileBytes(size_t size, bool largePages);
void* AllocateFileBytes(size_t size);
void FreeFileBytes(void* bytes) noexcept;

// An allocator that leaves new bytes unset: a loaded file is read over them at once, and
// zeroing a large file's buffer first costs as much as the read.
template <typename T>
struct UnsetBytesAllocator {
  using value_type = T;
  template <typename U>
  struct rebind {
    using other = UnsetBytesAllocator<U>;
  };
  UnsetBytesAllocator() = default;
  template <typename U>
  UnsetBytesAllocator(const UnsetBytesAllocator<U>&) noexcept {}
  T* allocate(size_t count) { return static_cast<T*>(AllocateFileBytes(count * sizeof(T))); }
  void deallocate(T* place, size_t) noexcept { FreeFileBytes(place); }
  template <typename U>
  bool operator==(const UnsetBytesAllocator<U>&) const noexcept {
    return true;
  }
  template <typename U>
  void construct(U* place) noexcept {
    ::new (static_cast<void*>(place)) U;
  }
  template <typename U, typename... Args>
  void construct(U* place, Args&&... args) {
    ::new (static_cast<void*>(place)) U(std::forward<Args>(args)...);
  }
};

// The whole opened file as one byte array; index 0 is the first byte. Every read is
// bounds-checked: a read outside the image is the failure "Subscript out of range".
// The bytes never change once made, so copies of an image share them: handing an image to a
// second thread or keeping the loaded file beside a converted one costs no copy.
class FileImage {
 public:
  FileImage() = default;
  using Bytes = std::vector<uint8_t, UnsetBytesAllocator<uint8_t>>;
  explicit FileImage(const std::vector<uint8_t>& bytes);
  // An image that takes over `bytes` without copying them.
  static FileImage Adopt(Bytes bytes);

  int32_t FileLength() const { return static_cast<int32_t>(size_); }
  bool empty() const { return size_ == 0; }
  // The last valid index (-1 for an empty image).
  int32_t UpperIndex() const { return FileLength() - 1; }

  uint8_t at(int64_t index) const {
    if (index < 0 || index >= static_cast<int64_t>(size_)) Raise(kSubscriptOutOfRange);
    return data_[static_cast<size_t>(index)];
  }
  // A 4-byte big-endian unsigned number at `index`.
  uint32_t BigEndian32(int64_t index) const;
  // A 2-byte big-endian number at `index`, as unsigned.
  uint16_t BigEndian16(int64_t index) const;
  // `count` bytes from `index`, checked as a whole.
  const uint8_t* Span(int64_t index, int64_t count) const;
  // True when the bytes at `index` read as `tag` (false when the image ends first).
  bool HasTagAt(int64_t index, const char* tag) const;

  std::span<const uint8_t> bytes() const { return {data_, size_}; }

 private:
  std::shared_ptr<const Bytes> owner_;
  const uint8_t* data_ = nullptr;  // owner_'s bytes, kept here for the reads
  size_t size_ = 0;
};

// Reads all bytes of the file at `path`. Failures carry the numbers the error report knows:
// 53 file not found, 76 path not found, 70 permission denied, 75 a folder or special file,
// 57 a read error, 6 a file too large for a 32-bit length.
FileImage LoadFileImage(const std::string& path);

}  // namespace veltrix
