#include "lyrics/encoding_guess.h"

#include <iconv.h>
#include <uchardet/uchardet.h>

#include <algorithm>
#include <memory>

#include "lyrics/karaoke_chunk.h"
#include "timing/event_times.h"

namespace veltrix {

namespace {

// Fewer bytes beyond ASCII than this leave even a right guess a coin toss.
constexpr long kConfidentHighBytes = 6;

void AppendData(const FileImage& image, int64_t first, int64_t length, std::string& out) {
  if (length <= 0 || first < 0 || first + length > image.FileLength()) return;
  out.append(reinterpret_cast<const char*>(image.bytes().data() + first),
             static_cast<size_t>(length));
  out.push_back('\n');
}

// True when every byte of `bytes` reads as a character of `codePage`.
bool ReadsWhole(std::string_view bytes, const std::string& codePage) {
  iconv_t handle = iconv_open("UTF-8", codePage.c_str());
  if (handle == reinterpret_cast<iconv_t>(-1)) return false;
  char* source = const_cast<char*>(bytes.data());
  size_t left = bytes.size();
  char buffer[1024];
  bool whole = true;
  while (left > 0) {
    char* target = buffer;
    size_t room = sizeof buffer;
    if (iconv(handle, &source, &left, &target, &room) == static_cast<size_t>(-1) &&
        errno != E2BIG) {
      whole = false;
      break;
    }
  }
  iconv_close(handle);
  return whole;
}

}  // namespace

std::string TextBytesOf(const FileImage& image, const EventIndex& index, const FileImage& own) {
  std::string bytes;
  for (size_t row = 0; row < index.size(); ++row) {
    const EventRecord record = *index.Of(row);
    if (record.status != 0xFF) continue;
    const std::optional<MetaEventData> meta = MetaEventOf(image, record);
    if (meta && meta->type >= 0x01 && meta->type <= 0x0F)
      AppendData(image, meta->first, meta->length, bytes);
  }
  for (const ChunkLyric& lyric : KaraokeChunkLyrics(own))
    AppendData(own, lyric.first, lyric.length, bytes);
  return bytes;
}

EncodingGuess GuessEncoding(std::string_view bytes) {
  EncodingGuess guess;
  const long high = std::count_if(bytes.begin(), bytes.end(),
                                  [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
  if (high == 0) return guess;
  std::unique_ptr<uchardet, void (*)(uchardet_t)> detector(uchardet_new(), uchardet_delete);
  if (uchardet_handle_data(detector.get(), bytes.data(), bytes.size()) != 0) return guess;
  uchardet_data_end(detector.get());
  const std::string name = uchardet_get_charset(detector.get());
  if (name.empty() || name == "ASCII") return guess;
  guess.name = name;
  guess.confident = high >= kConfidentHighBytes && ReadsWhole(bytes, name);
  return guess;
}

}  // namespace veltrix
