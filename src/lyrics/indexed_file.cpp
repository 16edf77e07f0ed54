#include "lyrics/indexed_file.h"

#include "core/session.h"
#include "lyrics/encoding_guess.h"
#include "lyrics/lyrics_reader.h"

namespace veltrix {

FileImage OwnBytesOf(const std::string& path, const FileImage& listed) {
  try {
    return LoadFileImage(path);
  } catch (const std::exception&) {
    return listed;
  }
}

IndexedFile IndexFile(const std::string& path, const CodePage& codePage) {
  IndexedFile file;
  Session session;
  session.codePage = codePage;
  session.ConnectMessages([&](const std::string& text) { file.messages.push_back(text); });
  IndexRows rows(file.index);
  file.outcome = OpenFile(session, path, &rows);
  if (file.outcome == OpenOutcome::Listed) {
    file.image = std::move(session.image);
    file.own = OwnBytesOf(path, file.image);
  }
  return file;
}

EncodingGuess GuessFileEncoding(const std::string& path) {
  const IndexedFile file = IndexFile(path, CodePage());
  if (file.outcome != OpenOutcome::Listed) return {};
  return GuessEncoding(TextBytesOf(file.image, file.index, file.own));
}

SongLyrics LyricsOf(const IndexedFile& file, const CodePage& codePage) {
  return ReadLyrics(file.image, file.index, codePage, file.own);
}

}  // namespace veltrix
