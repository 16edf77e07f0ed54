// The filter's event choices over a listed file whose events are counted here by hand: kinds,
// channels, controllers, a note range and invert, read from the index and the file's bytes.
#include "views/event_filter.h"
#include "core/list_rows.h"

#include <gtest/gtest.h>

#include "builder/smf_builder.h"
#include "midi/midi_list.h"
#include "views/row_filter.h"
#include "views/shown_columns.h"

namespace veltrix {
namespace {

using K = EventKind;

// 16 rows: 4 meta events (End of Track is not listed), 1 sysex, 5 events on channel 1, 4 on
// channel 2, 2 on channel 10.
builder::Bytes CountedSong() {
  builder::TrackBuilder track;
  track.Meta(0, 0x03, "Song")
      .Tempo(0, 500000)
      .TimeSignature(0, 4, 2)
      .Sysex(0, {0x7E, 0x7F, 0x09, 0x01, 0xF7})
      .Event(0, {0x90, 60, 100})  // channel 1: notes 60, 62, 64 on; 60, 62 off
      .Event(10, {62, 100})
      .Event(10, {64, 100})
      .Event(10, {0x80, 60, 0})
      .Event(10, {62, 0})
      .Event(0, {0x91, 72, 100})  // channel 2: note 72, volume, pan, program
      .Event(0, {0xB1, 7, 100})
      .Event(0, {10, 64})
      .Event(0, {0xC1, 5})
      .Event(0, {0x99, 36, 100})  // channel 10: note 36, pitch wheel
      .Event(0, {0xE9, 0, 64})
      .Meta(0, 0x06, "Verse")
      .EndOfTrack();
  return builder::SmfBuilder(0, 480).Track(track).Build();
}

EventFilter Kinds(std::initializer_list<K> kinds, uint16_t channels = 0) {
  EventFilter filter;
  for (K kind : kinds) filter.AddKind(kind);
  filter.channels = channels;
  return filter;
}

struct Case {
  const char* name;
  EventFilter filter;
  bool invert;
  size_t rows;
};

TEST(EventFilter, KindsChannelsControllersNotesAndInvertKeepTheCountedRows) {
  Session session;
  session.image = FileImage(CountedSong());
  getMidiList(session);
  ASSERT_EQ(ListRows(session.window).size(), 16u);
  const RowEvents events{session.window.events, session.image.bytes()};

  EventFilter volumeAndPan = Kinds({K::kControlChange});
  volumeAndPan.controllers.set(7).set(10);
  EventFilter panOnly;  // narrows the control changes alone
  panOnly.controllers.set(10);
  EventFilter notes;  // D5 is 62; the range takes 62, 64, 62 (off) and 72
  notes.lowNote = 62;
  notes.highNote = 72;
  const Case cases[] = {
      {"note on", Kinds({K::kNoteOn}), false, 5},
      {"note on, ch 1", Kinds({K::kNoteOn}, 0x0001), false, 3},
      {"note on and off, ch 1", Kinds({K::kNoteOn, K::kNoteOff}, 0x0001), false, 5},
      {"note on, ch 1, inverted", Kinds({K::kNoteOn}, 0x0001), true, 13},
      {"ch 2 and 10", Kinds({}, 0x0202), false, 6},
      {"ch 1 alone leaves out meta and sysex", Kinds({}, 0x0001), false, 5},
      {"volume and pan", volumeAndPan, false, 2},
      {"pan among everything", panOnly, false, 15},
      {"tempo and marker", Kinds({K::kTempo, K::kMarker}), false, 2},
      {"sysex, end of track unlisted", Kinds({K::kSystemExclusive, K::kEndOfTrack}), false, 1},
      {"program and pitch wheel", Kinds({K::kProgramChange, K::kPitchWheel}), false, 2},
      {"track name, time signature", Kinds({K::kTrackName, K::kTimeSignature}), false, 2},
      {"notes D5 to C6", notes, false, 4},
  };
  for (const Case& c : cases) {
    RowFilterCriteria criteria;
    criteria.events = c.filter;
    criteria.invert = c.invert;
    EXPECT_EQ(FilterRows(ListRows(session.window), session.window.columns, criteria, &events).size(),
              c.rows)
        << c.name;
  }
}

TEST(EventFilter, EachMetaTypeHasTheKindOfItsPublishedName) {
  const std::pair<uint8_t, const char*> types[] = {
      {0x00, "Sequence Number"}, {0x01, "Text"},
      {0x02, "Copyright"},       {0x03, "Track Name"},
      {0x04, "Instrument Name"}, {0x05, "Lyric"},
      {0x06, "Marker"},          {0x07, "Cue Point"},
      {0x08, "Program Name"},    {0x09, "Device Name"},
      {0x20, "Channel Prefix"},  {0x21, "Port"},
      {0x2F, "End of Track"},    {0x51, "Tempo"},
      {0x54, "SMPTE Offset"},    {0x58, "Time Signature"},
      {0x59, "Key Signature"},   {0x7F, "Sequencer Specific"},
      {0x0A, "Other Meta"},      {0x4B, "Other Meta"}};
  for (const auto& [type, name] : types) {
    const std::vector<uint8_t> image = {0x00, 0xFF, type, 0x00};  // delta, FF, type, length 0
    EXPECT_EQ(FactsOf({0, 3, 0, 0xFF}, image).kind, EventKindNamed(name)) << name;
  }
}

TEST(EventFilter, AnEventCutShortHasNoNote) {
  const std::vector<uint8_t> image = {0x00, 0x90, 60};  // the velocity is missing
  const EventFacts facts = FactsOf({0, 3, 0, 0x90}, image);
  EXPECT_EQ(facts.kind, K::kNoteOn);
  EXPECT_EQ(facts.channel, 1);
  EXPECT_EQ(facts.note, -1);
}

TEST(EventFilter, AStatusByteWhereTheDataBelongsIsNoNoteOrController) {
  // A damaged file: the byte after 90 is the next event's status, not a note.
  const std::vector<uint8_t> noteOn = {0x00, 0x90, 0x93, 0x40};
  EXPECT_EQ(FactsOf({0, 3, 0, 0x90}, noteOn).note, -1);
  const std::vector<uint8_t> control = {0x00, 0xB0, 0xC0, 0x07};
  EXPECT_EQ(FactsOf({0, 3, 0, 0xB0}, control).controller, -1);
  EXPECT_EQ(FactsOf({0, 3, 0, 0xB0}, control).channel, 1);
}

TEST(EventFilter, NotesByNumberOrName) {
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"C 5", 60},  {"c5", 60},  {"F#3", 42},  {"Bb3", 46}, {"0", 0},  {"127", 127},
      {"G10", 127}, {"128", {}}, {"G#10", {}}, {"H2", {}},  {"C", {}}, {"", {}},
  };
  for (const auto& [text, note] : cases) EXPECT_EQ(ParseNote(text), note) << text;
}

TEST(ShownColumns, HiddenColumnsLeaveCellsHeadersAndSort) {
  WindowModel window;
  const Alignment L = Alignment::Left;
  window.SetColumns(
      {{"ID", 0, L, ""}, {"Ch", 0, L, ""}, {"Type", 0, L, ""}, {"Command", 0, L, ""}});
  window.rows.AddRow({"000022", "1", "Midi Event", "Note On"});
  window.sort = {0, 3, true};
  const ShownList shown = ShownListOf(window, nullptr, {true, false, true});  // Command stays
  ASSERT_EQ(shown.Columns().size(), 3u);
  EXPECT_EQ(shown.Columns()[1].header, "Type");
  EXPECT_EQ(ListRows(shown).Cell(0, 1), "Midi Event");
  EXPECT_EQ(ListRows(shown).Cell(0, 2), "Note On");
  EXPECT_EQ(shown.Sort().key, 2u);
  EXPECT_TRUE(shown.Sort().sorted);
  EXPECT_FALSE(ShownListOf(window, nullptr, {true, true, true, false}).Sort().sorted);
}

}  // namespace
}  // namespace veltrix
