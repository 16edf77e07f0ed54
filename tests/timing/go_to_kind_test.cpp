#include <gtest/gtest.h>

#include <string>

#include "timing/go_to.h"

namespace veltrix {
namespace {

using Kind = GoToPlace::Kind;

// The kind the user chose decides how the entry reads: "0:30" is thirty seconds as a time and
// no measure (measures count from 1); a bare number is a byte as an offset.
TEST(GoToEntryOfAKind, ReadsTheEntryAsTheChosenKind) {
  struct Case {
    Kind kind;
    const char* entry;
    bool read;
    int64_t value;  // microseconds, offset, or measure
  };
  const Case cases[] = {
      {Kind::Time, "0:30", true, 30000000},  {Kind::Time, "1:02:03.5", true, 3723500000},
      {Kind::Time, "83.5s", true, 83500000}, {Kind::Time, "12", true, 12000000},
      {Kind::Time, "1:75", false, 0},        {Kind::Time, "", false, 0},
      {Kind::Measure, "0:30", false, 0},     {Kind::Measure, "12:3", true, 12},
      {Kind::Measure, "1:23.5", false, 0},   {Kind::Offset, "1234", true, 1234},
      {Kind::Offset, "#1234", true, 1234},   {Kind::Offset, "0x4D2", true, 1234},
      {Kind::Offset, "12:30", false, 0},     {Kind::Offset, " ", false, 0},
  };
  for (const Case& c : cases) {
    std::string error;
    const std::optional<GoToPlace> place = ReadGoToEntryAs(c.kind, c.entry, error);
    ASSERT_EQ(place.has_value(), c.read) << c.entry << ": " << error;
    if (!place) {
      EXPECT_FALSE(error.empty()) << c.entry;
      continue;
    }
    EXPECT_EQ(place->kind, c.kind) << c.entry;
    const int64_t value = c.kind == Kind::Time     ? place->microseconds
                          : c.kind == Kind::Offset ? place->offset
                                                   : place->measure;
    EXPECT_EQ(value, c.value) << c.entry;
  }
}

}  // namespace
}  // namespace veltrix
