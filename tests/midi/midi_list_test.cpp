#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "core/list_sort.h"
#include "core/list_rows.h"
#include "midi/midi_list.h"
#include "support/required_data.h"
#include "support/test_support.h"

namespace veltrix {
namespace {

using builder::Bytes;
using builder::TrackBuilder;
using testing::ListBytes;
using testing::SingleTrackFile;

std::vector<std::string> Column(const testing::Listing& listing, size_t column) {
  std::vector<std::string> cells;
  for (size_t row = 0; row < listing.RowCount(); ++row) cells.push_back(listing.Cell(row, column));
  return cells;
}

TEST(MidiList, FirstEventHasIdOfItsDeltaTimeByte) {
  auto listing =
      ListBytes(testing::SingleTrackFile(TrackBuilder().Event(0, {0xC0, 0x05}).EndOfTrack()));
  ASSERT_EQ(listing.RowCount(), 1u);
  EXPECT_EQ(listing.Cell(0, 0), "000022");
  EXPECT_EQ(listing.window.columns[2].header, "Measure");
  EXPECT_EQ(listing.window.PressedView(), "Midi");
  EXPECT_EQ(listing.window.lblWarning, "");
}

TEST(MidiList, IdsAndDelaysFollowTheBytes) {
  auto listing = ListBytes(SingleTrackFile(TrackBuilder()
                                               .Event(0, {0xC0, 0x05})
                                               .Event(200, {0x90, 0x3C, 0x64})
                                               .Meta(0, 0x01, "ab")
                                               .EndOfTrack()));
  EXPECT_EQ(Column(listing, 0), (std::vector<std::string>{"000022", "000025", "000030"}));
  EXPECT_EQ(Column(listing, 1), (std::vector<std::string>{"0", "200", "0"}));
}

struct PositionCase {
  const char* name;
  uint8_t numerator, power;
  uint32_t ticks;
  const char* position;
};

class MidiListPosition : public ::testing::TestWithParam<PositionCase> {};

TEST_P(MidiListPosition, OfEventAfterTimeSignature) {
  const PositionCase& c = GetParam();
  auto listing = ListBytes(SingleTrackFile(TrackBuilder()
                                               .TimeSignature(0, c.numerator, c.power)
                                               .Event(c.ticks, {0xC0, 0x01})
                                               .EndOfTrack(),
                                           480));
  ASSERT_EQ(listing.RowCount(), 2u);
  EXPECT_EQ(listing.Cell(1, 2), c.position);
}

INSTANTIATE_TEST_SUITE_P(
    Grid, MidiListPosition,
    ::testing::Values(PositionCase{"Start", 4, 2, 0, " 1:01:000"},
                      PositionCase{"FourFour", 4, 2, 2400, " 2:02:000"},
                      PositionCase{"SixEight", 6, 3, 1500, " 2:01:060"},
                      PositionCase{"ThreeFour", 3, 2, 1440 * 9 + 1199, " 10:03:239"},
                      PositionCase{"Hundreds", 4, 2, 1920 * 100, " 101:01:000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MidiList, PositionIsFixedTextUntilFirstTimeSignature) {
  auto listing = ListBytes(SingleTrackFile(TrackBuilder()
                                               .Event(0, {0xC0, 0x01})
                                               .Event(960, {0xC0, 0x02})
                                               .TimeSignature(0, 4, 2)
                                               .Event(0, {0xC0, 0x03})
                                               .Event(960, {0xC0, 0x04})
                                               .EndOfTrack()));
  EXPECT_EQ(Column(listing, 2), (std::vector<std::string>{"1:01:000", "1:01:000", "1:01:000",
                                                          " 1:03:000", " 2:01:000"}));
}

TEST(MidiList, SecondTimeSignatureKeepsTheGrid) {
  auto listing = ListBytes(SingleTrackFile(TrackBuilder()
                                               .TimeSignature(0, 4, 2)
                                               .TimeSignature(0, 3, 2)
                                               .Event(1920, {0xC0, 0x01})
                                               .EndOfTrack()));
  ASSERT_EQ(listing.RowCount(), 3u);
  EXPECT_EQ(listing.Cell(2, 2), " 2:01:000");
}

TEST(MidiList, RunningStatusKeepsChannelAndIsMarkedOnRequest) {
  auto track = TrackBuilder()
                   .Event(0, {0x93, 0x3C, 0x64})
                   .Event(0, {0x3E, 0x50})
                   .Event(0, {0x83, 0x3C, 0x00})
                   .EndOfTrack();
  Options marked;
  marked.MarkRunningStatus = true;
  auto plain = ListBytes(SingleTrackFile(track));
  auto starred = ListBytes(SingleTrackFile(track), "Midi", marked);
  EXPECT_EQ(Column(plain, 3), (std::vector<std::string>{"4", "4", "4"}));
  EXPECT_EQ(plain.Commands(),
            (std::vector<std::string>{"Note On    C  5    velocity: 100",
                                      "Note On    D  5    velocity: 80", "Note Off    C  5"}));
  EXPECT_EQ(starred.Commands(),
            (std::vector<std::string>{"Note On    C  5    velocity: 100",
                                      "Note On    D  5    velocity: 80*", "Note Off    C  5"}));
}

// EF is a status byte (Pitch Wheel, channel 16), not data under the running status 90; the
// delta 81 7F is 1 * 128 + 127 = 255 ticks, its last byte 7F ending the number.
TEST(MidiList, StatusEFAndADeltaEndingIn7F) {
  auto listing = ListBytes(SingleTrackFile(TrackBuilder()
                                               .Event(0, {0x90, 0x3C, 0x40})
                                               .Raw({0x00, 0xEF, 0x00, 0x40})
                                               .Raw({0x81, 0x7F, 0x00, 0x20})
                                               .EndOfTrack()));
  EXPECT_EQ(Column(listing, 1), (std::vector<std::string>{"0", "0", "255"}));
  EXPECT_EQ(Column(listing, 3), (std::vector<std::string>{"1", "16", "16"}));
}

// A meta event of an undefined type (30) is stepped over by its length like any other.
TEST(MidiList, UndefinedMetaTypeIsSteppedOverByItsLength) {
  auto listing = ListBytes(
      SingleTrackFile(TrackBuilder().Meta(0, 0x30, "ab").Event(0, {0xC0, 0x05}).EndOfTrack()));
  ASSERT_EQ(listing.RowCount(), 2u);
  EXPECT_EQ(listing.Command(1), "Program Change:  5");
}

TEST(MidiList, MetaAndSysexDoNotCancelRunningStatus) {
  Options marked;
  marked.MarkRunningStatus = true;
  auto listing = ListBytes(SingleTrackFile(TrackBuilder()
                                               .Event(0, {0xB1, 0x07, 0x64})
                                               .Meta(0, 0x01, "x")
                                               .Sysex(0, {0x43, 0x10, 0x4C, 0x00, 0xF7})
                                               .Event(0, {0x0A, 0x40})
                                               .EndOfTrack()),
                           "Midi", marked);
  ASSERT_EQ(listing.RowCount(), 4u);
  EXPECT_EQ(listing.Cell(3, 3), "2");
  EXPECT_EQ(listing.Cell(3, 4), "Midi Event");
  EXPECT_EQ(listing.Command(3), "Control Change  Pan Value: 64*");
  EXPECT_EQ(listing.Command(1), "Text Event: x");
}

TEST(MidiList, SysexWithDecodingOffIsItsHexText) {
  Options options;
  options.DecodeSysex = false;
  auto listing = ListBytes(
      SingleTrackFile(
          TrackBuilder().Raw({0x00, 0xF0, 0x05, 0x43, 0x10, 0x4C, 0x00, 0xF7}).EndOfTrack()),
      "Midi", options);
  ASSERT_EQ(listing.RowCount(), 1u);
  EXPECT_EQ(listing.Command(0), "43 10 4C 00 F7 ");
  EXPECT_EQ(listing.Cell(0, 3), "");
  EXPECT_EQ(listing.Cell(0, 4), "Sysex Command");
}

TEST(MidiList, EndOfTrackHasNoRowAndEndsTheWalk) {
  auto track = TrackBuilder().Event(0, {0xC0, 0x01}).EndOfTrack();
  auto listing =
      ListBytes(builder::SmfBuilder().Track(TrackBuilder(track).Event(0, {0xC0, 0x02})).Build());
  ASSERT_EQ(listing.RowCount(), 1u);
  EXPECT_EQ(listing.Command(0), "Program Change:  1");
}

TEST(MidiList, TrackLengthCheck) {
  auto track = TrackBuilder().Event(0, {0xC0, 0x01}).EndOfTrack();
  uint32_t length = static_cast<uint32_t>(track.size());
  auto exact = ListBytes(builder::SmfBuilder().TrackWithLength(track, length).Build());
  auto tooLong = ListBytes(builder::SmfBuilder().TrackWithLength(track, length + 10).Build());
  EXPECT_EQ(exact.window.lblWarning, "");
  EXPECT_EQ(tooLong.window.lblWarning, "Tracklength should be:  " + std::to_string(length));
  EXPECT_EQ(tooLong.RowCount(), 1u);
  EXPECT_TRUE(tooLong.reports.empty());
}

TEST(MidiList, TruncatedFileKeepsRowsAndReports) {
  Bytes file = SingleTrackFile(
      TrackBuilder().Event(0, {0xC0, 0x01}).Event(0, {0xC0, 0x02}).Tempo(0, 500000).EndOfTrack());
  file.resize(file.size() - 6);  // ends inside the tempo event; the header still claims it
  auto listing = ListBytes(file);
  EXPECT_EQ(listing.RowCount(), 2u);
  EXPECT_EQ(listing.window.lblWarning, "File has errors");
  EXPECT_TRUE(listing.window.listVisible);
  EXPECT_EQ(listing.window.progressValue, 0);
  ASSERT_EQ(listing.messages.size(), 1u);
  EXPECT_EQ(listing.messages[0],
            "Error #: 9, Subscript out of range, encountered in Function getMidiList. If the "
            "solution is not obvious, please report this to the author.");
}

// A sink that keeps what it is handed.
struct CollectedRows : RowSink {
  size_t begun = 0;
  std::vector<std::vector<std::string>> rows;
  std::vector<int32_t> firstBytes;
  void BeginRows(const WindowModel&) override { ++begun; }
  void Row(const std::string_view* cells, size_t count, const EventRecord& record) override {
    rows.emplace_back(cells, cells + count);
    firstBytes.push_back(record.first);
  }
};

// Rows handed to a sink are the rows the window would keep, in the same order, sorted or not;
// the window then keeps none of them, but its labels as always.
TEST(MidiList, RowsHandedToASinkAreTheWindowsRows) {
  const Bytes file = SingleTrackFile(TrackBuilder()
                                         .Event(0, {0xC0, 0x05})
                                         .Event(9, {0x90, 0x3C, 0x64})
                                         .Meta(0, 0x01, "ab")
                                         .Event(3, {0x80, 0x3C, 0x00})
                                         .EndOfTrack());
  for (bool sorted : {false, true}) {
    Session kept, handed;
    for (Session* session : {&kept, &handed}) {
      session->image = FileImage(file);
      session->window.fileName = "test.mid";
      session->window.sort = {0, 1, sorted};  // by Delay, ascending
    }
    getMidiList(kept);
    CollectedRows sink;
    getMidiList(handed, sink);
    EXPECT_EQ(sink.begun, 1u);
    ASSERT_EQ(sink.rows.size(), ListRows(kept.window).size()) << sorted;
    for (size_t row = 0; row < sink.rows.size(); ++row) {
      EXPECT_EQ(sink.rows[row], ListRows(kept.window).Row(row)) << sorted << " row " << row;
      EXPECT_EQ(sink.firstBytes[row], std::stoi(sink.rows[row][0])) << sorted << " row " << row;
    }
    EXPECT_EQ(sink.rows.front()[1], "0");
    EXPECT_EQ(sink.rows.back()[1], sorted ? "9" : "3");
    EXPECT_TRUE(ListRows(handed.window).empty());
    EXPECT_EQ(handed.window.lblTracks, kept.window.lblTracks);
    EXPECT_EQ(handed.window.lblFilename, "test.mid");
  }
}

// midicsv (Debian's midicsv) as an independent reading of a file: the tick of every event and
// the channel (1-16) of every channel event; nothing when it cannot be run.
struct CsvReading {
  std::vector<int64_t> ticks;
  std::vector<std::pair<int64_t, int>> channels;
};
std::optional<CsvReading> MidicsvReading(const std::string& path) {
  int status = 0;
  const std::string output = testing::RunCommand("midicsv '" + path + "' 2>/dev/null", status);
  if (status == 127) return std::nullopt;
  CsvReading reading;
  std::istringstream lines(output);
  for (std::string line; std::getline(lines, line);) {
    std::vector<std::string> fields;
    for (size_t at = 0, comma; at <= line.size(); at = comma + 2) {
      comma = std::min(line.find(", ", at), line.size());
      fields.push_back(line.substr(at, comma - at));
      if (fields.size() == 4) break;
    }
    if (fields.size() < 3) continue;
    const std::string& type = fields[2];
    if (type == "Header" || type == "Start_track" || type == "End_track" || type == "End_of_file")
      continue;
    reading.ticks.push_back(std::stoll(fields[1]));
    if (type.size() > 2 && type.compare(type.size() - 2, 2, "_c") == 0 && fields.size() == 4)
      reading.channels.emplace_back(reading.ticks.back(), std::stoi(fields[3]) + 1);
  }
  return reading;
}

// Other people's files, damaged ones among them: per file, as many rows as midicsv gives
// events, at the same ticks (the Delay column summed), and the same channel for every channel
// event. The files the two read differently are named with the reason.
TEST(MidiList, RealFilesHaveTheRowsTicksAndChannelsOfAnotherReader) {
  std::vector<std::string> files = testing::RealFiles("midi");
  std::vector<std::string> styles = testing::RealFiles("styles");
  files.insert(files.end(), styles.begin(), styles.end());
  if (files.empty()) VELTRIX_SKIP_WHEN_MISSING("no real files in this clone");
  if (!MidicsvReading(files[0])) VELTRIX_SKIP_WHEN_MISSING("midicsv is not installed");
  const std::map<std::string, std::string> knownDifferences = {
      {"IsLove.mid", "a data byte without a status: the readers part there"},
      {"MIDIBadHeaderSMTPE.mid", "its SMPTE division is refused here"},
      {"test-illegal-message-all.mid", "status bytes F1-FE are read differently"},
      {"test-non-midi-track.mid", "midicsv reads no track from a Junk chunk"},
  };
  size_t agreeing = 0;
  for (const std::string& path : files) {
    SCOPED_TRACE(path);
    CsvReading reference = *MidicsvReading(path);
    auto listing = testing::ListFile(path);
    CsvReading ours;
    int64_t tick = 0;
    for (size_t row = 0; row < listing.RowCount(); ++row) {
      tick += std::atoll(listing.Cell(row, 1).c_str());
      ours.ticks.push_back(tick);
      if (!listing.Cell(row, 3).empty())
        ours.channels.emplace_back(tick, std::stoi(listing.Cell(row, 3)));
    }
    for (CsvReading* reading : {&ours, &reference}) {
      std::sort(reading->ticks.begin(), reading->ticks.end());
      std::sort(reading->channels.begin(), reading->channels.end());
    }
    const bool same = ours.ticks == reference.ticks && ours.channels == reference.channels;
    if (knownDifferences.count(std::filesystem::path(path).filename().string())) {
      EXPECT_FALSE(same) << "agrees now: take it off the list";
      continue;
    }
    EXPECT_EQ(ours.ticks.size(), reference.ticks.size());
    EXPECT_TRUE(ours.ticks == reference.ticks);
    EXPECT_TRUE(ours.channels == reference.channels);
    ++agreeing;
  }
  EXPECT_EQ(agreeing + knownDifferences.size(), files.size());
}

}  // namespace
}  // namespace veltrix
