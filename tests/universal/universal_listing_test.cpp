#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "cli/lister.h"
#include "midi/midi_list.h"
#include "support/test_support.h"
#include "views/event_detail.h"

namespace veltrix {
namespace {

using builder::Bytes;
using builder::TrackBuilder;

// Rows 0-3: GM System On, a GS master volume of 127, a GS data set broken off before its data
// and checksum, an XG message this option leaves to the older decoder.
Bytes MessagesFile() {
  TrackBuilder track;
  track.Sysex(0, {0x7E, 0x7F, 0x09, 0x01, 0xF7})
      .Sysex(0, {0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x04, 0x7F, 0x3D, 0xF7})
      .Sysex(0, {0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0xF7})
      .Sysex(0, {0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7})
      .EndOfTrack();
  return testing::SingleTrackFile(track);
}

TEST(UniversalListing, TheOptionDecodesOnlyTheMessagesItKnows) {
  const std::vector<std::string> off = testing::ListBytes(MessagesFile()).Commands();
  Options options;
  options.DecodeUniversal = true;
  const std::vector<std::string> on =
      testing::ListBytes(MessagesFile(), "Midi", options).Commands();
  ASSERT_EQ(on.size(), off.size());
  EXPECT_EQ(on[0], "GM System On");
  EXPECT_EQ(on[1], "GS Master Volume = 127");
  EXPECT_NE(off[1], on[1]);
  for (size_t row = 2; row < on.size(); ++row) EXPECT_EQ(on[row], off[row]) << "row " << row;
}

TEST(UniversalListing, TheDetailDecodesWithTheOptionOff) {
  Session session;
  session.image = FileImage(MessagesFile());
  getMidiList(session);
  std::vector<std::string> decoded;
  for (size_t row = 0; row < 4; ++row) decoded.push_back(DescribeEvent(session, row)->decoded);
  EXPECT_EQ(decoded, (std::vector<std::string>{"GM System On", "GS Master Volume = 127", "", ""}));
}

TEST(UniversalListing, ListerFlag) {
  testing::TempDir folder;
  const std::string path = folder.File("messages.mid");
  builder::WriteFile(path, MessagesFile());
  auto listing = [&](std::vector<std::string> arguments) {
    arguments.push_back(path);
    ListerOptions options;
    bool help = false;
    std::string error;
    EXPECT_TRUE(ParseListerArguments(arguments, options, help, error)) << error;
    return RunLister(options).output;
  };
  EXPECT_NE(listing({"--decode-universal"}).find("\tGM System On\n"), std::string::npos);
  EXPECT_EQ(listing({}).find("GM System On"), std::string::npos);
  EXPECT_NE(std::string(kListerHelp).find("--decode-universal"), std::string::npos);
}

}  // namespace
}  // namespace veltrix
