// Writes the bundled example file: a small style-like song with meta events, channel events,
// XG and style-control system exclusive and sequencer-specific events.
#include <cstdio>
#include <string>

#include "builder/smf_builder.h"

using namespace veltrix::builder;

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
    WriteFile(argv[1], SmfBuilder(0, 480).Track(track).Build());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "veltrix-example: %s\n", error.what());
    return 1;
  }
  return 0;
}
