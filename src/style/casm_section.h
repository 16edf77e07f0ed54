#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/session.h"

namespace veltrix::casm {

// Blanks in front of the parameter texts, showing how the rows nest.
inline constexpr std::string_view kCnttIndent = "     ";
inline constexpr std::string_view kRecordIndent = "          ";
inline constexpr std::string_view kRangeIndent = "               ";
inline constexpr std::string_view kSeparatorParameter = "      ";
inline constexpr std::string_view kSeparatorSetting = " ";

// The bytes from `position` as text through the session's code page.
std::string TextAt(const Session& session, int64_t position, int64_t count);

// Reads the Sdec chunk at `position` into `sections` and returns the offset behind it.
int64_t ReadSdec(const Session& session, int64_t position, std::string& sections);

// The offset of the record behind the one at `start`: start + 8 + its length field. The length
// is unsigned, so the walk always moves forward.
int64_t NextRecordAt(const FileImage& image, int64_t start);

// The rows of record offsets 8 to 27, shared by the Ctab and Ctb2 layouts: "Source Track",
// "Name", "Style Part", "Editable?", "Notes allowed", "Chords allowed" and "Key ".
void ListRecordHead(Session& session, int64_t start);

// What a walk over the CASM section does with the chunks it meets.
struct SectionSteps {
  // Each Sdec chunk's text, with its number from 0.
  std::function<void(const std::string& sections, int number)> sdec;
  // The Ctab or Ctb2 record at `start`; false ends the walk at it.
  std::function<bool(int64_t start)> record;
  // The Cntt record at `start`; without it the walk does not step over Cntt records.
  std::function<void(int64_t start)> cntt;
};

// Walks the CSEG, Sdec, Ctab, Ctb2 and Cntt chunks behind the CASM tag at `position`, which
// it leaves where it stops. Every step moves it forward by at least 8 bytes, so no length in
// the file can make the walk loop. False when a record step ended it.
bool WalkSection(Session& session, int64_t& position, const SectionSteps& steps);

// Leaves the shared read position at `position` (held at the 32-bit limit beyond it).
void StoreReadPos(Session& session, int64_t position);

// A row of a record's field, its label at the record indent.
void RecordRow(Session& session, std::string_view label, std::string_view setting);

// The separator row behind each listed record.
void ListSeparator(Session& session);

}  // namespace veltrix::casm

namespace veltrix {

// Adds one row to the Casm view, numbered by CasmRowCounter ("001", "002", ...), and counts it.
// The counter is 16-bit: once row 32767 is added every further row keeps that number and
// reports "Overflow" under "Casm View Update".
void CasmViewUpdate(Session& session, std::string_view parameter, std::string_view setting);

}  // namespace veltrix
