#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/test_support.h"

namespace veltrix {
namespace {

using builder::TrackBuilder;

TEST(OverviewCommand, JsonMembersLibraryLineAndExitStatus) {
  testing::TempDir folder;
  const std::string song = folder.File("song.mid");
  // Program 0 and two notes on channel 1 at 120 beats a minute, left sounding (two warnings);
  // End of Track a second in.
  builder::WriteFile(song, testing::SingleTrackFile(TrackBuilder()
                                                        .Event(0, {0xC0, 0})
                                                        .Event(0, {0x90, 48, 90})
                                                        .Event(0, {0x90, 72, 90})
                                                        .EndOfTrack(960)));
  const std::string list = std::string(VELTRIX_LIST_BINARY) + " --overview ";
  int status = -1;

  // A file that is not there: null members and exit 1, the other file unharmed.
  const nlohmann::json files = nlohmann::json::parse(testing::RunCommand(
      list + "--format json " + song + " " + folder.File("none.mid") + " 2>/dev/null", status));
  EXPECT_EQ(status, 1);
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[0]["kind"], "song");
  EXPECT_EQ(files[0]["seconds"], 1);
  EXPECT_EQ(files[0]["channels"][0]["notes"], 2);
  EXPECT_EQ(files[0]["channels"][0]["lowest_name"], "C4");
  EXPECT_EQ(files[0]["channels"][0]["programs"][0]["name"], "Acoustic Grand Piano");
  EXPECT_TRUE(files[0]["sections"].is_null());
  EXPECT_TRUE(files[1]["kind"].is_null());
  EXPECT_TRUE(files[1]["channels"].is_array());

  const std::string line = testing::RunCommand(list + song, status);
  EXPECT_EQ(status, 0);
  EXPECT_NE(line.find(song + "\tsong\t0\t0:01\t120\t\t\t1\t\t1:Acoustic Grand Piano\t0\t2\t0\n"),
            std::string::npos)
      << line;
}

}  // namespace
}  // namespace veltrix
