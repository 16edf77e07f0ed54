// The lyrics of a file the user opens: the Open command's road to the walk's event index, the
// lines from it and from the karaoke chunk read in the file's own bytes, the code-page guess
// of all its texts, and the three forms veltrix-list --lyrics writes. Besides crashes, hangs
// and leaks it fails an input when the JSON does not parse, a line is empty or has no
// syllable, the lines outgrow the input, or the user's file changes.

#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>

#include "fuzz_checks.h"
#include "fuzz_files.h"
#include "lyrics/encoding_guess.h"
#include "lyrics/indexed_file.h"
#include "lyrics/karaoke_chunk.h"
#include "lyrics/lyrics_text.h"

using namespace veltrix;
using namespace veltrix::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzFolder& folder = FuzzFolder::Get();
  const std::string path = folder.Input(size % 3 == 0 ? "input.kar" : "input.mid");
  WriteBytes(path, data, size);

  const CodePage codePage(size % 5 == 0 ? "SHIFT_JIS" : "WINDOWS-1252");
  const IndexedFile file = IndexFile(path, codePage);
  folder.CheckNoLeftovers();
  if (file.outcome == OpenOutcome::Listed) {
    const SongLyrics song = LyricsOf(file, codePage);
    size_t syllables = 0;
    for (const LyricLine& line : song.lines) {
      if (line.text.empty() || line.syllables.empty()) Fail("a line without text or syllables");
      syllables += line.syllables.size();
    }
    CheckBudget("syllables", syllables, size, 1);
    std::string json;
    AppendLyricsJson(song, path, codePage.name(), json);
    try {
      (void)nlohmann::json::parse(json);
    } catch (const nlohmann::json::parse_error& error) {
      Fail("the lyrics' JSON is malformed: %s", error.what());
    }
    (void)LrcText(song, size % 2 == 0);
    (void)PlainLyricsText(song);
    (void)GuessEncoding(TextBytesOf(file.image, file.index, file.own));
  }
  CheckBudget("karaoke-chunk lyrics", KaraokeChunkLyrics(FileImage({data, data + size})).size(),
              size, 1);
  CheckUnchanged(path, data, size);
  std::remove(path.c_str());
  return 0;
}
