// What a script relies on when it reads veltrix-list's output: JSON that any parser takes,
// whatever bytes a file name holds, and a conversion that either succeeds or says why not.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "support/test_support.h"

namespace veltrix {
namespace {

using builder::SmfBuilder;
using builder::TrackBuilder;

std::string List(const std::string& arguments, int& status) {
  return testing::RunCommand(std::string(VELTRIX_LIST_BINARY) + " " + arguments, status);
}

std::string Quoted(const std::string& path) {
  return "'" + path + "'";
}

TEST(JsonOutput, FileNamesThatAreNotUtf8StillGiveValidJson) {
  testing::TempDir folder;
  const std::string latin1 = folder.File("caf\xE9 song.mid");  // "é" written in Latin-1
  const std::string good = folder.File("ok.mid");
  const auto bytes = testing::SingleTrackFile(TrackBuilder().Event(0, {0xC0, 1}).EndOfTrack());
  builder::WriteFile(latin1, bytes);
  builder::WriteFile(good, bytes);
  const std::string replaced = "caf\xEF\xBF\xBD song.mid";

  int status = -1;
  const nlohmann::json one = nlohmann::json::parse(List("--format json " + Quoted(latin1), status));
  EXPECT_EQ(status, 0);
  EXPECT_EQ(one["labels"]["filename"], replaced);
  EXPECT_NE(one["caption"].get<std::string>().find(replaced), std::string::npos);

  const nlohmann::json many =
      nlohmann::json::parse(List("--format json " + Quoted(latin1) + " " + Quoted(good), status));
  ASSERT_EQ(many.size(), 2u);
  EXPECT_EQ(many[0]["path"], folder.File("caf\xEF\xBF\xBD song.mid"));

  // A message that quotes the path: the file has gone by the time it is listed.
  const std::string missing = folder.File("gone \xE9.mid");
  const std::string lines = List("--format jsonl " + Quoted(missing) + " " + Quoted(good), status);
  EXPECT_EQ(status, 1);
  size_t count = 0;
  for (size_t start = 0; start < lines.size(); ++count) {
    const size_t end = lines.find('\n', start);
    EXPECT_TRUE(nlohmann::json::accept(lines.substr(start, end - start)));
    start = end + 1;
  }
  EXPECT_EQ(count, 2u);

  // TSV keeps the name's bytes as they are.
  const std::string tsv = List("--format tsv " + Quoted(latin1) + " " + Quoted(good), status);
  EXPECT_NE(tsv.find("==> " + latin1 + " <=="), std::string::npos);
}

std::string FormatOneFile(testing::TempDir& folder) {
  TrackBuilder tempo = TrackBuilder().Tempo(0, 500000).EndOfTrack();
  TrackBuilder notes;
  for (int i = 0; i < 200; ++i) notes.Event(10, {0x90, 0x3C, 0x40}).Event(10, {0x80, 0x3C, 0});
  const std::string path = folder.File("song.mid");
  builder::WriteFile(path, SmfBuilder(1, 480).Track(tempo).Track(notes.EndOfTrack()).Build());
  return path;
}

TEST(Conversion, AnUnusableTemporaryFolderStillListsTheWholeSong) {
  testing::TempDir folder;
  const std::string path = FormatOneFile(folder);
  int status = -1;
  const std::string out = List(Quoted(path), status);
  const std::string fallback = testing::RunCommand(
      "TMPDIR=" + folder.File("nonexistent") + " " + VELTRIX_LIST_BINARY + " " + Quoted(path),
      status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(fallback, out);
  EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 1 + 1 + 400);  // header, tempo, notes
}

TEST(Conversion, NoRoomForTheCopyIsReportedAndNothingIsListed) {
  testing::TempDir folder;
  const std::string path = FormatOneFile(folder);
  int status = -1;
  // No file may grow past 0 bytes: every folder is as good as full. The signal that would
  // end the process is ignored so the write fails with an error instead.
  const std::string out = testing::RunCommand("bash -c \"trap '' XFSZ; ulimit -f 0; exec " +
                                                  std::string(VELTRIX_LIST_BINARY) +
                                                  " --format json " + Quoted(path) + "\"",
                                              status);
  EXPECT_EQ(status, 1);
  const nlohmann::json listing = nlohmann::json::parse(out);
  EXPECT_TRUE(listing["rows"].empty());
  EXPECT_EQ(listing["messages"],
            nlohmann::json::array(
                {"Disk is full.", "This file could not be converted to type 0 midi format"}));
}

}  // namespace
}  // namespace veltrix
