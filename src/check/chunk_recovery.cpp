#include "check/chunk_recovery.h"

namespace veltrix::check {

namespace {

bool IsLetter(uint8_t byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}
bool IsTagByte(uint8_t byte) {
  return IsLetter(byte) || (byte >= '0' && byte <= '9') || byte == ' ';
}

}  // namespace

bool ChunkCanBeginAt(const ByteView& file, size_t at) {
  if (at == file.size()) return true;
  if (at > file.size() || file.size() - at < 8 || !IsLetter(*file.At(at))) return false;
  for (size_t i = 1; i < 4; ++i)
    if (!IsTagByte(*file.At(at + i))) return false;
  return *file.Number(at + 4, 4) <= file.size() - at - 8;
}

std::optional<size_t> TrackTagFinder::NextTag(size_t from) {
  // A search that began at or before `from` and found its tag at or after it found this one.
  if (searched_ && searchedFrom_ <= from && (!found_ || *found_ >= from)) return found_;
  searched_ = true;
  searchedFrom_ = from;
  found_ = file_.Find("MTrk", from);
  return found_;
}

std::optional<size_t> TrackTagFinder::TrueEnd(size_t data, size_t declaredEnd) {
  const std::optional<size_t> tag = NextTag(data);
  if (!tag || *tag == declaredEnd) return std::nullopt;
  const bool behindEndOfTrack = *tag >= data + 3 && *file_.At(*tag - 3) == 0xFF &&
                                *file_.At(*tag - 2) == 0x2F && *file_.At(*tag - 1) == 0x00;
  if (!behindEndOfTrack && !Near(*tag, declaredEnd)) return std::nullopt;
  return tag;
}

std::optional<size_t> TrackTagFinder::TrueHeaderEnd(size_t from, size_t declaredEnd) {
  const std::optional<size_t> tag = NextTag(from);
  if (!tag || *tag == declaredEnd || !Near(*tag, declaredEnd)) return std::nullopt;
  return tag;
}

}  // namespace veltrix::check
