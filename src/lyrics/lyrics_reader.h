#pragma once

#include "core/code_page.h"
#include "core/event_index.h"
#include "core/file_image.h"
#include "lyrics/song_lyrics.h"

namespace veltrix {

// The lyrics of a Midi listing: `image` is the listed image with the walk's `index` of it
// (a merged format-0 copy for a file of another format), `own` the file's own bytes, where
// the karaoke chunk lies. Lyric events (FF 05, in the track or the karaoke chunk) win over
// .kar words (FF 01 texts). Texts are decoded with `codePage`.
SongLyrics ReadLyrics(const FileImage& image, const EventIndex& index, const CodePage& codePage,
                      const FileImage& own);

}  // namespace veltrix
