#pragma once

#include <cstdint>
#include <vector>

#include "core/file_image.h"

namespace veltrix {

// A lyric event (FF 05) of the karaoke chunk ("XFKM") that keyboard song files carry behind
// their track chunk: its tick from the chunk's start and where its bytes lie in the file.
struct ChunkLyric {
  int32_t tick = 0;
  int64_t offset = 0;  // its delta time's first byte
  int64_t first = 0;   // its first text byte
  int64_t length = 0;
};

// The lyric events of every karaoke chunk of `image`, found by walking the chunks from the
// header on. Reading stops at the first event that does not fit its chunk or the file.
std::vector<ChunkLyric> KaraokeChunkLyrics(const FileImage& image);

}  // namespace veltrix
