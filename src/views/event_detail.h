#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/session.h"

namespace veltrix {

// One line of a hex dump: up to 16 bytes from `offset`.
struct HexDumpLine {
  int32_t offset = 0;  // of the line's first byte in the file image
  std::string hex;     // the bytes as two-digit hexadecimal texts joined by blanks
  std::string text;    // the bytes as characters, "." for any byte outside 0x20 to 0x7E
};

inline constexpr size_t kHexDumpBytesPerLine = 16;

// What the detail pane shows for one row of the Midi or Ots view.
struct EventDetail {
  int32_t firstByte = 0;          // the delta-time byte, the row's ID
  int32_t lastByte = 0;           // the event's last byte
  std::vector<HexDumpLine> dump;  // every byte from firstByte to lastByte
  std::string command;            // the Command cell, whole
  std::string time;               // "m:ss.mmm" from the start of the track (Midi view), or empty
  // A GM, GS or universal system-exclusive message as text, whatever the Command column shows;
  // empty for any other event.
  std::string decoded;
};

// The bytes first..last of the image, 16 a line.
std::vector<HexDumpLine> HexDump(const FileImage& image, int32_t first, int32_t last);
// A dump line as one text: the offset in six digits, two blanks, the hex bytes padded to the
// width of a full line, two blanks and the characters. "000022  00 FF 51 ...  ..Q..."
std::string HexDumpLineText(const HexDumpLine& line);

// The detail of row `row` of the view the window shows, from the record the listing kept
// for the row in the window's event index. Nothing when the view is neither Midi nor Ots or
// the row has no record.
std::optional<EventDetail> DescribeEvent(const Session& session, size_t row);

}  // namespace veltrix
