#pragma once

// src/check: the checker, which reads a song or style file by the rules of its format, apart
// from the listing's walk, and says what is wrong with it and where. It needs nothing of the
// other folders; views writes its reports, cli and the window's Problems pane run it.

#include <cstdint>
#include <span>
#include <string_view>

#include "check/finding.h"

namespace veltrix::check {

// Checks a Standard MIDI File, or a keyboard style file, by the rules of its format: every
// chunk by its declared length, every track, and the style sections by their tags. `name`
// (the file's name or path) tells whether the file is a style by its extension; a file with
// a CASM section is checked as a style whatever its name. Never throws on any bytes, never
// stops at the first fault, and works in time and memory linear in the file's size.
FileCheck CheckFile(std::span<const uint8_t> bytes, std::string_view name);

// True for the extensions of keyboard files with style sections (.sty .prs .pcs ...).
bool IsStyleName(std::string_view name);

}  // namespace veltrix::check
