#pragma once

#include <cstdint>
#include <string>

#include "lyrics/song_lyrics.h"

namespace veltrix {

// A time as LRC writes it: "mm:ss.xx" (minutes from 00 up, hundredths cut).
std::string LrcTime(int64_t microseconds);

// LRC: [ti:] and [ar:] from the header where known, then "[mm:ss.xx]line" a line; with
// `syllables` the enhanced form, "<mm:ss.xx>" before each syllable.
std::string LrcText(const SongLyrics& song, bool syllables);

// The lines alone, a blank line between paragraphs.
std::string PlainLyricsText(const SongLyrics& song);

// The lyrics as one JSON object: path, source, encoding, title, author, language and lines.
void AppendLyricsJson(const SongLyrics& song, const std::string& path, const std::string& encoding,
                      std::string& out);

}  // namespace veltrix
