#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "shell/convert_format0.h"
#include "shell/open_command.h"
#include "support/test_support.h"

namespace veltrix {
namespace {

namespace fs = std::filesystem;
using builder::Bytes;
using builder::SmfBuilder;
using builder::TrackBuilder;

// Points $TMPDIR somewhere else for the life of the object.
class TemporaryFolderSetting {
 public:
  explicit TemporaryFolderSetting(const std::string& path) {
    if (const char* old = std::getenv("TMPDIR")) old_ = old;
    setenv("TMPDIR", path.c_str(), 1);
  }
  ~TemporaryFolderSetting() {
    if (old_)
      setenv("TMPDIR", old_->c_str(), 1);
    else
      unsetenv("TMPDIR");
  }

 private:
  std::optional<std::string> old_;
};

bool IsEmptyFolder(const std::string& path) {
  return fs::is_directory(path) && fs::is_empty(path);
}

Bytes ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

Bytes ThreeTrackFile() {
  return SmfBuilder(1, 480)
      .Track(TrackBuilder().Tempo(0, 500000).Meta(0, 0x03, "Song").EndOfTrack())
      .Track(TrackBuilder()
                 .Event(0, {0xC0, 0x05})
                 .Event(480, {0x90, 0x3C, 0x64})
                 .Event(240, {0x3C, 0x00})  // running status
                 .EndOfTrack())
      .Track(TrackBuilder()
                 .Event(0, {0xC1, 0x07})
                 .Event(480, {0x91, 0x40, 0x50})
                 .Event(240, {0x40, 0x00})
                 .EndOfTrack(960))
      .Build();
}

// An "MT" file whose format byte asks for a conversion the library cannot do.
Bytes UnconvertibleFile() {
  return {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 2, 0x01, 0xE0, 'M', 'T', 'r', 'k', 0, 0, 0x10};
}

struct Row {
  std::string id, delay, channel, type;
};

TEST(ConvertToFormat0, FormatOneListsAsItsMergedTrack) {
  // Offsets in the converted file: each event with its own status byte, tracks merged.
  const std::vector<Row> expected = {
      {"000022", "0", "", "Metadata"},       // 00 FF 51 03 07 A1 20
      {"000029", "0", "", "Metadata"},       // 00 FF 03 04 Song
      {"000037", "0", "1", "Midi Event"},    // 00 C0 05
      {"000040", "0", "2", "Midi Event"},    // 00 C1 07
      {"000043", "480", "1", "Midi Event"},  // 83 60 90 3C 64
      {"000048", "0", "2", "Midi Event"},    // 00 91 40 50
      {"000052", "240", "1", "Midi Event"},  // 81 70 90 3C 00
      {"000057", "0", "2", "Midi Event"},    // 00 91 40 00
  };
  testing::Listing listing = testing::ListBytes(ThreeTrackFile(), "Midi", {}, "song.mid");
  EXPECT_TRUE(listing.messages.empty());
  ASSERT_EQ(listing.RowCount(), expected.size());
  for (size_t row = 0; row < expected.size(); ++row) {
    SCOPED_TRACE(row);
    EXPECT_EQ(listing.Cell(row, 0), expected[row].id);
    EXPECT_EQ(listing.Cell(row, 1), expected[row].delay);
    EXPECT_EQ(listing.Cell(row, 3), expected[row].channel);
    EXPECT_EQ(listing.Cell(row, 4), expected[row].type);
  }
  // End of Track at tick 1680, 960 after the last event: 87 40 FF 2F 00, 66 bytes in all.
  EXPECT_EQ(listing.window.lblTracks, "Tracks:  1");
  EXPECT_EQ(listing.window.lblTracklength, "File length:  66");
  EXPECT_EQ(listing.window.lblWarning, "");
  EXPECT_EQ(listing.window.lblFilename, "song.mid");
}

TEST(ConvertToFormat0, KaraokeFileIsConvertedToo) {
  testing::Listing listing = testing::ListBytes(ThreeTrackFile(), "Midi", {}, "Song.KAR");
  EXPECT_TRUE(listing.messages.empty());
  EXPECT_EQ(listing.RowCount(), 8u);
  EXPECT_EQ(listing.window.lblTracks, "Tracks:  1");
}

TEST(ConvertToFormat0, TargetName) {
  const std::pair<const char*, const char*> cases[] = {
      {"/music/song.mid", "Veltrix_song.mid"},         {"C:\\Music\\song.mid", "Veltrix_song.mid"},
      {"/music/Song.KAR", "Veltrix_Song.mid"},         {"/music/Song.kAr", "Veltrix_Song.mid"},
      {"/music/song.kar.mid", "Veltrix_song.kar.mid"}, {"song.sty", "Veltrix_song.sty"},
  };
  for (const auto& [source, target] : cases) EXPECT_EQ(ConversionTargetName(source), target);
}

TEST(ConvertToFormat0, UnconvertibleFileIsRefused) {
  testing::Listing listing = testing::ListBytes(UnconvertibleFile());
  EXPECT_EQ(listing.messages,
            std::vector<std::string>{"This file could not be converted to type 0 midi format"});
  EXPECT_EQ(listing.RowCount(), 0u);
  EXPECT_FALSE(listing.window.busy);
}

class NothingLeftBehind : public ::testing::TestWithParam<const char*> {};

TEST_P(NothingLeftBehind, NeitherTheCopyNorItsFolder) {
  testing::TempDir sources;
  const std::string path = sources.File(GetParam());
  const bool good = std::string(GetParam()).find("good") != std::string::npos;
  const Bytes bytes = good ? ThreeTrackFile() : UnconvertibleFile();
  builder::WriteFile(path, bytes);
  testing::TempDir watched;
  testing::Listing listing;
  {
    TemporaryFolderSetting setting(watched.path());
    listing = testing::ListFile(path);
  }
  EXPECT_EQ(listing.messages.empty(), good);
  EXPECT_TRUE(IsEmptyFolder(watched.path()));
  // The user's file is untouched and nothing was written beside it.
  EXPECT_EQ(ReadBytes(path), bytes);
  EXPECT_EQ(std::distance(fs::directory_iterator(sources.path()), fs::directory_iterator()), 1);
}

INSTANTIATE_TEST_SUITE_P(Files, NothingLeftBehind,
                         ::testing::Values("good.mid", "good.kar", "bad.mid", "bad.kar"));

TEST(ConvertToFormat0, AnUnusableTemporaryFolderFallsBackToTmp) {
  testing::TempDir sources;
  const std::string path = sources.File("song.mid");
  builder::WriteFile(path, ThreeTrackFile());
  testing::Listing listing;
  {
    TemporaryFolderSetting setting(sources.File("missing"));
    listing = testing::ListFile(path);
  }
  EXPECT_TRUE(listing.messages.empty());
  EXPECT_EQ(listing.RowCount(), 8u);
  EXPECT_EQ(listing.window.lblTracks, "Tracks:  1");
}

TEST(ConvertToFormat0, NoUsableFolderIsReportedAndNothingIsListed) {
  testing::TempDir sources;
  const std::string path = sources.File("song.mid");
  const Bytes bytes = ThreeTrackFile();
  builder::WriteFile(path, bytes);
  builder::WriteFile(sources.File("plain-file"), {1});
  Session session;
  std::vector<ErrorReport> reports;
  session.reporter.SetSink([&](const ErrorReport& report) { reports.push_back(report); });
  session.window.fileName = path;
  session.image = LoadFileImage(path);
  const std::string result =
      ConvertToFormat0(session, {sources.File("missing"), sources.File("plain-file")});
  EXPECT_EQ(result, "failed");
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(reports[0].routine, "ConvertToFormat0");
  EXPECT_EQ(reports[0].number, kPathNotFound);  // the last folder's failure: not a folder
  EXPECT_EQ(std::vector<uint8_t>(session.image.bytes().begin(), session.image.bytes().end()),
            bytes);  // the image is still the unconverted file
}

}  // namespace
}  // namespace veltrix
