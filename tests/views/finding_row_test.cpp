#include <gtest/gtest.h>

#include "views/finding_row.h"

namespace veltrix {
namespace {

check::Finding At(int64_t offset, int64_t tick) {
  check::Finding finding = check::MakeFinding(check::Severity::Warning, "x", "x", offset);
  finding.track = 1;
  finding.tick = tick;
  return finding;
}

TEST(RowOfFinding, ByOffsetInTheFileByTickInAMergedCopy) {
  // Rows in list order (sorted descending by tick), each with its bytes and tick.
  EventIndex index;
  index.Start("Midi");
  index.Add({40, 44, 960, 0x90, 0, 0});
  index.Add({30, 33, 480, 0x90, 0, 0});
  index.Add({26, 29, 480, 0xC0, 0, 0});
  index.Add({22, 25, 0, 0xFF, 0, 0});

  EXPECT_EQ(RowOfFinding(index, At(31, 480), false), 1u);  // inside the event at 30..33
  EXPECT_EQ(RowOfFinding(index, At(35, 480), false), 0u);  // a stray byte: the next event
  EXPECT_EQ(RowOfFinding(index, At(50, 960), false), std::nullopt);

  EXPECT_EQ(RowOfFinding(index, At(999, 480), true), 2u);  // first listed at that tick
  EXPECT_EQ(RowOfFinding(index, At(999, 700), true), 0u);  // or else the first after it
  EXPECT_EQ(RowOfFinding(index, At(999, 2000), true), std::nullopt);

  check::Finding header = check::MakeFinding(check::Severity::Error, "x", "x", 8);
  EXPECT_EQ(RowOfFinding(index, header, false), std::nullopt);
}

}  // namespace
}  // namespace veltrix
