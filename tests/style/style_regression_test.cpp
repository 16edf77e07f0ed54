// Inputs the fuzz targets found, each with the behaviour it now gets.

#include <gtest/gtest.h>

#include "style_fixtures.h"

namespace veltrix::style_test {
namespace {

// A four-byte variable-length quantity, as a file may write even a small number.
Bytes FourByteLength(uint32_t value) {
  return {static_cast<uint8_t>(0x80 | ((value >> 21) & 0x7F)),
          static_cast<uint8_t>(0x80 | ((value >> 14) & 0x7F)),
          static_cast<uint8_t>(0x80 | ((value >> 7) & 0x7F)), static_cast<uint8_t>(value & 0x7F)};
}

// OTS tracks of six bytes each, every one a system-exclusive event whose length reaches to the
// end of the file. Each walk used to stop at its track's declared end and the next track
// started inside the event just listed, so every track listed the rest of the file again: a
// 20 KB file gave 47 MB of text. The next chunk now starts behind the last event walked.
TEST(OtsRegression, EventPastItsTrackIsListedOnceAndEndsTheSection) {
  constexpr uint32_t kTracks = 200;
  constexpr uint32_t kChunkSize = 8 + 6;
  constexpr uint32_t kPadding = 64;
  OtsBuilder ots;
  for (uint32_t i = 0; i < kTracks; ++i) {
    Bytes body = {0x00, 0xF0};
    for (uint8_t byte : FourByteLength((kTracks - i - 1) * kChunkSize + kPadding))
      body.push_back(byte);
    ots.Raw(Bytes{'M', 'T', 'r', 'k', 0, 0, 0, static_cast<uint8_t>(body.size())}).Raw(body);
  }
  const Bytes bytes = StyleBuilder(builder::SampleStyleTrack())
                          .Casm(MinimalCasm())
                          .Ots(ots)
                          .Raw(Bytes(kPadding, 0))
                          .Build();
  for (bool decode : {true, false}) {
    Options options;
    options.DecodeSysex = decode;
    auto listing = ListStyle(bytes, "Ots", options);
    ASSERT_EQ(listing.RowCount(), 1u);
    EXPECT_EQ(listing.Cell(0, 0), "1");
    EXPECT_EQ(listing.Cell(0, 3), "Sysex Command");
    EXPECT_TRUE(listing.messages.empty());
  }
}

// A track whose last event ends exactly at its declared end, without End of Track, hands over
// to the next track as before.
TEST(OtsRegression, TrackWithoutEndOfTrackHandsOverAtItsEnd) {
  OtsBuilder ots;
  ots.Track(TrackBuilder().Event(0, {0xC0, 0x05}));
  ots.Track(builder::SampleOtsTrack(7));
  auto listing = ListStyle(StyleBuilder(builder::SampleStyleTrack())
                               .Casm(MinimalCasm())
                               .Ots(ots)
                               .Raw(Bytes(32, 0))
                               .Build(),
                           "Ots");
  EXPECT_EQ(ColumnOf(listing, 0), Texts({"1", "2", "2"}));
}

}  // namespace
}  // namespace veltrix::style_test
