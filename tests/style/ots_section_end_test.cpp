// An OTS section whose declared length runs past the file: the walk reads the tracks that
// are there and then fails at the tag test behind the last one, a read past the end.
#include <gtest/gtest.h>

#include "style_fixtures.h"

namespace veltrix::style_test {
namespace {

TEST(OtsSectionEnd, ALengthPastTheFileIsAReadPastTheEndOnlyWhereTheBytesEnd) {
  // Two tracks of 19 bytes: 38 bytes of data. A program change and a volume each: 4 rows.
  struct Case {
    uint32_t declaredLength;
    size_t bytesBehind;  // behind the OTS section
    bool readPastEnd;
  };
  const Case cases[] = {
      {38, 0, false},        // exact: the section ends with the file
      {38 + 60, 0, true},    // 60 bytes more than the file holds
      {38 + 20, 32, false},  // longer than its tracks, but the file goes on: no tag, no fault
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.declaredLength);
    OtsBuilder ots;
    ots.Track(builder::SampleOtsTrack(1)).Track(builder::SampleOtsTrack(2));
    ots.DeclaredLength(c.declaredLength);
    const Bytes bytes = StyleBuilder(builder::SampleStyleTrack())
                            .Casm(MinimalCasm())
                            .Ots(ots)
                            .Raw(Bytes(c.bytesBehind, 0x55))
                            .Build();
    const auto listing = ListStyle(bytes, "Ots");
    EXPECT_EQ(listing.RowCount(), 4u);
    if (c.readPastEnd) {
      ASSERT_EQ(listing.reports.size(), 1u);
      EXPECT_EQ(listing.reports[0].routine, "GetOTS");
      EXPECT_EQ(listing.reports[0].number, 9);  // subscript out of range
      EXPECT_TRUE(listing.window.listVisible);
    } else {
      EXPECT_TRUE(listing.reports.empty());
    }
  }
}

}  // namespace
}  // namespace veltrix::style_test
