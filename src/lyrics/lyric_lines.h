#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lyrics/song_lyrics.h"

namespace veltrix {

// The decoded text of one lyric or word event, in the song's order.
struct LyricText {
  int32_t tick = 0;
  int64_t microseconds = 0;
  std::string text;  // UTF-8
  int64_t offset = 0;
  int64_t row = -1;
};

// Which characters break the lines.
enum class BreakRules {
  LineEnds,  // lyric events: CR ends a line, LF starts a page
  Marks,     // lyric events: "/" ends a line, "<" and "\" start a page, "^" is a blank
  Kar,       // .kar words: "/" starts a line, "\" a paragraph
};

// The lines the texts make under `rules`; lines without text are left out.
std::vector<LyricLine> AssembleLines(const std::vector<LyricText>& texts, BreakRules rules);

}  // namespace veltrix
