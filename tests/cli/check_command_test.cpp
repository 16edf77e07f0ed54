#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/test_support.h"

namespace veltrix {
namespace {

using builder::SmfBuilder;
using builder::TrackBuilder;

TEST(CheckCommand, FindingsSummaryJsonAndExitStatus) {
  testing::TempDir folder;
  const std::string clean = folder.File("clean.mid");
  const std::string cut = folder.File("cut.mid");
  const std::string noted = folder.File("noted.mid");
  builder::WriteFile(clean,
                     testing::SingleTrackFile(TrackBuilder().Event(0, {0xC0, 1}).EndOfTrack()));
  builder::WriteFile(cut,
                     SmfBuilder(0, 480).TrackWithLength(TrackBuilder().EndOfTrack(), 99).Build());
  builder::WriteFile(noted,
                     testing::SingleTrackFile(TrackBuilder().Event(0, {0x80, 60, 0}).EndOfTrack()));
  const std::string list = std::string(VELTRIX_LIST_BINARY) + " --check ";
  int status = -1;

  // Only a note: no error, exit 0, and the file counts as clean; the summary goes to standard
  // error.
  const std::string out = testing::RunCommand(list + noted + " " + clean + " 2>&1", status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(out.substr(0, out.find('\n')),
            "path\tseverity\tcode\toffset\ttrack\ttick\tmeasure\tmessage");
  EXPECT_NE(out.find(noted + "\tnote\tnote-off-without-note-on\t22\t1\t0\t1:01:000\t"),
            std::string::npos);
  EXPECT_NE(out.find("files checked: 2, with errors: 0, with warnings only: 0, clean: 2"),
            std::string::npos);

  // A warning (a note left sounding) but no error: still exit 0.
  const std::string sounding = folder.File("sounding.mid");
  builder::WriteFile(
      sounding, testing::SingleTrackFile(TrackBuilder().Event(0, {0x90, 60, 64}).EndOfTrack()));
  EXPECT_NE(testing::RunCommand(list + sounding + " 2>&1", status)
                .find("files checked: 1, with errors: 0, with warnings only: 1, clean: 0"),
            std::string::npos);
  EXPECT_EQ(status, 0);

  // One file with an error: exit 1. JSON: unknown members are null, never left out.
  const nlohmann::json files = nlohmann::json::parse(
      testing::RunCommand(list + "--format json " + cut + " " + folder.File("none.mid"), status));
  EXPECT_EQ(status, 1);
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[0]["format"], 0);
  EXPECT_EQ(files[0]["findings"][0]["code"], "chunk-past-end");
  EXPECT_TRUE(files[0]["findings"][0]["measure"].is_null());
  EXPECT_GE(files[0]["counts"]["error"].get<int>(), 1);
  EXPECT_TRUE(files[1]["format"].is_null());
  EXPECT_EQ(files[1]["findings"][0]["code"], "unreadable");

  const std::string lines =
      testing::RunCommand(list + "--format jsonl --jobs 2 " + clean + " " + cut, status);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), '\n'), 2);
}

}  // namespace
}  // namespace veltrix
