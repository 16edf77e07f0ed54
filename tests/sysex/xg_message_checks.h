#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/hex_text.h"
#include "core/number_text.h"
#include "support/test_support.h"
#include "sysex/get_sysex.h"

// Checks shared by the tests of the system-exclusive decoders.

namespace veltrix::xg_checks {

// "43 10 4C 00" as the hex text of those bytes, each followed by its blank.
inline std::string HexOf(std::string_view data) {
  return data.empty() ? std::string() : std::string(data) + " ";
}

struct MessageCase {
  const char* name;
  const char* data;
  std::string expected;
  int failure = 0;  // the failure GetSysex reports, 0 for none
};

// GetSysex gives `expected` for the hex text and reports `failure` (0: nothing) as "GetSysex".
inline void ExpectGetSysex(const std::string& hex, const std::string& expected, int failure) {
  testing::CollectingReporter collected;
  EXPECT_EQ(GetSysex(hex, collected.reporter), expected);
  if (failure == 0) {
    EXPECT_TRUE(collected.reports.empty());
  } else {
    ASSERT_EQ(collected.reports.size(), 1u);
    EXPECT_EQ(collected.reports[0].number, failure);
    EXPECT_EQ(collected.reports[0].routine, "GetSysex");
  }
}

inline void ExpectMessage(const MessageCase& c) {
  ExpectGetSysex(HexOf(c.data), c.expected, c.failure);
}

// The text a block gives for one address-low byte (byte 6).
struct AddressText {
  uint8_t address;
  const char* text;
};

// The data bytes every walk sends: decimal " 64", one byte "40", two bytes "40 01", four
// bytes "40 01 02 03", effect type 40/01 "Thru ".
inline constexpr uint8_t kWalkData[] = {0x40, 0x01, 0x02, 0x03, 0xF7};

// Sends every byte 6 from 00 to FF after the header and `addressBytes` (bytes 4 and 5): the
// listed ones must give `prefix` and their text, every other one `prefix` and the raw form.
inline void WalkAddresses(std::vector<uint8_t> addressBytes, const std::string& prefix,
                          std::span<const AddressText> listed) {
  for (int address = 0; address <= 0xFF; ++address) {
    std::vector<uint8_t> bytes = {0x43, 0x10, 0x4C};
    bytes.insert(bytes.end(), addressBytes.begin(), addressBytes.end());
    bytes.push_back(static_cast<uint8_t>(address));
    bytes.insert(bytes.end(), std::begin(kWalkData), std::end(kWalkData));
    std::string hex = HexText(bytes.data(), bytes.size());

    std::string expected = prefix + "F0 " + hex;
    for (const AddressText& row : listed) {
      if (row.address == address) expected = prefix + row.text;
    }
    testing::CollectingReporter collected;
    EXPECT_EQ(GetSysex(hex, collected.reporter), expected) << "byte 6 = " << HexByteText(address);
    EXPECT_TRUE(collected.reports.empty()) << "byte 6 = " << HexByteText(address);
  }
}

}  // namespace veltrix::xg_checks
