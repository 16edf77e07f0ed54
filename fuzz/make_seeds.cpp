// Writes the seed corpus of one fuzz target into a folder:
//   make_seeds style FOLDER [REAL]      built style files; with REAL, a folder of real files,
//                                       each real style with its long MIDI track cut short
//   make_seeds smf FOLDER [REAL]        built MIDI files of formats 0 and 1, the style seeds,
//                                       and the real MIDI files of up to 64 KiB
//   make_seeds sysex FOLDER [REAL]      system-exclusive messages, and those of the real files
//   make_seeds sequencer FOLDER [REAL]  sequencer-specific event data, likewise
// REAL is the folder holding the real files' "midi" and "styles" folders. The seeds of the
// last two begin with the mode byte the hex-text targets read (0: the bytes as they are).

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "builder/style_builder.h"

using namespace veltrix::builder;
namespace fs = std::filesystem;

namespace {

constexpr size_t kMaxRealFileSeed = 65536;
constexpr size_t kMaxMessageSeeds = 400;

Bytes ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::vector<fs::path> FilesIn(const fs::path& folder) {
  std::vector<fs::path> files;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error))
    if (entry.is_regular_file()) files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

void Write(const std::string& folder, const std::string& name, const Bytes& bytes) {
  WriteFile(folder + "/" + name, bytes);
}

CtabRecord Ctab(uint8_t channel) {
  CtabRecord record;
  record.head.sourceChannel = channel;
  record.head.destinationChannel = static_cast<uint8_t>(8 + channel % 8);
  record.head.chordMask = {0x03, 0xFF, 0xFF, 0xFF, 0xFF};
  record.transpositionTable = static_cast<uint8_t>(channel % 6);
  record.retriggerRule = static_cast<uint8_t>(channel % 6);
  record.tail = Bytes(1, 0);
  return record;
}

Ctb2Record Ctb2(uint8_t channel) {
  Ctb2Record record;
  record.head.sourceChannel = channel;
  record.head.destinationChannel = static_cast<uint8_t>(8 + channel % 8);
  record.low = {2, 1, 11, 0, 60, 3};
  record.middle = {0, 129, 5, 40, 80, 1};
  record.high = {1, 8, 7, 61, 127, 5};
  return record;
}

OtsBuilder Ots() {
  OtsBuilder ots;
  for (uint8_t program = 0; program < 4; ++program) {
    TrackBuilder track;
    track.Sysex(0, {0x43, 0x10, 0x4C, 0x08, program, 0x07, 0x01, 0xF7})
        .Event(0, {0xB0, 0x00, 0x00})
        .Event(0, {0x20, 0x00})
        .Event(0, {0xC0, program})
        .Meta(0, 0x7F, Bytes{0x43, 0x7B, 0x00, 0x58, 0x46, 0x30, 0x32})
        .EndOfTrack();
    ots.Track(track);
  }
  return ots;
}

FinderBuilder Finder() {
  FinderBuilder finder;
  for (int i = 0; i < 3; ++i) {
    FinderRecord record;
    record.music = "Song " + std::to_string(i);
    record.genre = "Ballad";
    record.keyword1 = "80,ballad";
    record.keyword2 = "x";
    record.numerator = static_cast<uint8_t>(3 + i);
    finder.Record(record);
  }
  return finder;
}

// The file's bytes behind its first track, or nothing when the track length points outside.
Bytes SectionsBehindTrack(const Bytes& bytes) {
  if (bytes.size() < 22) return {};
  const size_t length =
      (size_t{bytes[18]} << 24) | (size_t{bytes[19]} << 16) | (size_t{bytes[20]} << 8) | bytes[21];
  if (22 + length >= bytes.size()) return {};
  return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(22 + length), bytes.end());
}

void StyleSeeds(const std::string& folder, const std::string& real) {
  CasmBuilder ctab;
  ctab.Cseg().Sdec("Main A,Main B");
  for (uint8_t channel = 8; channel < 12; ++channel) ctab.Ctab(Ctab(channel)).Cntt(channel, 129);
  ctab.Cseg().Sdec("Intro A").Ctab(Ctab(15));

  CasmBuilder ctb2;
  ctb2.Cseg().Sdec("Main A");
  for (uint8_t channel = 8; channel < 12; ++channel) ctb2.Ctb2(Ctb2(channel));
  ctb2.Cseg().Sdec("Fill In AA").Ctb2(Ctb2(14));

  // Many short one-touch-setting tracks, some without End of Track, one with an event that
  // runs past its track: the shapes that once made the walk list bytes again and again.
  OtsBuilder manyTracks;
  for (uint8_t i = 0; i < 24; ++i) {
    if (i % 3 == 2)
      manyTracks.Track(TrackBuilder().Event(0, {0xC0, i}));
    else
      manyTracks.Track(SampleOtsTrack(i));
  }
  manyTracks.Raw(Bytes{'M', 'T', 'r', 'k', 0, 0, 0, 4, 0x00, 0xF0, 0x81, 0x00});

  const TrackBuilder track = SampleStyleTrack();
  Write(folder, "ots-many.sty",
        StyleBuilder(track).Casm(ctab).Ots(manyTracks).Raw(Bytes(160, 0)).Build());
  Write(folder, "ctab.sty", StyleBuilder(track).Casm(ctab).Ots(Ots()).Finder(Finder()).Build());
  Write(folder, "ctb2.sty", StyleBuilder(track).Casm(ctb2).Ots(Ots()).Build());
  Write(folder, "casm_only.sty", StyleBuilder(track).Casm(ctab).Build());
  Write(folder, "plain.mid", SmfBuilder(0, 480).Track(track).Build());

  if (real.empty()) return;
  for (const fs::path& path : FilesIn(fs::path(real) / "styles")) {
    Bytes sections = SectionsBehindTrack(ReadAll(path));
    if (sections.empty()) continue;
    Write(folder, "short-" + path.filename().string(), StyleBuilder(track).Raw(sections).Build());
  }
}

TrackBuilder EventMix(uint8_t channel) {
  TrackBuilder track;
  const auto status = [&](uint8_t kind) { return static_cast<uint8_t>(kind | channel); };
  track.Meta(0, 0x03, "Track " + std::to_string(channel))
      .Meta(0, 0x01, "text")
      .Meta(0, 0x05, "lyric")
      .Meta(0, 0x59, Bytes{0xFD, 0x01})
      .Event(0, {status(0xC0), 0x10})
      .Event(0, {status(0xB0), 0x07, 0x64})
      .Event(0, {0x0A, 0x40})
      .Event(10, {status(0x90), 0x3C, 0x64})
      .Event(5, {0x40, 0x64})
      .Event(120, {status(0x80), 0x3C, 0x40})
      .Event(0, {status(0xA0), 0x40, 0x10})
      .Event(0, {status(0xD0), 0x30})
      .Event(0, {status(0xE0), 0x00, 0x40})
      .Sysex(0, {0x7E, 0x7F, 0x09, 0x01, 0xF7})
      .Event(0, {0xF7, 0x02, 0x43, 0xF7})
      .Meta(0, 0x7F, Bytes{0x43, 0x7B, 0x01, 0x31, 0x00, 0x7F, 0x7F})
      .EndOfTrack(30);
  return track;
}

void SmfSeeds(const std::string& folder, const std::string& real) {
  StyleSeeds(folder, real);
  TrackBuilder tempo;
  tempo.TimeSignature(0, 3, 2).Tempo(0, 600000).Meta(0, 0x51, Bytes{0x07, 0xA1, 0x20}).EndOfTrack();
  Write(folder, "format0.mid", SmfBuilder(0, 96).Track(EventMix(0)).Build());
  Write(folder, "format1.mid",
        SmfBuilder(1, 480).Track(tempo).Track(EventMix(1)).Track(EventMix(9)).Build());
  Write(folder, "format2.mid", SmfBuilder(2, 480).Track(EventMix(2)).Track(EventMix(3)).Build());
  Write(folder, "format1-odd-chunk.mid",
        SmfBuilder(1, 480).Track(tempo).Chunk("XFIH", Bytes(6, 1)).Track(EventMix(4)).Build());
  Write(folder, "format1-short.mid",
        SmfBuilder(1, 480).Track(tempo).Track(EventMix(5)).TrackCount(4).Build());

  if (real.empty()) return;
  for (const fs::path& path : FilesIn(fs::path(real) / "midi"))
    if (fs::file_size(path) <= kMaxRealFileSeed)
      Write(folder, path.filename().string(), ReadAll(path));
}

// The data of every event of kind `status` (F0, or FF 7F) found by a scan of a real file's
// bytes: a length and that many bytes that stay inside the file.
void CollectMessages(const Bytes& file, bool sequencer, std::set<Bytes>& found) {
  for (size_t at = 0; at + 3 < file.size() && found.size() < kMaxMessageSeeds; ++at) {
    size_t lengthAt;
    if (sequencer) {
      if (file[at] != 0xFF || file[at + 1] != 0x7F) continue;
      lengthAt = at + 2;
    } else {
      if (file[at] != 0xF0) continue;
      lengthAt = at + 1;
    }
    size_t length = 0, i = lengthAt;
    for (; i < file.size() && i < lengthAt + 4; ++i) {
      length = (length << 7) | (file[i] & 0x7F);
      if (file[i] < 0x80) break;
    }
    ++i;
    if (length == 0 || length > 512 || i + length > file.size()) continue;
    found.insert(Bytes(file.begin() + static_cast<std::ptrdiff_t>(i),
                       file.begin() + static_cast<std::ptrdiff_t>(i + length)));
  }
}

void MessageSeeds(const std::string& folder, const std::string& real, bool sequencer,
                  const std::vector<Bytes>& built) {
  std::set<Bytes> messages(built.begin(), built.end());
  if (!real.empty())
    for (const char* kind : {"midi", "styles"})
      for (const fs::path& path : FilesIn(fs::path(real) / kind))
        CollectMessages(ReadAll(path), sequencer, messages);
  size_t number = 0;
  for (const Bytes& message : messages) {
    Bytes seed(1, 0);  // mode 0: the bytes as they are
    seed.insert(seed.end(), message.begin(), message.end());
    Write(folder, "message-" + std::to_string(number++), seed);
  }
}

const std::vector<Bytes> kBuiltSysex = {
    {0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7},
    {0x43, 0x10, 0x4C, 0x02, 0x01, 0x00, 0x01, 0x10, 0xF7},
    {0x43, 0x10, 0x4C, 0x08, 0x00, 0x07, 0x01, 0xF7},
    {0x43, 0x10, 0x4C, 0x30, 0x0D, 0x01, 0x40, 0xF7},
    {0x43, 0x10, 0x4C, 0x11, 0x00, 0x00, 0x01, 0xF7},
    {0x43, 0x7E, 0x00, 0x08, 0x7F, 0xF7},
    {0x43, 0x7E, 0x01, 0x00, 0x1E, 0x42, 0x20, 0xF7},
    {0x43, 0x7E, 0x02, 0x31, 0x00, 0x7F, 0x7F, 0xF7},
    {0x43, 0x7E, 0x03, 0x31, 0x00, 0xF7},
    {0x43, 0x00, 0x4C, 0x08, 0x01, 0x0B, 0x64, 0xF7},
    {0x43, 0x73, 0x01, 0x51, 0x05, 0x00, 0x01, 0x00, 0xF7},
    {0x43, 0x73, 0x01, 0x52, 0x03, 0x00, 0x00, 0x00, 0xF7},
    {0x43, 0x60, 0x7A, 0xF7},
    {0x7F, 0x7E, 0x04, 0x01, 0x00, 0x7F, 0xF7},
    {0x7E, 0x7F, 0x09, 0x01, 0xF7},
    {0x7E, 0x10, 0x06, 0x02, 0x41, 0x42, 0x00, 0x03, 0x01, 0x01, 0x02, 0x03, 0x04, 0xF7},
    {0x7E, 0x7F, 0x04, 0x0B, 0x41, 0x00, 0x00, 0x00, 0x00, 0x05, 0x00, 0xF7},
    {0x7F, 0x7F, 0x01, 0x01, 0x21, 0x02, 0x03, 0x04, 0xF7},
    {0x7F, 0x7F, 0x06, 0x44, 0x06, 0x01, 0x21, 0x00, 0x10, 0x00, 0x00, 0xF7},
    {0x7F, 0x7F, 0x04, 0x05, 0x01, 0x01, 0x01, 0x01, 0x01, 0x00, 0x04, 0x01, 0x50, 0xF7},
    {0x7F, 0x7F, 0x08, 0x02, 0x00, 0x01, 69, 69, 0x40, 0x00, 0xF7},
    {0x41, 0x10, 0x42, 0x12, 0x40, 0x00, 0x7F, 0x00, 0x41, 0xF7},
    {0x41, 0x10, 0x42, 0x12, 0x40, 0x1A, 0x15, 0x02, 0x0F, 0xF7},
    {0x41, 0x10, 0x42, 0x11, 0x40, 0x00, 0x7F, 0x00, 0x00, 0x01, 0x40, 0xF7},
};

const std::vector<Bytes> kBuiltSequencer = {
    {0x43, 0x7B, 0x00, 0x58, 0x46, 0x30, 0x32},
    {0x43, 0x7B, 0x01, 0x31, 0x00, 0x7F, 0x7F},
    {0x43, 0x7B, 0x03, 0x01},
    {0x43, 0x7B, 0x0C, 0x01, 0x02},
    {0x43, 0x73, 0x0A, 0x00, 0x04, 0x02},
    {0x43, 0x73, 0x0A, 0x00, 0x05, 0x41, 0x42, 0x43},
    {0x43, 0x73, 0x0C, 0x50, 0x6F, 0x70, 0x00},
    {0x43, 0x73, 0x0D, 0x01, 0x02, 0x03},
    {0x00, 0x00, 0x41},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 && argc != 4) {
    std::fprintf(stderr, "usage: make_seeds style|smf|sysex|sequencer FOLDER [REAL]\n");
    return 2;
  }
  const std::string kind = argv[1];
  const std::string folder = argv[2];
  const std::string real = argc == 4 && fs::is_directory(argv[3]) ? argv[3] : "";
  if (kind == "style") {
    StyleSeeds(folder, real);
  } else if (kind == "smf") {
    SmfSeeds(folder, real);
  } else if (kind == "sysex") {
    MessageSeeds(folder, real, false, kBuiltSysex);
  } else if (kind == "sequencer") {
    MessageSeeds(folder, real, true, kBuiltSequencer);
  } else {
    std::fprintf(stderr, "make_seeds: unknown kind %s\n", kind.c_str());
    return 2;
  }
  return 0;
}
