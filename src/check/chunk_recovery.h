#pragma once

#include <cstddef>
#include <optional>

#include "check/byte_view.h"

namespace veltrix::check {

// True when a chunk could begin at `at`: at the file's end, or where four letters, digits or
// spaces (the first a letter) are followed by a length that fits in the file.
bool ChunkCanBeginAt(const ByteView& file, size_t at);

// Finds where a chunk with a wrong length really ends: the next "MTrk" tag behind its data
// that stands near the declared end or directly behind an End of Track. The searches of one
// file go forward, so each byte is looked at once however many chunks are damaged.
class TrackTagFinder {
 public:
  explicit TrackTagFinder(const ByteView& file) : file_(file) {}
  // `data`: where the chunk's data begins; `declaredEnd`: where its length says it ends
  // (may lie past the file). Nothing when no tag fits.
  std::optional<size_t> TrueEnd(size_t data, size_t declaredEnd);
  // The same for a header: the first "MTrk" tag from `from` on, near the declared end.
  std::optional<size_t> TrueHeaderEnd(size_t from, size_t declaredEnd);

  // How far from the declared end a tag counts as near.
  static constexpr size_t kNear = 64;

 private:
  std::optional<size_t> NextTag(size_t from);
  bool Near(size_t at, size_t declaredEnd) const {
    return (at > declaredEnd ? at - declaredEnd : declaredEnd - at) <= kNear;
  }

  const ByteView& file_;
  size_t searchedFrom_ = 0;
  bool searched_ = false;
  std::optional<size_t> found_;  // the first tag at or after searchedFrom_
};

}  // namespace veltrix::check
