#include "lyrics/lyrics_text.h"

#include <cstdio>

#include "timing/clock_text.h"
#include "views/export_writers.h"

namespace veltrix {

namespace {

void AppendNullable(const std::string& text, std::string& out) {
  if (text.empty())
    out += "null";
  else
    AppendJsonString(text, out);
}

// Seconds with the microseconds, without trailing zeros: 1.5, 62.000125, 0.
std::string SecondsText(int64_t microseconds) {
  char text[40];
  std::snprintf(text, sizeof text, "%lld.%06lld", static_cast<long long>(microseconds / 1000000),
                static_cast<long long>(microseconds % 1000000));
  std::string seconds(text);
  while (seconds.back() == '0') seconds.pop_back();
  if (seconds.back() == '.') seconds.pop_back();
  return seconds;
}

}  // namespace

std::string LrcTime(int64_t microseconds) {
  if (microseconds < 0) microseconds = 0;
  const int64_t hundredths = microseconds / 10000;
  char text[32];
  std::snprintf(
      text, sizeof text, "%02lld:%02lld.%02lld", static_cast<long long>(hundredths / 6000),
      static_cast<long long>(hundredths / 100 % 60), static_cast<long long>(hundredths % 100));
  return text;
}

std::string LrcText(const SongLyrics& song, bool syllables) {
  std::string out;
  if (!song.title.empty()) out += "[ti:" + song.title + "]\n";
  if (!song.author.empty()) out += "[ar:" + song.author + "]\n";
  for (const LyricLine& line : song.lines) {
    out += "[" + LrcTime(line.microseconds) + "]";
    if (syllables) {
      for (const LyricSyllable& syllable : line.syllables)
        out += "<" + LrcTime(syllable.microseconds) + ">" + syllable.text;
    } else {
      out += line.text;
    }
    out += '\n';
  }
  return out;
}

std::string PlainLyricsText(const SongLyrics& song) {
  std::string out;
  for (size_t i = 0; i < song.lines.size(); ++i) {
    if (i > 0 && song.lines[i].paragraph) out += '\n';
    out += song.lines[i].text;
    out += '\n';
  }
  return out;
}

void AppendLyricsJson(const SongLyrics& song, const std::string& path, const std::string& encoding,
                      std::string& out) {
  out += "{\"path\":";
  AppendJsonString(path, out);
  out += ",\"source\":";
  AppendNullable(SourceName(song.source), out);
  out += ",\"encoding\":";
  AppendJsonString(encoding, out);
  out += ",\"title\":";
  AppendNullable(song.title, out);
  out += ",\"author\":";
  AppendNullable(song.author, out);
  out += ",\"language\":";
  AppendNullable(song.language, out);
  out += ",\"lines\":[";
  for (size_t i = 0; i < song.lines.size(); ++i) {
    const LyricLine& line = song.lines[i];
    out += i ? ",{\"tick\":" : "{\"tick\":";
    out += std::to_string(line.tick);
    out += ",\"time\":";
    AppendJsonString(ClockText(line.microseconds), out);
    out += ",\"seconds\":" + SecondsText(line.microseconds);
    out += ",\"text\":";
    AppendJsonString(line.text, out);
    out += line.paragraph ? ",\"paragraph\":true" : ",\"paragraph\":false";
    out += ",\"syllables\":[";
    for (size_t s = 0; s < line.syllables.size(); ++s) {
      const LyricSyllable& syllable = line.syllables[s];
      out += s ? ",{\"tick\":" : "{\"tick\":";
      out += std::to_string(syllable.tick);
      out += ",\"seconds\":" + SecondsText(syllable.microseconds);
      out += ",\"text\":";
      AppendJsonString(syllable.text, out);
      out += ",\"offset\":" + std::to_string(syllable.offset) + "}";
    }
    out += "]}";
  }
  out += "]}";
}

}  // namespace veltrix
