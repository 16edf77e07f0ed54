#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "midi/midi_list.h"
#include "support/required_data.h"
#include "support/test_support.h"

namespace veltrix {
namespace {

using builder::Bytes;
using builder::TrackBuilder;
using testing::SingleTrackFile;

// Keeps what the walk hands on of each event, with or without the rows' texts.
class RecordsOf final : public RowSink {
 public:
  explicit RecordsOf(bool texts) : texts_(texts) {}
  void BeginRows(const WindowModel&) override {}
  void Row(const std::string_view*, size_t count, const EventRecord& record) override {
    cellCounts.push_back(count);
    records.emplace_back(record.first, record.last, record.tick, record.status);
  }
  void Tempo(int32_t tick, int32_t microsecondsPerQuarter) override {
    tempos.emplace_back(tick, microsecondsPerQuarter);
  }
  bool WantsTexts() const override { return texts_; }

  std::vector<std::tuple<int32_t, int32_t, int32_t, uint8_t>> records;
  std::vector<std::pair<int32_t, int32_t>> tempos;
  std::vector<size_t> cellCounts;

 private:
  bool texts_;
};

std::pair<RecordsOf, RecordsOf> WalkBoth(const Bytes& file) {
  std::pair<RecordsOf, RecordsOf> both{RecordsOf(true), RecordsOf(false)};
  for (RecordsOf* sink : {&both.first, &both.second}) {
    Session session;
    session.image = FileImage(file);
    session.window.fileName = "test.mid";
    getMidiList(session, *sink);
  }
  return both;
}

// A walk that makes no texts steps over every event exactly as the listing does: the same
// places, ticks, status bytes and tempo changes, and no cells.
TEST(RecordsOnlyWalk, FindsTheEventsTheListingFinds) {
  const TrackBuilder song = TrackBuilder()
                                .TimeSignature(0, 3, 2)
                                .Tempo(0, 500000)
                                .Event(0, {0xC0, 0x05})
                                .Event(10, {0x90, 0x3C, 0x64})
                                .Event(5, {0x3E, 0x50})  // running status
                                .Sysex(7, {0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7})
                                .Event(0, {0xD0, 0x20})
                                .Event(0, {0xE0, 0x00, 0x40})
                                .Tempo(480, 400000)
                                .Event(480, {0x80, 0x3C, 0x00})
                                .EndOfTrack();
  Bytes truncated = SingleTrackFile(song);
  truncated.resize(truncated.size() - 9);  // the walk runs off the end inside an event
  for (const Bytes& file : {SingleTrackFile(song), truncated}) {
    const auto [listed, stepped] = WalkBoth(file);
    ASSERT_FALSE(listed.records.empty());
    EXPECT_EQ(stepped.records, listed.records);
    EXPECT_EQ(stepped.tempos, listed.tempos);
    for (size_t count : stepped.cellCounts) EXPECT_EQ(count, 0u);
  }
  const auto [listed, stepped] = WalkBoth(SingleTrackFile(song));
  EXPECT_EQ(stepped.records.size(), 10u);
  EXPECT_EQ(stepped.tempos.size(), 2u);
}

// At one tick a quarter a 5/8 measure has 2 ticks and a beat none: the listing cannot place
// the events after the time signature and stops there, and so does the walk without texts.
TEST(RecordsOnlyWalk, StopsWhereTheListingCannotPlaceAnEvent) {
  const TrackBuilder song =
      TrackBuilder().TimeSignature(0, 5, 3).Event(1, {0x90, 0x3C, 0x64}).EndOfTrack();
  const auto [listed, stepped] = WalkBoth(SingleTrackFile(song, 1));
  EXPECT_EQ(listed.records.size(), 1u);
  EXPECT_EQ(stepped.records, listed.records);
}

TEST(RecordsOnlyWalk, RealFilesGiveTheListingsRecords) {
  std::vector<std::string> files = testing::RealFiles("midi");
  std::vector<std::string> styles = testing::RealFiles("styles");
  files.insert(files.end(), styles.begin(), styles.end());
  if (files.empty()) VELTRIX_SKIP_WHEN_MISSING("no real files in this clone");
  for (const std::string& path : files) {
    Bytes bytes;
    try {
      const FileImage image = LoadFileImage(path);
      bytes.assign(image.bytes().begin(), image.bytes().end());
    } catch (const std::exception&) {
      continue;  // an empty file has no walk to compare
    }
    const auto [listed, stepped] = WalkBoth(bytes);
    EXPECT_EQ(stepped.records, listed.records) << path;
    EXPECT_EQ(stepped.tempos, listed.tempos) << path;
  }
}

}  // namespace
}  // namespace veltrix
