// The checker reads on past a damaged place and puts each finding at the event it is about.
// Every file is built here; the offsets follow from the sizes of its parts: a 14-byte header,
// then per track an 8-byte chunk header and the track's bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "builder/smf_builder.h"
#include "check/file_check.h"

namespace veltrix::check {
namespace {

using builder::Bytes;
using builder::SmfBuilder;
using builder::TrackBuilder;

constexpr size_t kFirstTrackData = 14 + 8;

std::vector<const Finding*> Of(const FileCheck& check, std::string_view code) {
  std::vector<const Finding*> found;
  for (const Finding& finding : check.findings)
    if (finding.code == code) found.push_back(&finding);
  return found;
}

// A track with a fault of its own: a note-off for a note that never sounded, at tick 10.
TrackBuilder FaultyTrack() {
  return TrackBuilder().Event(10, {0x80, 0x40, 0}).EndOfTrack();
}
TrackBuilder CleanTrack() {
  return TrackBuilder().Event(0, {0x90, 0x3C, 0x40}).Event(240, {0x80, 0x3C, 0}).EndOfTrack();
}

TEST(CheckRecovery, AWrongLengthIsReportedAndTheTracksBehindItAreStillChecked) {
  const TrackBuilder middle = CleanTrack();
  const std::string trueLength = std::to_string(middle.size());
  struct Case {
    const char* what;
    int lengthChange;  // of the middle track's declared length
    int headerLength;  // the header's length field (the header holds 6 bytes)
  };
  const Case cases[] = {{"clean twin", 0, 6},
                        {"middle track too short", -5, 6},
                        {"middle track too long", 7, 6},
                        {"middle track far too long", 100000, 6},
                        {"header length 8", 0, 8},
                        {"header length 4", 0, 4}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Bytes file = SmfBuilder(1, 480)
                     .Track(CleanTrack())
                     .TrackWithLength(middle, static_cast<uint32_t>(middle.size() + c.lengthChange))
                     .Track(FaultyTrack())
                     .Build();
    file[7] = static_cast<uint8_t>(c.headerLength);
    const FileCheck check = CheckFile(file, "song.mid");
    EXPECT_EQ(check.tracks, 3);
    EXPECT_TRUE(Of(check, "track-count").empty());
    EXPECT_TRUE(Of(check, "bytes-after-last-chunk").empty());
    const auto fault = Of(check, "note-off-without-note-on");
    ASSERT_EQ(fault.size(), 1u);
    EXPECT_EQ(fault[0]->track, 3);
    EXPECT_EQ(fault[0]->tick, 10);

    const auto length = Of(check, "chunk-length");
    const auto header = Of(check, "header-length");
    EXPECT_EQ(length.size(), c.lengthChange != 0 ? 1u : 0u);
    EXPECT_EQ(header.size(), c.headerLength != 6 ? 1u : 0u);
    if (!length.empty()) {
      EXPECT_EQ(length[0]->offset, kFirstTrackData + CleanTrack().size());  // its chunk header
      EXPECT_NE(length[0]->message.find("should be " + trueLength), std::string::npos);
    }
    if (!header.empty()) {
      EXPECT_EQ(header[0]->severity, Severity::Error);
      EXPECT_NE(header[0]->message.find("should be 6"), std::string::npos);
    }
  }
}

TEST(CheckRecovery, AChunkOfAnotherTypeIsNoWrongLength) {
  // A strict reader takes the header's two tracks as the next two chunks: an unknown chunk
  // between them makes it refuse the file; behind them it is never read.
  for (bool between : {true, false}) {
    SmfBuilder file(1, 480);
    file.Track(CleanTrack());
    if (between) file.Chunk("XFIH", {1, 2, 3});
    file.Track(CleanTrack());
    if (!between) file.Chunk("XFIH", {1, 2, 3});
    const FileCheck check = CheckFile(file.Build(), "song.mid");
    ASSERT_EQ(check.findings.size(), 1u);
    EXPECT_EQ(check.findings[0].code, "unknown-chunk");
    EXPECT_EQ(check.findings[0].severity, between ? Severity::Warning : Severity::Note);
    EXPECT_EQ(check.tracks, 2);
  }
}

TEST(CheckRecovery, AHeaderOfFourBytesIsFollowedToItsChunks) {
  Bytes file = {'M', 'T', 'h', 'd', 0, 0, 0, 4, 0, 1, 0, 2};
  const Bytes tracks = SmfBuilder(1, 480).Track(CleanTrack()).Track(FaultyTrack()).Build();
  file.insert(file.end(), tracks.begin() + 14, tracks.end());
  const FileCheck check = CheckFile(file, "song.mid");
  EXPECT_EQ(check.tracks, 2);
  ASSERT_EQ(Of(check, "header-length").size(), 1u);
  ASSERT_EQ(Of(check, "note-off-without-note-on").size(), 1u);
  EXPECT_EQ(Of(check, "note-off-without-note-on")[0]->track, 2);
}

TEST(CheckRecovery, EventsBehindAnEarlyEndOfTrackAreCheckedOnFromItsTick) {
  for (bool early : {true, false}) {
    TrackBuilder track = TrackBuilder().Event(0, {0x90, 0x3C, 0x40}).Event(100, {0x80, 0x3C, 0});
    const size_t endAt = kFirstTrackData + track.size();
    if (early) track.EndOfTrack(20);  // at tick 120
    track.Event(30, {0x80, 0x41, 0}).EndOfTrack();
    const FileCheck check = CheckFile(SmfBuilder(0, 480).Track(track).Build(), "song.mid");
    const auto behind = Of(check, "data-after-end-of-track");
    ASSERT_EQ(behind.size(), early ? 1u : 0u);
    if (early) {
      EXPECT_EQ(behind[0]->offset, static_cast<int64_t>(endAt));
      EXPECT_EQ(behind[0]->tick, 120);
    }
    const auto fault = Of(check, "note-off-without-note-on");
    ASSERT_EQ(fault.size(), 1u);
    EXPECT_EQ(fault[0]->tick, early ? 150 : 130);
  }
}

TEST(CheckRecovery, EachFindingIsPlacedAtItsEvent) {
  // 3/4 at 480 a quarter from tick 0 (1440 ticks a measure); a 4/4 at tick 1440 changes the
  // grid of no Measure cell, so tick 3360 is measure 3, beat 2.
  TrackBuilder conductor;
  conductor.TimeSignature(0, 3, 2).TimeSignature(1440, 4, 2).EndOfTrack();
  const size_t trackData = kFirstTrackData + conductor.size() + 8;
  TrackBuilder track;
  track.Event(3360, {0x90, 0x3C, 0x40});  // never ended
  const size_t sysexAt = trackData + track.size();
  track.Sysex(5, {0x43, 0x10});  // no F7: tick 3365
  track.Event(10, {0xB0, 0x07, 0x64});
  const size_t longAt = trackData + track.size();
  track.Raw({0x80, 0x80, 0x80, 0x81, 0x00, 0xC0, 0x01});  // 5-byte delta of 128: tick 3503
  const size_t endAt = trackData + track.size();
  track.EndOfTrack(7).Raw({0, 0, 0});  // tick 3510, then 3 bytes that are no events
  const FileCheck check =
      CheckFile(SmfBuilder(1, 480).Track(conductor).Track(track).Build(), "song.mid");
  struct Place {
    const char* code;
    size_t offset;
    int64_t tick;
    const char* measure;
  };
  const Place places[] = {{"note-left-sounding", trackData, 3360, "3:02:000"},
                          {"sysex-unterminated", sysexAt, 3365, "3:02:005"},
                          {"long-variable-length", longAt, 3503, "3:02:143"},
                          {"end-of-track-early", endAt, 3510, "3:02:150"}};
  for (const Place& place : places) {
    SCOPED_TRACE(place.code);
    const auto found = Of(check, place.code);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0]->offset, static_cast<int64_t>(place.offset));
    EXPECT_EQ(found[0]->tick, place.tick);
    EXPECT_EQ(found[0]->measure, place.measure);
  }
}

TEST(CheckRecovery, WithoutATimeSignatureTheMeasureIsTheFirstBeatAsInTheList) {
  // The Measure column of a song without a time signature shows 1:01:000 on every row.
  const FileCheck check = CheckFile(
      SmfBuilder(0, 480).Track(TrackBuilder().Event(3000, {0x80, 0x40, 0}).EndOfTrack()).Build(),
      "song.mid");
  ASSERT_EQ(check.findings.size(), 1u);
  EXPECT_EQ(check.findings[0].tick, 3000);
  EXPECT_EQ(check.findings[0].measure, "1:01:000");
}

TEST(CheckRecovery, WhatFollowsALostSyncIsFoldedIntoIt) {
  for (bool damaged : {true, false}) {
    TrackBuilder track;
    // The note-on's velocity damaged to 0xC0: the events behind it are read from a wrong
    // place, and what that yields is guesses.
    track.Event(0, {0x90, 0x3C, static_cast<uint8_t>(damaged ? 0xC0 : 0x40)});
    for (uint8_t note : {0x40, 0x41, 0x42}) track.Event(0, {0x80, note, 0});
    track.Event(0, {0x80, 0x3C, 0}).EndOfTrack();
    const FileCheck check =
        CheckFile(SmfBuilder(1, 480).Track(track).Track(FaultyTrack()).Build(), "song.mid");
    std::vector<const Finding*> first;
    for (const Finding& finding : check.findings)
      if (finding.track == 1) first.push_back(&finding);
    if (damaged) {
      ASSERT_EQ(first.size(), 1u);
      EXPECT_EQ(first[0]->code, "data-byte-high");
      EXPECT_EQ(first[0]->offset, static_cast<int64_t>(kFirstTrackData));
      EXPECT_NE(first[0]->message.find("findings that follow from it"), std::string::npos);
    } else {
      EXPECT_EQ(first.size(), 3u);  // the three note-offs of notes that never sounded
    }
    const auto offs = Of(check, "note-off-without-note-on");
    ASSERT_FALSE(offs.empty());
    EXPECT_EQ(offs.back()->track, 2);  // the next track is checked as usual
  }
}

}  // namespace
}  // namespace veltrix::check
