#pragma once

#include <string>
#include <vector>

#include "core/code_page.h"
#include "core/event_index.h"
#include "core/file_image.h"
#include "lyrics/encoding_guess.h"
#include "lyrics/song_lyrics.h"
#include "shell/open_command.h"

namespace veltrix {

// A file opened as the Open command opens it (a file of another format than 0 through its
// merged format-0 copy), keeping of its Midi listing only the walk's event index.
struct IndexedFile {
  OpenOutcome outcome = OpenOutcome::Unreadable;
  FileImage image;  // the listed image
  FileImage own;    // the file's own bytes
  EventIndex index;
  std::vector<std::string> messages;  // the texts of the message boxes the window would show
};

IndexedFile IndexFile(const std::string& path, const CodePage& codePage);

// The file's own bytes at `path`, for the chunks a merged copy leaves out; `listed` when the
// file cannot be read again.
FileImage OwnBytesOf(const std::string& path, const FileImage& listed);

// The detector's guess for the texts of the file at `path`; no name when it has no guess or
// the file cannot be listed.
EncodingGuess GuessFileEncoding(const std::string& path);

// The lyrics of an indexed file.
SongLyrics LyricsOf(const IndexedFile& file, const CodePage& codePage);

}  // namespace veltrix
