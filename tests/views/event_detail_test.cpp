#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "builder/style_builder.h"
#include "core/list_rows.h"
#include "core/list_sort.h"
#include "midi/midi_list.h"
#include "shell/open_command.h"
#include "support/required_data.h"
#include "support/test_support.h"
#include "timing/clock_text.h"
#include "views/event_detail.h"
#include "views/select_view.h"

namespace veltrix {
namespace {

using builder::Bytes;
using builder::TrackBuilder;

// A session that has listed `bytes` in the Midi view, as after the Open command.
std::unique_ptr<Session> Listed(const Bytes& bytes, const std::string& view = "Midi") {
  auto session = std::make_unique<Session>();
  session->image = FileImage(bytes);
  getMidiList(*session);
  if (view != "Midi") SelectView(*session, view);
  return session;
}

EventDetail DetailOf(const Session& session, size_t row) {
  std::optional<EventDetail> detail = DescribeEvent(session, row);
  if (!detail) throw std::runtime_error("no detail for row " + std::to_string(row));
  return *detail;
}

std::vector<std::string> Texts(const std::vector<HexDumpLine>& lines) {
  std::vector<std::string> texts;
  for (const HexDumpLine& line : lines) texts.push_back(HexDumpLineText(line));
  return texts;
}

Bytes SysexData(size_t size) {
  Bytes data(size, 0x11);
  data.front() = 0x43;
  data.back() = 0xF7;
  return data;
}

struct ByteRange {
  const char* event;
  int32_t first;
  int32_t last;
  size_t lines;
};

TEST(EventDetail, ByteRangesOfEachKindOfEvent) {
  TrackBuilder track;
  track
      .Event(0, {0x90, 60, 100})             // 22..25
      .Event(128, {62, 90})                  // running status, two-byte delta: 26..29
      .Sysex(0, SysexData(40))               // 00 F0 28 and 40 bytes: 30..72
      .Meta(0, 0x01, std::string(200, 'x'))  // 00 FF 01 81 48 and 200 bytes: 73..277
      .Tempo(0, 500000)                      // 278..284
      .EndOfTrack();
  auto session = Listed(testing::SingleTrackFile(track));
  const EventIndex& index = session->window.events;
  ASSERT_EQ(index.view(), "Midi");
  ASSERT_EQ(ListRows(session->window).size(), 5u);
  EXPECT_EQ(index.size(), 5u);
  const uint8_t statuses[] = {0x90, 0x90, 0xF0, 0xFF, 0xFF};
  for (size_t row = 0; row < std::size(statuses); ++row)
    EXPECT_EQ(index.Of(row)->status, statuses[row]) << "row " << row;

  const ByteRange expected[] = {{"note", 22, 25, 1},
                                {"running-status note", 26, 29, 1},
                                {"sysex", 30, 72, 3},
                                {"long text", 73, 277, 13},
                                {"tempo", 278, 284, 1}};
  for (size_t row = 0; row < std::size(expected); ++row) {
    EventDetail detail = DetailOf(*session, row);
    EXPECT_EQ(detail.firstByte, expected[row].first) << expected[row].event;
    EXPECT_EQ(detail.lastByte, expected[row].last) << expected[row].event;
    ASSERT_EQ(detail.dump.size(), expected[row].lines) << expected[row].event;
    EXPECT_EQ(detail.dump.front().offset, expected[row].first);
    EXPECT_EQ(detail.command, ListRows(session->window).Cell(row, 5)) << expected[row].event;
    size_t bytes = 0;
    for (const HexDumpLine& line : detail.dump) bytes += line.text.size();
    EXPECT_EQ(bytes, size_t(expected[row].last - expected[row].first + 1));
  }

  EXPECT_EQ(Texts(DetailOf(*session, 0).dump),
            std::vector<std::string>{"000022  00 90 3C 64" + std::string(36, ' ') + "  ..<d"});
  EXPECT_EQ(Texts(DetailOf(*session, 1).dump),
            std::vector<std::string>{"000026  81 00 3E 5A" + std::string(36, ' ') + "  ..>Z"});
  const EventDetail sysex = DetailOf(*session, 2);
  EXPECT_EQ(sysex.dump[0].hex, "00 F0 28 43 11 11 11 11 11 11 11 11 11 11 11 11");
  EXPECT_EQ(sysex.dump[2].offset, 62);
  EXPECT_EQ(sysex.dump[2].hex, "11 11 11 11 11 11 11 11 11 11 F7");
  EXPECT_EQ(HexDumpLineText(sysex.dump[2]),
            "000062  11 11 11 11 11 11 11 11 11 11 F7" + std::string(15, ' ') + "  ...........");
  const EventDetail text = DetailOf(*session, 3);
  EXPECT_EQ(text.dump[0].text, "....H" + std::string(11, 'x'));
  EXPECT_EQ(text.dump[12].text, std::string(13, 'x'));
  EXPECT_EQ(text.command, "Text Event: " + std::string(200, 'x'));
}

struct Timed {
  size_t row;
  const char* time;
};

TEST(EventDetail, TimeFollowsTheTempoChangesMetBeforeTheEvent) {
  TrackBuilder track;
  track.Event(0, {0x90, 60, 100})
      .Event(480, {0x90, 62, 100})  // 480 ticks at the 120 bpm assumed before any tempo
      .Tempo(0, 1000000)            // 60 bpm
      .Event(480, {0x90, 64, 100})  // one more second
      .Tempo(0, 250000)
      .Tempo(0, 500000)                   // of two changes at one tick the later rules
      .Event(480 * 240, {0x90, 65, 100})  // 240 quarters at 120 bpm: two minutes
      .Event(1, {0x90, 67, 100})          // 1041.7 microseconds, cut to the millisecond
      .EndOfTrack();
  auto session = Listed(testing::SingleTrackFile(track, 480));
  for (const Timed& t :
       {Timed{0, "0:00.000"}, Timed{1, "0:00.500"}, Timed{2, "0:00.500"}, Timed{3, "0:01.500"},
        Timed{4, "0:01.500"}, Timed{5, "0:01.500"}, Timed{6, "2:01.500"}, Timed{7, "2:01.501"}})
    EXPECT_EQ(DetailOf(*session, t.row).time, t.time) << "row " << t.row;
}

TEST(EventDetail, NoTimeWithoutADivisionThatGivesOne) {
  // Zero; 25 frames of 40 ticks, where 10 ticks last 10 ms; an unknown frame rate.
  for (auto [division, time] :
       {std::pair<uint16_t, const char*>{0, ""}, {0xE728, "0:00.010"}, {0xF628, ""}}) {
    TrackBuilder track;
    track.Event(10, {0x90, 60, 100}).EndOfTrack();
    auto session = Listed(testing::SingleTrackFile(track, division));
    EventDetail detail = DetailOf(*session, 0);
    EXPECT_EQ(detail.time, time) << division;
    EXPECT_EQ(detail.lastByte, 25);
  }
}

TEST(EventDetail, OtsRowsAreFoundWithRunningStatusAndTimedFromTheirTracksStart) {
  TrackBuilder ots;
  ots.Event(0, {0xB0, 7, 100}).Event(10, {10, 64}).EndOfTrack();
  const Bytes bytes = builder::StyleBuilder(builder::SampleStyleTrack())
                          .Casm(builder::CasmBuilder().Cseg().Sdec("Main A"))
                          .Ots(builder::OtsBuilder().Track(ots).Track(ots))
                          .Raw(Bytes(32, 0))
                          .Build();
  const std::string tag = "OTSc";
  const int32_t firstEvent = static_cast<int32_t>(
      std::search(bytes.begin(), bytes.end(), tag.begin(), tag.end()) - bytes.begin() + 16);
  auto session = Listed(bytes, "Ots");
  ASSERT_EQ(ListRows(session->window).size(), 4u);
  const EventIndex& index = session->window.events;
  EXPECT_EQ(index.view(), "Ots");
  // Each track: 4 bytes of controller, 3 with running status, 4 of End of Track, behind a
  // head of 8 bytes.
  const ByteRange expected[] = {{"controller", firstEvent, firstEvent + 3, 1},
                                {"running", firstEvent + 4, firstEvent + 6, 1},
                                {"second track", firstEvent + 19, firstEvent + 22, 1},
                                {"second running", firstEvent + 23, firstEvent + 25, 1}};
  for (size_t row = 0; row < std::size(expected); ++row) {
    EventDetail detail = DetailOf(*session, row);
    EXPECT_EQ(detail.firstByte, expected[row].first) << expected[row].event;
    EXPECT_EQ(detail.lastByte, expected[row].last) << expected[row].event;
    EXPECT_EQ(index.Of(row)->otsTrack, row < 2 ? 1 : 2) << expected[row].event;
    EXPECT_EQ(index.Of(row)->status, 0xB0) << expected[row].event;
    EXPECT_EQ(detail.time, DetailOf(*session, row % 2).time) << expected[row].event;
    EXPECT_EQ(detail.command, ListRows(session->window).Cell(row, 4));
  }
  EXPECT_EQ(DetailOf(*session, 1).dump[0].hex, "0A 0A 40");
  EXPECT_EQ(DetailOf(*session, 0).time, "0:00.000");
  EXPECT_NE(DetailOf(*session, 1).time, "0:00.000");
}

TEST(EventDetail, SortedRowsKeepTheirRecords) {
  TrackBuilder track;
  track.Event(0, {0xC0, 1}).Event(5, {0x90, 60, 100}).Event(7, {0x80, 60, 0}).EndOfTrack();
  auto session = Listed(testing::SingleTrackFile(track));
  session->window.PermuteRows({2, 0, 1});
  EXPECT_EQ(DetailOf(*session, 0).firstByte, 29);
  EXPECT_EQ(DetailOf(*session, 0).dump[0].hex, "07 80 3C 00");
  EXPECT_EQ(DetailOf(*session, 1).firstByte, 22);
}

TEST(EventDetail, NothingForOtherViewsOrRowsBeyondTheList) {
  TrackBuilder track;
  track.Event(0, {0xC0, 1}).EndOfTrack();
  auto session = Listed(testing::SingleTrackFile(track));
  EXPECT_TRUE(DescribeEvent(*session, 0).has_value());
  EXPECT_FALSE(DescribeEvent(*session, 1).has_value());
  SelectView(*session, "Casm");
  EXPECT_EQ(session->window.events.view(), "");
  EXPECT_EQ(session->window.events.size(), 0u);
  EXPECT_FALSE(DescribeEvent(*session, 0).has_value());
}

TEST(EventDetail, AFileCutInsideAnEventKeepsItsRowsDescribed) {
  TrackBuilder track;
  track.Event(0, {0x90, 60, 100}).Event(0, {0x90, 62, 100}).Sysex(0, SysexData(30)).EndOfTrack();
  Bytes bytes = testing::SingleTrackFile(track);
  bytes.resize(bytes.size() - 12);  // into the sysex
  auto session = Listed(bytes);
  ASSERT_EQ(session->window.lblWarning, "File has errors");
  ASSERT_EQ(ListRows(session->window).size(), 2u);
  EXPECT_EQ(session->window.events.size(), 2u);
  EXPECT_EQ(DetailOf(*session, 1).lastByte, 29);
}

TEST(EventDetail, ClockAndDumpTexts) {
  struct Clock {
    int64_t microseconds;
    const char* text;
  };
  for (const Clock& c : {Clock{0, "0:00.000"}, Clock{999, "0:00.000"}, Clock{59999999, "0:59.999"},
                         Clock{61001999, "1:01.001"}, Clock{3599999999, "59:59.999"},
                         Clock{3600000000, "1:00:00.000"}, Clock{36610001000, "10:10:10.001"}})
    EXPECT_EQ(ClockText(c.microseconds), c.text) << c.microseconds;

  FileImage image(Bytes{0x00, 0x20, 0x41, 0x7E, 0x7F, 0xFF});
  std::vector<HexDumpLine> dump = HexDump(image, 1, 4);
  ASSERT_EQ(dump.size(), 1u);
  EXPECT_EQ(dump[0].offset, 1);
  EXPECT_EQ(dump[0].hex, "20 41 7E 7F");
  EXPECT_EQ(dump[0].text, " A~.");
  EXPECT_THROW(HexDump(image, 4, 6), Failure);
}

// Every row of a real file has its record, also once sorted: the detail's first byte is the
// row's ID, and in file order the events tile the track without gap or overlap.
TEST(EventDetail, RealFilesEveryRowDescribedSortedOrNot) {
  std::vector<std::string> files = testing::RealFiles("midi");
  std::vector<std::string> styles = testing::RealFiles("styles");
  files.insert(files.end(), styles.begin(), styles.end());
  if (files.empty()) VELTRIX_SKIP_WHEN_MISSING("the real files are not in this clone");
  size_t described = 0;
  for (const std::string& path : files) {
    for (const std::string view : {"Midi", "Ots"}) {
      Session session;
      if (OpenFile(session, path) != OpenOutcome::Listed) continue;
      if (view != "Midi") SelectView(session, view);
      const WindowModel& window = session.window;
      ASSERT_EQ(window.events.size(), ListRows(window).size()) << path << " " << view;
      const size_t idColumn = view == "Midi" ? 0 : 1;
      for (size_t row = 1; row < ListRows(window).size(); ++row) {
        const EventRecord before = *window.events.Of(row - 1);
        if (view == "Ots" && window.events.Of(row)->otsTrack != before.otsTrack) continue;
        ASSERT_EQ(window.events.Of(row)->first, before.last + 1) << path << " row " << row;
      }
      SortByColumnClick(session.window, window.columns.size() - 1);  // by Command
      // Each description reads the whole tempo map; some 500 rows a file, spread over it and
      // with the last, keep the test quick under the sanitizers too.
      const size_t count = ListRows(window).size();
      std::vector<size_t> rows;
      for (size_t row = 0; row < count; row += std::max<size_t>(1, count / 500))
        rows.push_back(row);
      if (count > 0 && rows.back() != count - 1) rows.push_back(count - 1);
      for (const size_t row : rows) {
        std::optional<EventDetail> detail = DescribeEvent(session, row);
        ASSERT_TRUE(detail.has_value()) << path << " " << view << " row " << row;
        ASSERT_EQ(detail->firstByte, std::stoi(std::string(ListRows(window).Cell(row, idColumn))));
        ASSERT_EQ(detail->command, ListRows(window).Cell(row, window.columns.size() - 1));
        ++described;
      }
    }
  }
  EXPECT_GT(described, 0u);
}

}  // namespace
}  // namespace veltrix
