#include "tools/large_file.h"

#include "core/session.h"
#include "midi/midi_list.h"

#include <random>
#include <vector>

namespace veltrix::bench {

namespace {

using builder::Bytes;
using builder::TrackBuilder;

void AddEvents(TrackBuilder& track, uint32_t events, std::mt19937& random) {
  std::uniform_int_distribution<int> kind(0, 99);
  std::uniform_int_distribution<int> note(36, 96);
  std::uniform_int_distribution<int> value(0, 127);
  std::uniform_int_distribution<int> delta(0, 120);
  bool noteStatusSet = false;
  for (uint32_t i = 0; i < events; ++i) {
    int k = kind(random);
    uint32_t d = static_cast<uint32_t>(delta(random));
    uint8_t n = static_cast<uint8_t>(note(random));
    uint8_t v = static_cast<uint8_t>(value(random));
    if (k < 35) {
      track.Event(d, {0x90, n, v});
      noteStatusSet = true;
    } else if (k < 60) {
      if (noteStatusSet)
        track.Event(d, {n, v});  // running status
      else
        track.Event(d, {0x80, n, 0x40});
    } else if (k < 70) {
      track.Event(d, {0xB0, static_cast<uint8_t>(k % 12), v});
      noteStatusSet = false;
    } else if (k < 73) {
      track.Event(d, {0xC1, v});
      noteStatusSet = false;
    } else if (k < 76) {
      track.Event(d, {0xE2, 0x00, v});
      noteStatusSet = false;
    } else if (k < 82) {
      track.Sysex(d, {0x43, 0x10, 0x4C, 0x08, static_cast<uint8_t>(k % 16), 0x07, v, 0xF7});
    } else if (k < 85) {
      track.Sysex(d, {0x43, 0x10, 0x4C, 0x02, 0x01, 0x00, 0x01, 0x10, 0xF7});
    } else if (k < 88) {
      track.Sysex(d, {0x43, 0x7E, 0x00, 0x08, 0x7F, 0xF7});
    } else if (k < 90) {
      track.Sysex(d, {0x43, 0x7E, 0x02, 0x31, 0x13, 0x7F, 0x7F, 0xF7});
    } else if (k < 92) {
      track.Sysex(d, {0x43, 0x73, 0x01, 0x51, 0x05, 0x00, 0x01, 0xF7});
    } else if (k < 95) {
      track.Meta(d, 0x7F, Bytes{0x43, 0x7B, 0x01, 0x31, 0x13, 0x7F, 0x7F});
    } else if (k < 98) {
      track.Meta(d, 0x01, "Generated text event");
    } else {
      track.Tempo(d, 400000 + static_cast<uint32_t>(v) * 1000);
    }
  }
}

}  // namespace

builder::Bytes LargeFormat0File(uint32_t events, uint32_t seed) {
  std::mt19937 random(seed);
  TrackBuilder track;
  track.Meta(0, 0x03, "Large").TimeSignature(0, 4, 2).Tempo(0, 500000);
  AddEvents(track, events, random);
  track.EndOfTrack();
  return builder::SmfBuilder(0, 480).Track(track).Build();
}

builder::Bytes LargeFormat1File(uint32_t events, int tracks, uint32_t seed) {
  std::mt19937 random(seed);
  builder::SmfBuilder file(1, 480);
  for (int t = 0; t < tracks; ++t) {
    TrackBuilder track;
    if (t == 0) track.TimeSignature(0, 4, 2).Tempo(0, 500000);
    AddEvents(track, events / static_cast<uint32_t>(tracks), random);
    track.EndOfTrack();
    file.Track(track);
  }
  return file.Build();
}

void LoadGenerated(Session& session, const builder::Bytes& bytes) {
  session.image = FileImage(bytes);
  session.window.fileName = "large.mid";
}

const WindowModel& ListedMillionEventWindow() {
  static const WindowModel window = [] {
    Session session;
    LoadGenerated(session, LargeFormat0File(1000000));
    getMidiList(session);
    return session.window;
  }();
  return window;
}

}  // namespace veltrix::bench
