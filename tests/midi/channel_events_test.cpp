#include "midi/channel_events.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.h"

namespace veltrix {
namespace {

using builder::Bytes;
using builder::TrackBuilder;

// A session whose image is the event itself, ReadPos on its status byte.
struct EventSession {
  explicit EventSession(Bytes event) {
    session.image = FileImage(std::move(event));
    session.ReadPos = 0;
    session.reporter.SetSink([this](const ErrorReport& report) { reports.push_back(report); });
  }
  std::string Decode() {
    int status = session.image.at(0);
    return GetMidiEvent(session, status, status % 16 + 1);
  }
  Session session;
  std::vector<ErrorReport> reports;
};

struct ChannelCase {
  const char* name;
  Bytes event;
  std::string command;
  int eventLength;
};

class ChannelEventCommand : public ::testing::TestWithParam<ChannelCase> {};

TEST_P(ChannelEventCommand, TextAndLength) {
  const ChannelCase& c = GetParam();
  EventSession event(c.event);
  EXPECT_EQ(event.Decode(), c.command);
  EXPECT_EQ(event.session.EventLength, c.eventLength);
  EXPECT_EQ(event.session.ReadPos, 0);
  EXPECT_TRUE(event.reports.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ChannelEventCommand,
    ::testing::Values(
        ChannelCase{"NoteOn", {0x90, 0x3C, 0x64}, "Note On    C  5    velocity: 100", 2},
        ChannelCase{"NoteOnPadsVelocity", {0x90, 0x3D, 0x05}, "Note On    C# 5    velocity:  5", 2},
        ChannelCase{
            "NoteOnLongNameNotCut", {0x90, 0x7F, 0x40}, "Note On    G  10    velocity: 64", 2},
        ChannelCase{"NoteOnVelocityZeroStaysNoteOn",
                    {0x9F, 0x00, 0x00},
                    "Note On    C  0    velocity:  0",
                    2},
        ChannelCase{"NoteOff", {0x80, 0x3C, 0x40}, "Note Off    C  5", 2},
        ChannelCase{"NoteOffLongName", {0x85, 0x78, 0x00}, "Note Off    C  10", 2},
        ChannelCase{
            "KeyAfterTouch", {0xA0, 0x3C, 0x40}, "Key After Touch   note: 60    velocity: 64", 2},
        ChannelCase{"KeyAfterTouchPads",
                    {0xA3, 0x05, 0x07},
                    "Key After Touch   note:  5    velocity:  7",
                    2},
        ChannelCase{"ControlVolume", {0xB0, 0x07, 0x64}, "Control Change  Volume Value: 100", 2},
        ChannelCase{"ControlVolumeLsb", {0xB0, 0x27, 0x64}, "Control Change  Volume Value: 100", 2},
        ChannelCase{
            "ControlUndefined", {0xB0, 0x03, 0x00}, "Control Change  Undefined Value: 0", 2},
        ChannelCase{
            "ControlAboveTable", {0xB0, 0x80, 0x01}, "Control Change  Undefined Value: 1", 2},
        ChannelCase{"ProgramChange", {0xC0, 0x05}, "Program Change:  5", 1},
        ChannelCase{"ProgramTwoDigits", {0xC0, 0x0A}, "Program Change:  10", 1},
        ChannelCase{
            "DataBytesAbove127", {0x90, 0xF0, 0xC8}, "Note On    C  20    velocity: 200", 2},
        ChannelCase{"ChannelAfterTouch", {0xD0, 0x40}, "Channel After Touch  Value:  64", 1},
        ChannelCase{
            "PitchWheel", {0xE0, 0x00, 0x40}, "PitchWh Change   LSB Value:  0   MSB value:  64", 2},
        ChannelCase{"SystemCommon", {0xF2, 0x01, 0x02}, "", 0},
        ChannelCase{"RunningStatusZero", {0x00, 0x01, 0x02}, "", 0}),
    [](const auto& info) { return std::string(info.param.name); });

// The edges of the name ranges and the gaps between them.
TEST(ChannelEvents, ControllerNames) {
  struct {
    uint8_t number;
    const char* name;
  } cases[] = {
      {0, "Bank Select MSB"},
      {32, "Bank Select LSB"},
      {33, "Mod Wheel"},
      {3, "Undefined"},
      {6, "MSB Data Entry"},
      {38, "LSB Data Entry"},
      {9, "Undefined"},
      {42, "Pan"},
      {45, "Effect Control 2"},
      {46, "Undefined"},
      {14, "Undefined"},
      {16, "General Purpose"},
      {19, "General Purpose"},
      {20, "Undefined"},
      {48, "Undefined"},
      {49, "General Purpose"},
      {52, "General Purpose"},
      {53, "Undefined"},
      {63, "Undefined"},
      {64, "Sustain"},
      {70, "2nd Variation patch"},
      {71, "Harmonic Content(timbre)"},
      {75, "Sound Controller"},
      {79, "Sound Controller"},
      {80, "General Purpose"},
      {83, "General Purpose"},
      {84, "Portamento Control"},
      {85, "Undefined"},
      {92, "Undefined"},
      {94, "Variation Level Send"},
      {95, "Undefined"},
      {97, "RPN Data Decrement"},
      {98, "NRPN LSB"},
      {101, "RPN MSB"},
      {102, "Undefined"},
      {127, "Undefined"},
  };
  for (const auto& c : cases) {
    EventSession event({0xB0, c.number, 0x00});
    EXPECT_EQ(event.Decode(), std::string("Control Change  ") + c.name + " Value: 0")
        << int{c.number};
  }
}

TEST(ChannelEvents, NoteNames) {
  Session session;
  const char* letters[] = {"C ", "C#", "D ", "D#", "E ", "F ", "F#", "G ", "G#", "A ", "A#", "B "};
  for (int note = 0; note < 128; ++note)
    EXPECT_EQ(NoteName(session, note), letters[note % 12] + (" " + std::to_string(note / 12)))
        << note;
}

// A truncated event is reported by the decoder itself; the event length is already set so
// the caller can step over what the event claims to hold.
TEST(ChannelEvents, TruncatedEventReportsAndKeepsLength) {
  EventSession event({0x90, 0x3C});
  EXPECT_EQ(event.Decode(), "");
  EXPECT_EQ(event.session.EventLength, 2);
  ASSERT_EQ(event.reports.size(), 1u);
  EXPECT_EQ(event.reports[0].routine, "GetMidiEvent");
  EXPECT_EQ(event.reports[0].number, kSubscriptOutOfRange);
  EXPECT_EQ(event.reports[0].message,
            "Error #: 9, Subscript out of range, encountered in Function GetMidiEvent. If the "
            "solution is not obvious, please report this to the author.");
}

TEST(ChannelEvents, OneByteEventAtEndOfImageIsWhole) {
  EventSession event({0xC0, 0x05});
  EXPECT_EQ(event.Decode(), "Program Change:  5");
  EXPECT_TRUE(event.reports.empty());
}

// In a listing the failing event still gets its row and the walk goes on to the end.
TEST(ChannelEvents, TruncatedEventInListingGetsEmptyRow) {
  auto track = TrackBuilder().Event(0, {0xC0, 0x01}).Raw({0x00, 0x90, 0x3C});
  auto file = builder::SmfBuilder().TrackWithLength(track, track.size() + 4).Build();
  auto listing = testing::ListBytes(file);
  ASSERT_EQ(listing.RowCount(), 2u);
  EXPECT_EQ(listing.Command(1), "");
  ASSERT_EQ(listing.reports.size(), 1u);
  EXPECT_EQ(listing.reports[0].routine, "GetMidiEvent");
  EXPECT_EQ(listing.window.lblWarning, "Tracklength should be:  9");
}

}  // namespace
}  // namespace veltrix
