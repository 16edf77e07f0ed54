// The standard a song is written for, named from its reset messages, and its system-exclusive
// messages counted by standard.
#include <gtest/gtest.h>

#include <fstream>

#include "builder/smf_builder.h"
#include "overview/file_overview.h"
#include "support/test_support.h"

using namespace veltrix;
using builder::Bytes;
using builder::TrackBuilder;

namespace {

// The message bytes after F0, as published: GM 1 System On, GM 2 System On, GS Reset (address
// 40 00 7F, data 00, checksum 41), XG System On, and an XG parameter change (reverb return).
const Bytes kGm1On = {0x7E, 0x7F, 0x09, 0x01, 0xF7};
const Bytes kGm2On = {0x7E, 0x7F, 0x09, 0x03, 0xF7};
const Bytes kGsReset = {0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7};
const Bytes kXgOn = {0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7};
const Bytes kXgReverbReturn = {0x43, 0x10, 0x4C, 0x02, 0x01, 0x0C, 0x40, 0xF7};
const Bytes kMasterVolume = {0x7F, 0x7F, 0x04, 0x01, 0x00, 0x7F, 0xF7};
const Bytes kKeyboardMessage = {0x43, 0x73, 0x01, 0x51, 0x05, 0x00, 0x01, 0x00, 0xF7};

overview::SysexCounts CountsOf(const std::vector<Bytes>& messages) {
  TrackBuilder track;
  for (const Bytes& message : messages) track.Sysex(0, message);
  track.Event(0, {0x90, 0x3C, 0x40}).Event(480, {0x80, 0x3C, 0x00}).EndOfTrack();
  veltrix::testing::TempDir dir;
  const std::string path = dir.File("song.mid");
  const Bytes bytes = builder::SmfBuilder(0, 480).Track(track).Build();
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return overview::OverviewOfFile(path).sysex;
}

}  // namespace

TEST(OverviewStandard, NamedFromTheResets) {
  struct Case {
    std::vector<Bytes> messages;
    std::optional<std::string> standard;
  };
  const Case cases[] = {
      {{}, std::nullopt},
      {{kMasterVolume}, std::nullopt},
      {{kGm1On}, "GM"},
      {{kGm1On, kGm2On}, "GM2"},
      {{kGm1On, kXgOn}, "XG"},  // a GM reset first, as XG songs begin
      {{kXgOn, kGm1On}, "XG"},
      {{kGm1On, kGsReset}, "GS"},
      {{kGsReset, kXgOn}, "XG"},  // the later of the two
  };
  for (const Case& c : cases) EXPECT_EQ(CountsOf(c.messages).standard, c.standard);
}

TEST(OverviewStandard, MessagesCountedByStandard) {
  const overview::SysexCounts counts =
      CountsOf({kGm1On, kGsReset, kXgOn, kXgReverbReturn, kMasterVolume, kKeyboardMessage});
  EXPECT_EQ(counts.gm, 1);
  EXPECT_EQ(counts.gs, 1);
  EXPECT_EQ(counts.xg, 2);
  EXPECT_EQ(counts.universal, 1);
  EXPECT_EQ(counts.keyboard, 1);
  EXPECT_EQ(counts.other, 0);
}
