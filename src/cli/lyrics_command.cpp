#include "cli/lyrics_command.h"

#include "cli/batch_lister.h"
#include "lyrics/indexed_file.h"
#include "lyrics/lyrics_text.h"

namespace veltrix {

namespace {

// One file's lyrics, or false when it could not be listed.
bool WriteFileLyrics(const ListerOptions& options, const std::string& path, std::string& text,
                     const TextSink& errors) {
  std::string note;
  const std::string codePageName = CodePageFor(options, path, note);
  if (!note.empty()) errors(path + ": " + note + "\n");
  const CodePage codePage(codePageName);
  const IndexedFile file = IndexFile(path, codePage);
  for (const std::string& message : file.messages) errors(path + ": " + message + "\n");
  if (file.outcome != OpenOutcome::Listed) return false;
  const SongLyrics song = LyricsOf(file, codePage);
  if (options.format == "json")
    AppendLyricsJson(song, path, codePageName, text);
  else if (options.format == "txt")
    text += PlainLyricsText(song);
  else
    text += LrcText(song, options.syllables);
  return true;
}

}  // namespace

int RunLyrics(const ListerOptions& options, const TextSink& out, const TextSink& errors) {
  bool failed = false;
  const std::vector<std::string> files = ExpandListerInputs(options.inputs, errors, failed);
  const bool several = files.size() > 1 || options.file.empty();
  const bool json = options.format == "json";
  if (json && several) out("[\n");
  size_t objects = 0;
  for (const std::string& path : files) {
    std::string text;
    if (several && !json) text = "==> " + path + " <==\n";
    bool listed = false;
    try {
      listed = WriteFileLyrics(options, path, text, errors);
    } catch (const std::exception& failure) {
      errors("veltrix-list: " + path + ": " + failure.what() + "\n");
    }
    if (!listed) {
      failed = true;
      if (json) continue;
    }
    if (json) text = (several && objects++ > 0 ? ",\n" : "") + text + (several ? "" : "\n");
    out(text);
  }
  if (json && several) out("\n]\n");
  return failed ? 1 : 0;
}

}  // namespace veltrix
