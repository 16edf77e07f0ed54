// Writes a seed corpus of built style files into the folder named by the first argument:
// Ctab and Ctb2 sections with Cntt records, several OTS tracks and music-finder records.
// Given a second argument, a folder of real style files, it adds each of them with its long
// MIDI track replaced by a short one, so the fuzzer spends its time on the sections behind it.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "builder/style_builder.h"

using namespace veltrix::builder;

namespace {

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
Bytes SectionsBehindTrack(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() < 22) return {};
  const size_t length =
      (size_t{bytes[18]} << 24) | (size_t{bytes[19]} << 16) | (size_t{bytes[20]} << 8) | bytes[21];
  if (22 + length >= bytes.size()) return {};
  return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(22 + length), bytes.end());
}

void Write(const std::string& folder, const std::string& name, const Bytes& bytes) {
  WriteFile(folder + "/" + name, bytes);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: make_style_seeds FOLDER [REAL_STYLES_FOLDER]\n");
    return 2;
  }
  const std::string folder = argv[1];
  CasmBuilder ctab;
  ctab.Cseg().Sdec("Main A,Main B");
  for (uint8_t channel = 8; channel < 12; ++channel) ctab.Ctab(Ctab(channel)).Cntt(channel, 129);
  ctab.Cseg().Sdec("Intro A").Ctab(Ctab(15));

  CasmBuilder ctb2;
  ctb2.Cseg().Sdec("Main A");
  for (uint8_t channel = 8; channel < 12; ++channel) ctb2.Ctb2(Ctb2(channel));
  ctb2.Cseg().Sdec("Fill In AA").Ctb2(Ctb2(14));

  const TrackBuilder track = SampleStyleTrack();
  Write(folder, "ctab.sty", StyleBuilder(track).Casm(ctab).Ots(Ots()).Finder(Finder()).Build());
  Write(folder, "ctb2.sty", StyleBuilder(track).Casm(ctb2).Ots(Ots()).Build());
  Write(folder, "casm_only.sty", StyleBuilder(track).Casm(ctab).Build());
  Write(folder, "plain.mid", SmfBuilder(0, 480).Track(track).Build());

  if (argc == 3) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(argv[2], error)) {
      Bytes sections = SectionsBehindTrack(entry.path().string());
      if (sections.empty()) continue;
      Write(folder, "short-" + entry.path().filename().string(),
            StyleBuilder(track).Raw(sections).Build());
    }
  }
  return 0;
}
