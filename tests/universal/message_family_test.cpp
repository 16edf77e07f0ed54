#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "universal/message_family.h"
#include "universal/sysex_event.h"

namespace veltrix::universal {
namespace {

TEST(MessageFamily, ResetsAndStandards) {
  struct Case {
    std::vector<uint8_t> bytes;  // after F0
    MessageFamily family;
  };
  const Case cases[] = {
      {{0x7E, 0x7F, 0x09, 0x01, 0xF7}, MessageFamily::Gm1SystemOn},
      {{0x7E, 0x7F, 0x09, 0x03, 0xF7}, MessageFamily::Gm2SystemOn},
      {{0x7E, 0x7F, 0x09, 0x02, 0xF7}, MessageFamily::GmSystemOff},
      {{0x7E, 0x7F, 0x06, 0x01, 0xF7}, MessageFamily::UniversalNonRealTime},
      {{0x7F, 0x7F, 0x04, 0x01, 0x00, 0x40, 0xF7}, MessageFamily::UniversalRealTime},
      // GS Reset: 40 00 7F 00 with its checksum 41; with a wrong one no device resets.
      {{0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7}, MessageFamily::GsReset},
      {{0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x40, 0xF7}, MessageFamily::Gs},
      {{0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x04, 0x7F, 0x3D, 0xF7}, MessageFamily::Gs},
      // XG System On: 43 1n 4C 00 00 7E 00.
      {{0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7}, MessageFamily::XgSystemOn},
      {{0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0xF7}, MessageFamily::Xg},
      {{0x43, 0x73, 0x01, 0x00, 0xF7}, MessageFamily::Other},
      {{0xF7}, MessageFamily::Other},
  };
  for (const Case& c : cases)
    EXPECT_EQ(FamilyName(FamilyOf(MessageBytes(c.bytes.data(), c.bytes.size()))),
              FamilyName(c.family))
        << ::testing::PrintToString(c.bytes);
}

// An event as the index keeps it: delta time, F0, length, the message.
TEST(SysexEvent, MessageOfEvent) {
  const std::vector<uint8_t> event = {0x81, 0x00, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7};
  const auto message = SysexMessageOfEvent(event);
  ASSERT_TRUE(message);
  EXPECT_EQ(std::vector<uint8_t>(message->begin(), message->end()),
            (std::vector<uint8_t>{0x7E, 0x7F, 0x09, 0x01, 0xF7}));
  const std::vector<uint8_t> cut = {0x00, 0xF0, 0x05, 0x7E, 0x7F};
  EXPECT_EQ(SysexMessageOfEvent(cut)->size(), 2u);
  const std::vector<uint8_t> meta = {0x00, 0xFF, 0x01, 0x00};
  EXPECT_FALSE(SysexMessageOfEvent(meta));
}

}  // namespace
}  // namespace veltrix::universal
