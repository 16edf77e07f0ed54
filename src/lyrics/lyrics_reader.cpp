#include "lyrics/lyrics_reader.h"

#include <algorithm>
#include <string_view>

#include "lyrics/karaoke_chunk.h"
#include "lyrics/lyric_lines.h"
#include "timing/event_times.h"

namespace veltrix {

namespace {

constexpr uint8_t kTextEvent = 0x01;
constexpr uint8_t kLyricEvent = 0x05;

std::string_view BytesOf(const FileImage& image, int64_t first, int64_t length) {
  if (length <= 0 || first < 0 || first + length > image.FileLength()) return {};
  return {reinterpret_cast<const char*>(image.bytes().data() + first), static_cast<size_t>(length)};
}

bool StartsKarWords(std::string_view text) {
  return !text.empty() && (text[0] == '@' || text[0] == '\\' || text[0] == '/');
}

// A .kar header line ("@" and a letter): the song's information, not words.
void TakeHeader(std::string_view text, const CodePage& codePage, SongLyrics& song, int& titles) {
  if (text.size() < 2) return;
  const std::string value = codePage.ToUtf8(text.substr(2));
  switch (text[1]) {
    case 'T':
      if (titles == 0)
        song.title = value;
      else if (titles == 1)
        song.author = value;
      ++titles;
      break;
    case 'L':
      song.language = value;
      break;
    case 'I':
    case 'K':
    case 'V':
      song.information.push_back(value);
      break;
    default:
      break;
  }
}

bool HasLineEnds(const std::vector<LyricText>& texts) {
  return std::any_of(texts.begin(), texts.end(), [](const LyricText& t) {
    return t.text.find_first_of("\r\n") != std::string::npos;
  });
}

bool ByTime(const LyricText& a, const LyricText& b) {
  // A karaoke-chunk event (no row) follows a track event of the same tick.
  if (a.tick != b.tick) return a.tick < b.tick;
  if ((a.row < 0) != (b.row < 0)) return b.row < 0;
  return a.offset < b.offset;
}

}  // namespace

SongLyrics ReadLyrics(const FileImage& image, const EventIndex& index, const CodePage& codePage,
                      const FileImage& own) {
  SongLyrics song;
  const EventTimes times(image, index);
  song.givesTime = times.GivesTime();
  std::vector<LyricText> lyrics;
  std::vector<LyricText> words;
  bool karStarted = false;
  int titles = 0;
  for (size_t row = 0; row < index.size(); ++row) {
    const EventRecord record = *index.Of(row);
    if (record.status != 0xFF) continue;
    const std::optional<MetaEventData> meta = MetaEventOf(image, record);
    if (!meta || (meta->type != kTextEvent && meta->type != kLyricEvent)) continue;
    const std::string_view bytes = BytesOf(image, meta->first, meta->length);
    LyricText text{record.tick, times.Of(record), {}, record.first, static_cast<int64_t>(row)};
    if (meta->type == kLyricEvent) {
      text.text = codePage.ToUtf8(bytes);
      lyrics.push_back(std::move(text));
      continue;
    }
    // The words of a .kar start with its header or its first break.
    if (!karStarted && !StartsKarWords(bytes)) continue;
    karStarted = true;
    if (!bytes.empty() && bytes[0] == '@') {
      TakeHeader(bytes, codePage, song, titles);
      continue;
    }
    text.text = codePage.ToUtf8(bytes);
    words.push_back(std::move(text));
  }
  for (const ChunkLyric& chunk : KaraokeChunkLyrics(own)) {
    EventRecord at;
    at.tick = chunk.tick;
    lyrics.push_back({chunk.tick, times.Of(at),
                      codePage.ToUtf8(BytesOf(own, chunk.first, chunk.length)), chunk.offset, -1});
  }
  // A sorted list keeps its records in the rows' order: the song's order is by time.
  for (std::vector<LyricText>* texts : {&lyrics, &words})
    if (!std::is_sorted(texts->begin(), texts->end(), ByTime))
      std::stable_sort(texts->begin(), texts->end(), ByTime);

  std::vector<LyricLine> lyricLines =
      AssembleLines(lyrics, HasLineEnds(lyrics) ? BreakRules::LineEnds : BreakRules::Marks);
  std::vector<LyricLine> karLines = AssembleLines(words, BreakRules::Kar);
  if (!lyricLines.empty()) {
    song.source = LyricSource::Lyric;
    song.alsoKar = !karLines.empty();
    song.lines = std::move(lyricLines);
  } else if (!karLines.empty()) {
    song.source = LyricSource::Kar;
    song.lines = std::move(karLines);
  }
  return song;
}

const char* SourceName(LyricSource source) {
  switch (source) {
    case LyricSource::Lyric:
      return "lyric";
    case LyricSource::Kar:
      return "kar";
    case LyricSource::None:
      break;
  }
  return "";
}

}  // namespace veltrix
