#pragma once

// src/lyrics: the words of a song as timed lines, from the lyric and text events the listing
// walk indexed and from the file's own bytes. Above shell; the window and the lister present
// what it makes.

#include <cstdint>
#include <string>
#include <vector>

namespace veltrix {

// A piece of one event's text within one line: an event whose text holds a break gives a
// syllable on each side of it.
struct LyricSyllable {
  int32_t tick = 0;
  int64_t microseconds = 0;
  std::string text;    // UTF-8, the break characters removed
  int64_t offset = 0;  // the first byte (delta time) of its event in the file
  int64_t row = -1;    // the listed row of its event; -1 for one in the karaoke chunk
};

struct LyricLine {
  int32_t tick = 0;  // its first syllable's
  int64_t microseconds = 0;
  std::string text;        // the syllables joined, blanks at both ends removed
  bool paragraph = false;  // it starts a paragraph or page (the first line always does)
  std::vector<LyricSyllable> syllables;
};

enum class LyricSource { None, Lyric, Kar };

struct SongLyrics {
  LyricSource source = LyricSource::None;
  bool alsoKar = false;   // lyric events were taken although .kar words are there too
  bool givesTime = true;  // false when the header's division gives no clock time
  std::string title;      // the first @T text of a .kar header
  std::string author;     // the second @T text
  std::string language;   // @L
  std::vector<std::string> information;  // @I texts, then @K and @V
  std::vector<LyricLine> lines;          // only lines with text
};

// "lyric", "kar" or "" for none.
const char* SourceName(LyricSource source);

}  // namespace veltrix
