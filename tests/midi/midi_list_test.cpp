#include <gtest/gtest.h>

#include "support/test_support.h"

namespace veltrix {
namespace {

using builder::TrackBuilder;
using testing::ListBytes;

TEST(MidiList, FirstEventHasIdOfItsDeltaTimeByte) {
  auto listing =
      ListBytes(testing::SingleTrackFile(TrackBuilder().Event(0, {0xC0, 0x05}).EndOfTrack()));
  ASSERT_EQ(listing.RowCount(), 1u);
  EXPECT_EQ(listing.Cell(0, 0), "000022");
  EXPECT_EQ(listing.window.columns[2].header, "Measure");
  EXPECT_EQ(listing.window.PressedView(), "Midi");
  EXPECT_EQ(listing.window.lblWarning, "");
}

}  // namespace
}  // namespace veltrix
