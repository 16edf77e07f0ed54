#pragma once

#include <cstdint>
#include <optional>
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

// Where the CASM walk starts: the offset of the "CASM" tag found in the 11 offsets from
// L + 20 on (L the first track's length), or L + 31 when none of them holds it. Nothing when
// the image ends before the search can finish; when it has no byte at L + 30 at all, the
// warning label reads "No CASM in file".
std::optional<int64_t> LocateCasm(Session& session);

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

// Leaves the shared read position at `position` (held at the 32-bit limit beyond it).
void StoreReadPos(Session& session, int64_t position);

// The separator row behind each listed record.
void ListSeparator(Session& session);

}  // namespace veltrix::casm
