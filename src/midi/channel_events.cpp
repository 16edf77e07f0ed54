#include "midi/channel_events.h"

#include <array>
#include <cstring>
#include <string_view>

#include "core/number_text.h"

namespace veltrix {

namespace {

struct ControllerRange {
  uint8_t first;
  uint8_t last;
  std::string_view name;
};

constexpr std::array<ControllerRange, 49> kControllerNames = {{
    {0, 0, "Bank Select MSB"},
    {32, 32, "Bank Select LSB"},
    {1, 1, "Mod Wheel"},
    {33, 33, "Mod Wheel"},
    {2, 2, "Breath Controller"},
    {34, 34, "Breath Controller"},
    {4, 4, "Foot Controller"},
    {36, 36, "Foot Controller"},
    {5, 5, "Portamento Time"},
    {37, 37, "Portamento Time"},
    {6, 6, "MSB Data Entry"},
    {38, 38, "LSB Data Entry"},
    {7, 7, "Volume"},
    {39, 39, "Volume"},
    {8, 8, "Balance"},
    {40, 40, "Balance"},
    {10, 10, "Pan"},
    {42, 42, "Pan"},
    {11, 11, "Expression"},
    {43, 43, "Expression"},
    {12, 12, "Effect Control 1"},
    {44, 44, "Effect Control 1"},
    {13, 13, "Effect Control 2"},
    {45, 45, "Effect Control 2"},
    {16, 19, "General Purpose"},
    {49, 52, "General Purpose"},
    {80, 83, "General Purpose"},
    {64, 64, "Sustain"},
    {65, 65, "Portamento On-Off"},
    {66, 66, "Sostenuto"},
    {67, 67, "Soft Pedal"},
    {68, 68, "Legato Foot Switch"},
    {69, 69, "Hold 2"},
    {70, 70, "2nd Variation patch"},
    {71, 71, "Harmonic Content(timbre)"},
    {72, 72, "Release"},
    {73, 73, "Attack"},
    {74, 74, "Brightness"},
    {75, 79, "Sound Controller"},
    {84, 84, "Portamento Control"},
    {91, 91, "Reverb Send Level"},
    {93, 93, "Chorus Send Level"},
    {94, 94, "Variation Level Send"},
    {96, 96, "RPN Data Increment"},
    {97, 97, "RPN Data Decrement"},
    {98, 98, "NRPN LSB"},
    {99, 99, "NRPN MSB"},
    {100, 100, "RPN LSB"},
    {101, 101, "RPN MSB"},
}};

constexpr std::string_view kUndefinedController = "Undefined";

// The table above spread over one entry per byte value, so a control change is one lookup.
constexpr std::array<std::string_view, 256> BuildControllerLookup() {
  std::array<std::string_view, 256> lookup{};
  for (auto& name : lookup) name = kUndefinedController;
  for (const auto& range : kControllerNames)
    for (int n = range.first; n <= range.last; ++n) lookup[n] = range.name;
  return lookup;
}

constexpr std::array<std::string_view, 256> kControllerLookup = BuildControllerLookup();

constexpr std::array<std::string_view, 12> kNoteLetters = {
    "C ", "C#", "D ", "D#", "E ", "F ", "F#", "G ", "G#", "A ", "A#", "B ",
};

// Data bytes of a channel event by kind (status / 16); kinds without data are not channel
// events and consume nothing of their own.
constexpr std::array<int, 16> kDataBytesByKind = {0, 0, 0, 0, 0, 0, 0, 0, 2, 2, 2, 2, 1, 1, 2, 0};

// The note name, two letters and the signed octave ("C  5"), into `out`; returns its length.
size_t WriteNoteName(char* out, int note) {
  std::string_view letters = kNoteLetters[note % 12];
  out[0] = letters[0];
  out[1] = letters[1];
  out[2] = ' ';
  return 3 + FormatDecimal(out + 3, note / 12);
}

// A short text kept in eight bytes, so that it is copied as one word.
struct ShortText {
  char text[8] = {};
  uint8_t size = 0;
};

// " " and the decimal digits of each byte value: the data bytes as SignedNumberText has them.
constexpr std::array<ShortText, 256> BuildSignedBytes() {
  std::array<ShortText, 256> texts{};
  for (int value = 0; value < 256; ++value) {
    ShortText& text = texts[value];
    text.text[text.size++] = ' ';
    if (value >= 100) text.text[text.size++] = static_cast<char>('0' + value / 100);
    if (value >= 10) text.text[text.size++] = static_cast<char>('0' + value / 10 % 10);
    text.text[text.size++] = static_cast<char>('0' + value % 10);
  }
  return texts;
}
constexpr std::array<ShortText, 256> kSignedBytes = BuildSignedBytes();

// The note name of each byte value as WriteNoteName writes it.
constexpr std::array<ShortText, 256> BuildNoteNames() {
  std::array<ShortText, 256> names{};
  for (int note = 0; note < 256; ++note) {
    ShortText& name = names[note];
    name.text[0] = kNoteLetters[note % 12][0];
    name.text[1] = kNoteLetters[note % 12][1];
    name.text[2] = ' ';
    name.size = 3;
    if (note / 12 >= 10) name.text[name.size++] = static_cast<char>('0' + note / 120);
    name.text[name.size++] = static_cast<char>('0' + note / 12 % 10);
  }
  return names;
}
constexpr std::array<ShortText, 256> kNoteNames = BuildNoteNames();

// Writes the event's text into a buffer on the stack and appends it in one piece: the walk
// makes one such text for most events of a file. Pieces are copied in whole words; the buffer
// has room for a word beyond the longest text.
class TextBuilder {
 public:
  // A literal is copied with its length known when compiled: no call per piece.
  template <size_t kSize>
  void Add(const char (&literal)[kSize]) {
    std::memcpy(text_ + size_, literal, kSize - 1);
    size_ += kSize - 1;
  }
  // Names are a few characters long.
  void Add(std::string_view text) {
    for (char c : text) text_[size_++] = c;
  }
  void Add(const ShortText& text) {
    std::memcpy(text_ + size_, text.text, sizeof text.text);
    size_ += text.size;
  }
  // `text` padded with blanks on the left (right = false: on the right) to `width`.
  void AddPadded(const ShortText& text, size_t width, bool right) {
    if (!right) Add(text);
    for (size_t pad = text.size; pad < width; ++pad) text_[size_++] = ' ';
    if (right) Add(text);
  }
  // SignedNumberText of a byte value padded on the left to three characters: " 100", "  5".
  void AddFmt3(uint8_t value) { AddPadded(kSignedBytes[value], 3, true); }
  void AddSigned(uint8_t value) { Add(kSignedBytes[value]); }
  void AddNoteName(uint8_t note, size_t width, bool right) {
    AddPadded(kNoteNames[note], width, right);
  }
  std::string_view text() const { return {text_, size_}; }

 private:
  // The longest text, a control change with the longest controller name, is 51 characters.
  char text_[96];
  size_t size_ = 0;
};

void AppendChannelEventText(Session& session, int kind, std::string& text) {
  // Only the bytes the event has are read: a one-byte event at the end of the file is whole.
  int dataBytes = kDataBytesByKind[kind];
  uint8_t d1 = dataBytes >= 1 ? session.image.at(int64_t{session.ReadPos} + 1) : 0;
  uint8_t d2 = dataBytes >= 2 ? session.image.at(int64_t{session.ReadPos} + 2) : 0;
  TextBuilder out;
  switch (kind) {
    case 9:
      out.Add("Note On    ");
      out.AddNoteName(d1, 4, false);
      out.Add("    velocity:");
      out.AddFmt3(d2);
      break;
    case 8:
      out.Add("Note Off    ");
      out.AddNoteName(d1, 4, true);
      break;
    case 10:
      out.Add("Key After Touch   note:");
      out.AddFmt3(d1);
      out.Add("    velocity:");
      out.AddFmt3(d2);
      break;
    case 11:
      out.Add("Control Change  ");
      out.Add(kControllerLookup[d1]);
      out.Add(" Value:");
      out.AddSigned(d2);
      break;
    case 12:
      out.Add("Program Change: ");
      out.AddSigned(d1);
      break;
    case 13:
      out.Add("Channel After Touch  Value: ");
      out.AddSigned(d1);
      break;
    case 14:
      out.Add("PitchWh Change   LSB Value: ");
      out.AddSigned(d1);
      out.Add("   MSB value: ");
      out.AddSigned(d2);
      break;
    default:
      break;
  }
  text.append(out.text());
}

}  // namespace

void AppendMidiEvent(Session& session, int status, std::string& text) {
  int kind = status / 16;
  if (kind < 0 || kind > 15) kind = 0;
  // The length is known before any data byte is read, so a truncated event still lets the
  // walk step over what it claims to hold.
  session.EventLength = kDataBytesByKind[kind];
  const size_t before = text.size();
  bool decoded = Guarded(session.reporter, "GetMidiEvent", false, [&] {
    AppendChannelEventText(session, kind, text);
    return true;
  });
  if (!decoded) text.resize(before);
}

int ChannelDataBytes(int status) {
  return status >= 0 && status < 256 ? kDataBytesByKind[static_cast<size_t>(status / 16)] : 0;
}

std::string GetMidiEvent(Session& session, int status, int) {
  std::string text;
  AppendMidiEvent(session, status, text);
  return text;
}

std::string_view ControllerName(int controller) {
  return controller >= 0 && controller < 128 ? kControllerLookup[static_cast<size_t>(controller)]
                                             : kUndefinedController;
}

std::string NoteName(const Session& session, int note) {
  return Guarded(session.reporter, "NoteName", std::string(), [&] {
    if (note < 0) Raise(kSubscriptOutOfRange);
    char name[24];
    return std::string(name, WriteNoteName(name, note));
  });
}

}  // namespace veltrix
