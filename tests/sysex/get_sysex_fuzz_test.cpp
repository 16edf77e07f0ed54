#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "core/error_reporter.h"
#include "core/hex_text.h"
#include "sysex/get_sysex.h"

namespace veltrix {
namespace {

// The headers GetSysex tells apart, plus a few neighbours; an empty entry stands for a random
// header.
const std::vector<std::vector<uint8_t>> kHeaders = {
    {0x43, 0x10, 0x4C}, {0x43, 0x73, 0x01}, {0x43, 0x7E, 0x00},
    {0x43, 0x7E, 0x01}, {0x43, 0x7E, 0x02}, {0x43, 0x7E, 0x03},
    {0x43, 0x00, 0x4C}, {0x7F, 0x7E, 0x04}, {},
};

// Bytes that select something somewhere in the tables, so that random data reaches deep
// branches more often than uniform bytes would.
const uint8_t kTableBytes[] = {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09,
                               0x0A, 0x0B, 0x0C, 0x0E, 0x0F, 0x10, 0x11, 0x12, 0x16, 0x19,
                               0x1F, 0x20, 0x21, 0x22, 0x24, 0x30, 0x31, 0x38, 0x40, 0x41,
                               0x45, 0x47, 0x50, 0x51, 0x7E, 0x7F, 0xF7};

class Generator {
 public:
  explicit Generator(uint32_t seed) : random_(seed) {}

  std::string NextHexText() {
    std::vector<uint8_t> bytes = kHeaders[Below(kHeaders.size())];
    if (bytes.empty()) {
      for (int i = 0; i < 3; ++i) bytes.push_back(AnyByte());
    }
    size_t extra = Below(14);
    for (size_t i = 0; i < extra; ++i) bytes.push_back(Below(3) == 0 ? AnyByte() : TableByte());
    std::string hex = HexText(bytes.data(), bytes.size());
    // Cut at any character, inside a byte or on its blank.
    if (Below(3) == 0 && !hex.empty()) hex.resize(Below(hex.size() + 1));
    // Now and then a character that no hex text holds.
    if (Below(50) == 0 && !hex.empty()) hex[Below(hex.size())] = "G -z\x80"[Below(5)];
    return hex;
  }

 private:
  size_t Below(size_t bound) {
    return std::uniform_int_distribution<size_t>(0, bound - 1)(random_);
  }
  uint8_t AnyByte() { return uint8_t(Below(256)); }
  uint8_t TableByte() { return kTableBytes[Below(std::size(kTableBytes))]; }

  std::mt19937 random_;
};

TEST(GetSysexFuzz, NeverThrowsAndReportsEveryFailureAsGetSysex) {
  constexpr int kMessages = 100000;
  Generator generator(20240611);
  ErrorReporter reporter;
  int reportsInCall = 0;
  int foreignRoutines = 0;
  reporter.SetSink([&](const ErrorReport& report) {
    ++reportsInCall;
    if (report.routine != "GetSysex") ++foreignRoutines;
  });

  int failedCalls = 0;
  for (int i = 0; i < kMessages; ++i) {
    std::string hex = generator.NextHexText();
    reportsInCall = 0;
    std::string text;
    try {
      text = GetSysex(hex, reporter);
    } catch (...) {
      FAIL() << "an exception left GetSysex for \"" << hex << "\"";
    }
    ASSERT_LE(reportsInCall, 1) << "\"" << hex << "\"";
    if (reportsInCall == 1) {
      ++failedCalls;
      ASSERT_EQ(text, "") << "failed call for \"" << hex << "\"";
    }
    ASSERT_EQ(foreignRoutines, 0) << "\"" << hex << "\"";
  }
  // The inputs must reach the failure paths, or the test proves little.
  EXPECT_GT(failedCalls, kMessages / 100);
}

}  // namespace
}  // namespace veltrix
