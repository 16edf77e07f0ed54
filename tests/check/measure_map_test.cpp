#include <gtest/gtest.h>

#include "check/measure_map.h"

namespace veltrix::check {
namespace {

struct PositionCase {
  int ticksPerQuarter, numerator, denominatorPower;
  int64_t tick;
  const char* position;
};

TEST(MeasureMap, PositionsOnTheFirstTimeSignaturesGrid) {
  const PositionCase cases[] = {
      {480, 4, 2, 0, "1:01:000"},  // 4/4: a measure of 1920 ticks, beats of 480
      {480, 4, 2, 1919, "1:04:479"},
      {480, 4, 2, 1920, "2:01:000"},
      {96, 6, 3, 300, "2:01:012"},  // 6/8: 288 ticks, beats of 48
      {5, 3, 3, 7, "1:04:001"},     // 3/8 of 7.5 ticks rounds to 8; beats of 2
      {1, 1, 3, 5, ""},             // half a tick rounds to none
      {1, 1, 0, 5, "2:01:001"},     // 1/1: four ticks
      {4, 3, 5, 0, ""},             // 3/32: two ticks, too few for three beats
      {480, 4, 2, -1, ""},
      {0, 4, 2, 0, ""},
      {480, 0, 2, 0, ""},
      {4096, 1, 14, 3, "4:01:000"},  // 1/16384: one tick a measure
      {8192, 1, 15, 0, ""},          // 2^15 overflows the listing's 16-bit denominator
      {480, 4, -1, 0, ""},
  };
  for (const PositionCase& c : cases)
    EXPECT_EQ(MeasureMap(c.ticksPerQuarter, c.numerator, c.denominatorPower).Position(c.tick),
              c.position)
        << c.ticksPerQuarter << " " << c.numerator << "/2^" << c.denominatorPower << " @" << c.tick;
}

}  // namespace
}  // namespace veltrix::check
