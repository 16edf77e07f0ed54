#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/event_index.h"

namespace veltrix {
namespace {

// An index of many blocks (two megabytes each; the later ones in large pages): copies and
// moves keep every record, a moved-from index is empty, and a permutation reorders them.
TEST(EventIndex, KeepsRecordsOverManyBlocksThroughCopiesMovesAndPermutations) {
  constexpr int32_t kRecords = 2500000;
  EventIndex index;
  index.Start("Midi");
  for (int32_t n = 0; n < kRecords; ++n) index.Add({n * 3, n * 3 + 2, n, 0x90, 0, 0});
  EventIndex copy = index;
  EventIndex moved = std::move(index);
  EXPECT_EQ(index.size(), 0u);  // NOLINT(bugprone-use-after-move): moved-from is empty
  EXPECT_FALSE(index.Of(0));
  ASSERT_EQ(copy.size(), static_cast<size_t>(kRecords));
  ASSERT_EQ(moved.size(), static_cast<size_t>(kRecords));
  int32_t differing = 0;
  for (int32_t n = 0; n < kRecords; ++n)
    differing += copy.Of(n)->first != n * 3 || moved.Of(n)->last != n * 3 + 2;
  EXPECT_EQ(differing, 0);
  EXPECT_FALSE(moved.Of(kRecords));
  EXPECT_EQ(*moved.LatestTick(), kRecords - 1);

  std::vector<uint32_t> reversed(kRecords);
  for (uint32_t n = 0; n < reversed.size(); ++n) reversed[n] = kRecords - 1 - n;
  moved.Permute(reversed);
  EXPECT_EQ(moved.Of(0)->tick, kRecords - 1);
  EXPECT_EQ(moved.Of(kRecords - 1)->tick, 0);
  EXPECT_THROW(moved.Permute({static_cast<uint32_t>(kRecords)}), std::out_of_range);
}

// A record keeps what it was given, whatever the length of its event (a system-exclusive
// message may take most of a file) and the one-touch-setting track it belongs to, also when
// the rows are reordered.
TEST(EventIndex, GivesBackEveryRecordAsAdded) {
  const std::vector<EventRecord> added = {
      {10, 12, 0, 0x90, 0, 0},
      {13, 13 + 254, 5, 0xF0, 0, 0},    // the longest event kept in place
      {300, 300 + 255, 5, 0xFF, 0, 0},  // the shortest kept aside
      {0x1000000, 0x1000002, 6, 0xB0, 0, 1},
      {0x3000000, 0x7FFFFFFF, 7, 0xF0, 0, 1},
      {0x7FFFFFFF, 0x7FFFFFFF, 8, 0xC3, 0, 2},
  };
  EventIndex index;
  index.Start("Ots");
  for (const EventRecord& record : added) index.Add(record);
  const auto same = [](const EventRecord& a, const EventRecord& b) {
    return a.first == b.first && a.last == b.last && a.tick == b.tick && a.status == b.status &&
           a.otsTrack == b.otsTrack;
  };
  for (size_t row = 0; row < added.size(); ++row)
    EXPECT_TRUE(same(*index.Of(row), added[row])) << "row " << row;
  index.Permute({5, 4, 3, 2, 1, 0});
  for (size_t row = 0; row < added.size(); ++row)
    EXPECT_TRUE(same(*index.Of(row), added[5 - row])) << "reordered row " << row;
}

// The measure state of an event is the one in force before it: a time signature's own row
// still shows the grid of before.
TEST(EventIndex, MeasureBeforeAnEventIsTheLastChangeBeforeIt) {
  EventIndex index;
  index.Start("Midi");
  const MeasureState fourFour{1920, 480, 4};
  const MeasureState threeFour{1440, 480, 4};
  index.AddMeasureChange(10, fourFour);
  index.AddMeasureChange(50, threeFour);
  EXPECT_EQ(index.MeasureBefore(5), MeasureState{});
  EXPECT_EQ(index.MeasureBefore(10), MeasureState{});
  EXPECT_EQ(index.MeasureBefore(11), fourFour);
  EXPECT_EQ(index.MeasureBefore(50), fourFour);
  EXPECT_EQ(index.MeasureBefore(51), threeFour);
  index.Start("Midi");
  EXPECT_EQ(index.MeasureBefore(51), MeasureState{});
}

}  // namespace
}  // namespace veltrix
