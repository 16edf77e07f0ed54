#include "style/mfd.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

#include "core/number_text.h"
#include "style/section_locator.h"

namespace veltrix {

namespace {

constexpr int64_t kFieldLeadIn = 7;  // bytes passed over in front of each text length
constexpr double kMicrosecondsPerMinute = 60000000.0;

// The whole number nearest to the beats per minute the record's tempo gives in its time
// signature (an exact half to the even neighbour); nothing for a tempo of 0 or a number
// beyond 16 bits.
std::optional<int16_t> RecordTempo(uint32_t microsecondsPerQuarter, uint8_t numerator) {
  if (microsecondsPerQuarter == 0) return std::nullopt;
  const double tempo =
      std::nearbyint(kMicrosecondsPerMinute / microsecondsPerQuarter * numerator / 4);
  if (tempo > INT16_MAX) return std::nullopt;
  return static_cast<int16_t>(tempo);
}

class MfdWalk {
 public:
  explicit MfdWalk(Session& session) : session_(session), image_(session.image) {}

  void Run() {
    std::optional<int64_t> first = LocateMusicFinder(image_);
    if (!first) return;
    position_ = *first;
    while (position_ < image_.UpperIndex()) {
      if (!image_.HasTagAt(position_, "FNRP")) return;
      if (!ListRecord()) return;
    }
  }

  int64_t position() const { return position_; }

 private:
  // Lists the record at the position and moves behind it; false when the record ends the
  // listing (a tempo that gives no number).
  bool ListRecord() {
    const int64_t data = position_ + 8;
    const uint8_t* head = image_.Span(data, 5);
    const uint32_t tempoValue = (uint32_t{head[0]} << 16) | (uint32_t{head[1]} << 8) | head[2];
    const uint8_t numerator = head[3];
    const uint8_t denominator = head[4];
    std::optional<int16_t> tempo = RecordTempo(tempoValue, numerator);
    if (!tempo) return false;

    int64_t lengthAt = data + 5 + kFieldLeadIn;
    const std::string music = TextField(lengthAt);
    const std::string genre = TextField(lengthAt);
    const std::string keyword = TextField(lengthAt);
    position_ = lengthAt + 1 + image_.at(lengthAt);  // field 4 is passed over unread

    const std::string timeSignature =
        SignedNumberText(numerator) + "/" + SignedNumberText(denominator);
    session_.window.rows.AddRow({music, genre, SignedNumberText(*tempo), timeSignature, keyword});
    return true;
  }

  // The text whose length byte is at `lengthAt`; moves `lengthAt` to the next field's length.
  std::string TextField(int64_t& lengthAt) {
    const uint8_t length = image_.at(lengthAt);
    const uint8_t* bytes = image_.Span(lengthAt + 1, length);
    lengthAt += 1 + length + kFieldLeadIn;
    return session_.codePage.ToUtf8(std::string_view(reinterpret_cast<const char*>(bytes), length));
  }

  Session& session_;
  const FileImage& image_;
  int64_t position_ = 0;
};

}  // namespace

void GetMfdData(Session& session) {
  Guarded(session.reporter, "Get MFD Data", 0, [&] {
    MfdWalk walk(session);
    try {
      walk.Run();
    } catch (const Failure& failure) {
      // A record that runs past the end of the image ends the list without a message.
      if (failure.number() != kSubscriptOutOfRange) throw;
    }
    session.ReadPos = static_cast<int32_t>(std::min<int64_t>(walk.position(), INT32_MAX));
    return 0;
  });
}

}  // namespace veltrix
