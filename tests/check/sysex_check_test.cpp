// The checks of GS checksums and data requests, on files built here.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "builder/smf_builder.h"
#include "check/file_check.h"

namespace veltrix::check {
namespace {

struct Found {
  std::string code;
  int64_t offset;
  bool operator==(const Found&) const = default;
};

std::vector<Found> SysexFound(const builder::TrackBuilder& track) {
  const builder::Bytes bytes = builder::SmfBuilder(0, 480).Track(track).Build();
  std::vector<Found> found;
  for (const Finding& finding : CheckFile(bytes, "test.mid").findings)
    if (finding.code.starts_with("sysex-"))
      found.push_back({std::string(finding.code), finding.offset});
  return found;
}

TEST(SysexCheck, ChecksumsAndRequests) {
  // The first event's delta time is byte 22 (header chunk 14, track chunk head 8); its data
  // after F0 and the length byte starts at 24 + 1. A GS checksum makes address, data and
  // itself add up to a multiple of 128: 40 00 7F 00 needs 41.
  builder::TrackBuilder track;
  track
      .Sysex(0, {0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x42, 0xF7})     // 22-34
      .Sysex(0, {0x41, 0x10, 0x42, 0x11, 0x40, 0x00, 0x7F, 0, 0, 1, 0x40, 0xF7})  // 35-49
      .Sysex(0, {0x7E, 0x7F, 0x06, 0x01, 0xF7})                                   // 50-57
      .Sysex(0, {0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7})     // right
      .Sysex(0, {0x7E, 0x7F, 0x09, 0x01, 0xF7})
      .EndOfTrack();
  EXPECT_EQ(SysexFound(track),
            (std::vector<Found>{
                {"sysex-checksum", 33}, {"sysex-data-request", 35}, {"sysex-data-request", 50}}));
}

}  // namespace
}  // namespace veltrix::check
