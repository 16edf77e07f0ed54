#include "style/section_locator.h"

#include <limits>

#include "midi/smf_layout.h"

namespace veltrix {

namespace {

constexpr int64_t kNoLimit = std::numeric_limits<int64_t>::max();
constexpr int64_t kCasmSearchStart = 20;  // past the track length: the tag normally is at +22
constexpr int64_t kCasmViewSearchEnd = 30;
constexpr int64_t kRoomAfterCasmTag = 28;
constexpr int64_t kRoomAfterTag = 10;
constexpr int64_t kRoomBehindCasm = 30;
constexpr int64_t kOtsSearchWindow = 30;  // bytes tolerated between the CASM data and "OTS"
constexpr char kNoCasmWarning[] = "No CASM in file";

enum class Search { Found, NotInRange, ImageEnded };

struct TagSearch {
  Search outcome;
  int64_t at;
};

// The first offset from `from` to `to` holding `tag`. The search ends, with ImageEnded, at
// the first offset whose `room` bytes behind it the image lacks.
TagSearch FindTag(const FileImage& image, const char* tag, int64_t from, int64_t to, int64_t room) {
  const int64_t last = image.UpperIndex();
  for (int64_t at = from; at <= to; ++at) {
    if (at + room > last) return {Search::ImageEnded, at};
    if (image.HasTagAt(at, tag)) return {Search::Found, at};
  }
  return {Search::NotInRange, to};
}

// The first track's length field; nothing when the image is too short to hold it.
std::optional<int64_t> TrackLengthField(const FileImage& image) {
  if (image.UpperIndex() < kFirstTrackLengthOffset + 3) return std::nullopt;
  return image.BigEndian32(kFirstTrackLengthOffset);
}

// The offset behind the chunk whose tag is at `tag`: its 8 head bytes and its length field.
int64_t BehindChunk(const FileImage& image, int64_t tag) {
  return tag + 8 + image.BigEndian32(tag + 4);
}

}  // namespace

std::optional<int64_t> LocateCasm(Session& session) {
  const FileImage& image = session.image;
  const std::optional<int64_t> trackLength = TrackLengthField(image);
  // A file too short to hold a track length surely holds no CASM section either.
  if (!trackLength || *trackLength + kCasmViewSearchEnd > image.UpperIndex()) {
    session.window.lblWarning = kNoCasmWarning;
    return std::nullopt;
  }
  const TagSearch casm = FindTag(image, "CASM", *trackLength + kCasmSearchStart,
                                 *trackLength + kCasmViewSearchEnd, kRoomAfterCasmTag);
  if (casm.outcome == Search::ImageEnded) return std::nullopt;
  if (casm.outcome == Search::NotInRange) return *trackLength + kCasmViewSearchEnd + 1;
  return casm.at;
}

std::optional<OtsSection> LocateOts(Session& session) {
  const FileImage& image = session.image;
  const std::optional<int64_t> trackLength = TrackLengthField(image);
  if (!trackLength) return std::nullopt;
  if (*trackLength + kRoomBehindCasm > image.UpperIndex()) return std::nullopt;

  const TagSearch casm =
      FindTag(image, "CASM", *trackLength + kCasmSearchStart, kNoLimit, kRoomAfterCasmTag);
  if (casm.outcome != Search::Found) return std::nullopt;
  const int64_t behindCasm = BehindChunk(image, casm.at);
  if (behindCasm + kRoomBehindCasm > image.UpperIndex()) return std::nullopt;

  const TagSearch ots =
      FindTag(image, "OTS", behindCasm, behindCasm + kOtsSearchWindow, kRoomAfterTag);
  if (ots.outcome != Search::Found) return std::nullopt;
  const uint32_t otsLength = image.BigEndian32(ots.at + 4);
  return OtsSection{ots.at + 8, ots.at + 8 + otsLength, otsLength};
}

std::optional<int64_t> LocateMusicFinder(const FileImage& image) {
  const std::optional<int64_t> trackLength = TrackLengthField(image);
  if (!trackLength) return std::nullopt;
  const TagSearch casm =
      FindTag(image, "CASM", kFirstEventOffset + *trackLength, kNoLimit, kRoomAfterTag);
  if (casm.outcome != Search::Found) return std::nullopt;
  const int64_t ots = BehindChunk(image, casm.at);
  if (ots + kRoomAfterTag > image.UpperIndex() || !image.HasTagAt(ots, "OTS")) return std::nullopt;
  const TagSearch finder = FindTag(image, "FNR", BehindChunk(image, ots), kNoLimit, kRoomAfterTag);
  if (finder.outcome != Search::Found) return std::nullopt;
  return finder.at + 8;
}

}  // namespace veltrix
