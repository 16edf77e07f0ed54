// Writes the bundled example file: a small style-like song with meta events, channel events,
// XG and style-control system exclusive and sequencer-specific events. Named *.sty it is a
// style: the song followed by a CASM section, four one-touch settings and a music-finder
// record.
#include <cstdio>
#include <string>

#include "builder/smf_builder.h"
#include "builder/style_builder.h"

using namespace veltrix::builder;

namespace {

bool NamesAStyle(const std::string& path) {
  if (path.size() < 4) return false;
  std::string extension = path.substr(path.size() - 4);
  for (char& c : extension)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return extension == ".sty";
}

Bytes StyleSections() {
  CtabRecord rhythm;
  rhythm.head.sourceChannel = 0;
  rhythm.head.name = "Rhythm  ";
  rhythm.head.destinationChannel = 9;
  rhythm.head.chordMask = {0x03, 0xFF, 0xFF, 0xFF, 0xFF};
  Ctb2Record chord;
  chord.head.sourceChannel = 0;
  chord.head.name = "Chord 1 ";
  chord.head.destinationChannel = 11;
  chord.middle.rule = 1;
  OtsBuilder ots;
  for (uint8_t voice = 0; voice < 4; ++voice)
    ots.Track(TrackBuilder()
                  .Meta(0, 0x03, "OTS " + std::to_string(voice + 1))
                  .Event(0, {0xC0, voice})
                  .Event(0, {0xB0, 0x07, 0x64})
                  .EndOfTrack());
  FinderRecord record;
  record.music = "Example Song";
  record.genre = "Pop";
  record.keyword1 = "Example";
  Bytes sections = CasmBuilder().Cseg().Sdec("Main A,Main B").Ctab(rhythm).Ctb2(chord).Build();
  Append(sections, ots.Build());
  Append(sections, FinderBuilder().Record(record).Build());
  return sections;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: veltrix-example OUTPUT\n");
    return 2;
  }
  TrackBuilder track;
  track.Meta(0, 0x03, "Example Style")
      .TimeSignature(0, 4, 2)
      .Tempo(0, 500000)
      .Sysex(0, {0x7E, 0x7F, 0x09, 0x01, 0xF7})
      .Sysex(0, {0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7})
      .Sysex(0, {0x43, 0x10, 0x4C, 0x02, 0x01, 0x00, 0x01, 0x10, 0xF7})
      .Meta(0, 0x7F, Bytes{0x43, 0x7B, 0x01, 0x31, 0x00, 0x7F, 0x7F})
      .Sysex(0, {0x43, 0x7E, 0x00, 0x08, 0x7F, 0xF7})
      .Meta(0, 0x06, "Main A")
      .Event(0, {0xC0, 0x00})
      .Event(0, {0xB0, 0x07, 0x64})
      .Event(0, {0x90, 0x3C, 0x64})
      .Event(240, {0x3E, 0x64})
      .Event(240, {0x80, 0x3C, 0x40})
      .Event(0, {0x80, 0x3E, 0x40})
      .Sysex(0, {0x43, 0x7E, 0x01, 0x00, 0x1E, 0x42, 0x20, 0xF7})
      .Event(1440, {0xE0, 0x00, 0x40})
      .EndOfTrack(0);
  try {
    SmfBuilder file(0, 480);
    file.Track(track);
    if (NamesAStyle(argv[1])) file.Raw(StyleSections());
    WriteFile(argv[1], file.Build());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "veltrix-example: %s\n", error.what());
    return 1;
  }
  return 0;
}
