#include <gtest/gtest.h>

#include "cli/lister.h"
#include "support/test_support.h"

namespace veltrix {
namespace {

// --time adds the Time column in every format and the duration label in json; without it
// neither appears (the full byte comparison with earlier builds is scripts/compare_listings.sh).
TEST(ListerTime, TheColumnAndTheDurationComeOnlyWithTheOption) {
  builder::TrackBuilder track;
  track.Tempo(0, 250000).Event(0, {0xC0, 1}).Event(480 * 250, {0xC0, 2}).EndOfTrack();
  testing::TempDir dir;
  const std::string path = dir.File("time.mid");
  builder::WriteFile(path, testing::SingleTrackFile(track, 480));
  for (bool time : {false, true}) {
    ListerOptions options;
    options.file = path;
    options.time = time;
    options.format = "json";
    const std::string json = RunLister(options).output;
    EXPECT_EQ(json.find("\"Time\""),
              time ? json.find("\"Measure\",\"Time\",\"Ch\"") + 10 : std::string::npos);
    EXPECT_EQ(json.find(",\"duration\":\"Length: 1:02\"},\"warning\""),
              time ? json.find(",\"duration\"") : std::string::npos);
    if (!time) continue;
    EXPECT_NE(json.find("[\"000032\",\"120000\",\"1:01:000\",\"1:02.500\","), std::string::npos)
        << json;
    for (const char* format : {"tsv", "csv"}) {
      options.format = format;
      const std::string table = RunLister(options).output;
      EXPECT_EQ(table.substr(
                    0, table.find('\r') == std::string::npos ? table.find('\n') : table.find('\r')),
                format == std::string("tsv") ? "ID\tDelay\tMeasure\tTime\tCh\tType\tCommand"
                                             : "ID,Delay,Measure,Time,Ch,Type,Command");
    }
    options.format = "tsv";
    options.view = "Ots";  // a song has no OTS tracks: the header alone, with the column
    EXPECT_EQ(RunLister(options).output, "OTS #\tID\tDelay\tTime\tType\tCommand\n");
  }
  ListerOptions parsed;
  bool help = false;
  std::string error;
  ASSERT_TRUE(ParseListerArguments({"--time", "a.mid"}, parsed, help, error));
  EXPECT_TRUE(parsed.time);
}

}  // namespace
}  // namespace veltrix
