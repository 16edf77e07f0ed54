#pragma once

#include <string>
#include <string_view>

#include "core/event_index.h"
#include "core/file_image.h"

namespace veltrix {

// The text bytes of a Midi listing: the data of every text meta event (FF 01 to FF 0F) the
// walk indexed and of the karaoke chunk's lyric events in `own`, each followed by a line feed.
std::string TextBytesOf(const FileImage& image, const EventIndex& index, const FileImage& own);

struct EncodingGuess {
  std::string name;  // a code page name CodePage takes; empty when nothing is guessed
  // The bytes hold enough beyond ASCII for a guess and all of them read in the guessed code
  // page.
  bool confident = false;
};

// The code page the detector guesses for `bytes`. Plain ASCII gives no guess: any of the
// offered code pages reads it alike.
EncodingGuess GuessEncoding(std::string_view bytes);

}  // namespace veltrix
