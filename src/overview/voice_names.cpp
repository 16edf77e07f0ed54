#include "overview/voice_names.h"

#include <array>
#include <string_view>

#include "midi/channel_events.h"

namespace veltrix::overview {

namespace {

constexpr std::array<const char*, 128> kGmPrograms = {"Acoustic Grand Piano",
                                                      "Bright Acoustic Piano",
                                                      "Electric Grand Piano",
                                                      "Honky-tonk Piano",
                                                      "Electric Piano 1",
                                                      "Electric Piano 2",
                                                      "Harpsichord",
                                                      "Clavi",
                                                      "Celesta",
                                                      "Glockenspiel",
                                                      "Music Box",
                                                      "Vibraphone",
                                                      "Marimba",
                                                      "Xylophone",
                                                      "Tubular Bells",
                                                      "Dulcimer",
                                                      "Drawbar Organ",
                                                      "Percussive Organ",
                                                      "Rock Organ",
                                                      "Church Organ",
                                                      "Reed Organ",
                                                      "Accordion",
                                                      "Harmonica",
                                                      "Tango Accordion",
                                                      "Acoustic Guitar (nylon)",
                                                      "Acoustic Guitar (steel)",
                                                      "Electric Guitar (jazz)",
                                                      "Electric Guitar (clean)",
                                                      "Electric Guitar (muted)",
                                                      "Overdriven Guitar",
                                                      "Distortion Guitar",
                                                      "Guitar harmonics",
                                                      "Acoustic Bass",
                                                      "Electric Bass (finger)",
                                                      "Electric Bass (pick)",
                                                      "Fretless Bass",
                                                      "Slap Bass 1",
                                                      "Slap Bass 2",
                                                      "Synth Bass 1",
                                                      "Synth Bass 2",
                                                      "Violin",
                                                      "Viola",
                                                      "Cello",
                                                      "Contrabass",
                                                      "Tremolo Strings",
                                                      "Pizzicato Strings",
                                                      "Orchestral Harp",
                                                      "Timpani",
                                                      "String Ensemble 1",
                                                      "String Ensemble 2",
                                                      "SynthStrings 1",
                                                      "SynthStrings 2",
                                                      "Choir Aahs",
                                                      "Voice Oohs",
                                                      "Synth Voice",
                                                      "Orchestra Hit",
                                                      "Trumpet",
                                                      "Trombone",
                                                      "Tuba",
                                                      "Muted Trumpet",
                                                      "French Horn",
                                                      "Brass Section",
                                                      "SynthBrass 1",
                                                      "SynthBrass 2",
                                                      "Soprano Sax",
                                                      "Alto Sax",
                                                      "Tenor Sax",
                                                      "Baritone Sax",
                                                      "Oboe",
                                                      "English Horn",
                                                      "Bassoon",
                                                      "Clarinet",
                                                      "Piccolo",
                                                      "Flute",
                                                      "Recorder",
                                                      "Pan Flute",
                                                      "Blown Bottle",
                                                      "Shakuhachi",
                                                      "Whistle",
                                                      "Ocarina",
                                                      "Lead 1 (square)",
                                                      "Lead 2 (sawtooth)",
                                                      "Lead 3 (calliope)",
                                                      "Lead 4 (chiff)",
                                                      "Lead 5 (charang)",
                                                      "Lead 6 (voice)",
                                                      "Lead 7 (fifths)",
                                                      "Lead 8 (bass + lead)",
                                                      "Pad 1 (new age)",
                                                      "Pad 2 (warm)",
                                                      "Pad 3 (polysynth)",
                                                      "Pad 4 (choir)",
                                                      "Pad 5 (bowed)",
                                                      "Pad 6 (metallic)",
                                                      "Pad 7 (halo)",
                                                      "Pad 8 (sweep)",
                                                      "FX 1 (rain)",
                                                      "FX 2 (soundtrack)",
                                                      "FX 3 (crystal)",
                                                      "FX 4 (atmosphere)",
                                                      "FX 5 (brightness)",
                                                      "FX 6 (goblins)",
                                                      "FX 7 (echoes)",
                                                      "FX 8 (sci-fi)",
                                                      "Sitar",
                                                      "Banjo",
                                                      "Shamisen",
                                                      "Koto",
                                                      "Kalimba",
                                                      "Bag pipe",
                                                      "Fiddle",
                                                      "Shanai",
                                                      "Tinkle Bell",
                                                      "Agogo",
                                                      "Steel Drums",
                                                      "Woodblock",
                                                      "Taiko Drum",
                                                      "Melodic Tom",
                                                      "Synth Drum",
                                                      "Reverse Cymbal",
                                                      "Guitar Fret Noise",
                                                      "Breath Noise",
                                                      "Seashore",
                                                      "Bird Tweet",
                                                      "Telephone Ring",
                                                      "Helicopter",
                                                      "Applause",
                                                      "Gunshot"};

struct DrumKit {
  int msb;
  int program;
  std::string_view name;
};

// The XG drum kits: bank MSB 127 (and a drum channel without a bank select), and the two
// sound-effect kits of MSB 126.
constexpr std::array<DrumKit, 11> kXgDrumKits = {{
    {127, 0, "Standard Kit"},
    {127, 1, "Standard Kit 2"},
    {127, 8, "Room Kit"},
    {127, 16, "Rock Kit"},
    {127, 24, "Electro Kit"},
    {127, 25, "Analog Kit"},
    {127, 32, "Jazz Kit"},
    {127, 40, "Brush Kit"},
    {127, 48, "Classic Kit"},
    {126, 0, "SFX Kit 1"},
    {126, 1, "SFX Kit 2"},
}};

}  // namespace

std::string NoteText(int note) {
  static constexpr std::array<const char*, 12> kLetters = {"C",  "C#", "D",  "D#", "E",  "F",
                                                           "F#", "G",  "G#", "A",  "A#", "B"};
  if (note < 0 || note > 127) return {};
  return kLetters[static_cast<size_t>(note % 12)] + std::to_string(note / 12);
}

std::string ControllerText(int number) {
  return std::string(ControllerName(number));
}

const char* GmProgramName(int program) {
  return program >= 0 && program < 128 ? kGmPrograms[static_cast<size_t>(program)] : "";
}

std::string VoiceName(std::optional<int> bankMsb, std::optional<int> bankLsb, int program,
                      bool drums) {
  const int msb = bankMsb.value_or(0);
  const int lsb = bankLsb.value_or(0);
  // On a drum channel, bank 0/0 plays the kits of MSB 127.
  const int kitBank = drums && msb == 0 && lsb == 0 ? 127 : msb;
  if (drums || msb >= 126)
    for (const DrumKit& kit : kXgDrumKits)
      if (kit.msb == kitBank && kit.program == program && lsb == 0) return std::string(kit.name);
  if (!drums && msb == 0 && lsb == 0) return GmProgramName(program);
  return "Bank " + std::to_string(msb) + "/" + std::to_string(lsb) + " Program " +
         std::to_string(program);
}

}  // namespace veltrix::overview
