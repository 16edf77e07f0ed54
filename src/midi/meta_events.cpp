#include "midi/meta_events.h"

#include <array>
#include <cmath>
#include <string_view>

#include "core/hex_text.h"
#include "core/number_text.h"
#include "midi/smf_layout.h"
#include "midi/var_len.h"
#include "yamaha/sequencer_info.h"

namespace veltrix {

int64_t TicksPerMeasure(int numerator, int power, int64_t ticksPerQuarter) {
  const double quarters = static_cast<double>(numerator) / (1 << power) / 0.25;
  // nearbyint in the default rounding mode rounds a tie to the even neighbour.
  return static_cast<int64_t>(std::nearbyint(quarters * static_cast<double>(ticksPerQuarter)));
}

namespace {

// Offset of the first data byte from the 0xFF of a meta event with a one-byte length.
constexpr int kDataOffset = 3;

struct KeyName {
  uint8_t sharps;  // the first data byte: number of sharps, negative (as a byte) for flats
  std::string_view name;
};

constexpr std::array<KeyName, 15> kKeyNames = {{
    {0xF9, "Cb/G#m"},
    {0xFA, "Gb/D#m"},
    {0xFB, "Db/Bm"},
    {0xFC, "Ab/Fm"},
    {0xFD, "Eb/Cm"},
    {0xFE, "Bb/Gm"},
    {0xFF, "F/Dm"},
    {0x00, "C/Am"},
    {0x01, "G/Em"},
    {0x02, "D/Bm"},
    {0x03, "A/F#m"},
    {0x04, "E/C#m"},
    {0x05, "B/G#m"},
    {0x06, "F#/D#m"},
    {0x07, "G#"},
}};

std::string KeyNameText(uint8_t sharps) {
  for (const KeyName& key : kKeyNames)
    if (key.sharps == sharps) return std::string(key.name);
  return PlainNumberText(sharps);
}

uint8_t DataByte(const Session& session, int index) {
  return session.image.at(int64_t{session.ReadPos} + kDataOffset + index);
}

std::string TextEvent(Session& session, std::string_view label) {
  std::string text(label);
  text.append(ReadMetaText(session));
  return text;
}

std::string SequenceNumberText(Session& session) {
  session.EventLength = 2;
  int16_t number = CheckedInt16(int64_t{DataByte(session, 0)} * 256 + DataByte(session, 1));
  return "Sequence Number: " + SignedNumberText(number);
}

std::string TempoText(Session& session, const MeasureState& measure) {
  session.EventLength = 3;
  int32_t microseconds =
      DataByte(session, 0) * 65536 + DataByte(session, 1) * 256 + DataByte(session, 2);
  if (microseconds == 0) Raise(kDivisionByZero);
  // Single precision on purpose: the beats per minute shown are those of a float quotient.
  float beats = 60000000.0f / static_cast<float>(microseconds);
  if (measure.denominator != 0) beats = beats * static_cast<float>(measure.denominator) / 4.0f;
  return "Tempo: " + SignedNumberText(static_cast<int64_t>(std::floor(beats)));
}

int16_t TicksPerQuarterNote(const Session& session) {
  return CheckedInt16(session.image.BigEndian16(kDivisionOffset));
}

std::string TimeSignatureText(Session& session, MeasureState& measure) {
  session.EventLength = 4;
  uint8_t numerator = DataByte(session, 0);
  uint8_t power = DataByte(session, 1);
  if (power >= 15) Raise(kOverflow);
  int16_t denominator = static_cast<int16_t>(1 << power);
  measure.denominator = denominator;
  // Only the first time signature of a walk lays out the measure grid.
  if (measure.ticksPerMeasure == 0) {
    if (numerator == 0) Raise(kDivisionByZero);
    int32_t ticksPerMeasure =
        CheckedInt32(TicksPerMeasure(numerator, power, TicksPerQuarterNote(session)));
    measure.ticksPerMeasure = ticksPerMeasure;
    measure.ticksPerBeat = static_cast<int32_t>(CheckedDivide(ticksPerMeasure, numerator));
  }
  return "Time Signature: " + SignedNumberText(numerator) + "/" + SignedNumberText(denominator);
}

std::string SequencerSpecificText(Session& session) {
  ReadMetaLength(session);
  const uint8_t* data =
      session.image.Span(int64_t{session.ReadPos} + kDataOffset, session.EventLength);
  std::string hex = HexText(data, static_cast<size_t>(session.EventLength));
  if (!session.options().DecodeSysex) return hex;
  return YamahaSequencerInfo(hex, session.reporter, session.codePage);
}

}  // namespace

std::string MetaEventText(Session& session, MeasureState& measure) {
  uint8_t type = session.image.at(int64_t{session.ReadPos} + 1);
  switch (type) {
    case 0x00:
      return SequenceNumberText(session);
    case 0x01:
      return TextEvent(session, "Text Event: ");
    case 0x02:
      return TextEvent(session, "Copyright: ");
    case 0x03:
      return TextEvent(session, "StyleName: ");
    case 0x04:
      return TextEvent(session, "Track Instrument Name: ");
    case 0x05:
      return TextEvent(session, "Lyric: ");
    case 0x06:
      return TextEvent(session, "MARKER:");
    case 0x07:
      return TextEvent(session, "Cue Point: ");
    case 0x09:
      return TextEvent(session, "MidiPort: ");
    case 0x20:
      session.EventLength = 1;
      return "Midi Channel Prefix: " + SignedNumberText(DataByte(session, 0));
    case 0x21:
      session.EventLength = 1;
      return "MidiPort: " + SignedNumberText(DataByte(session, 0));
    case 0x2F:
      session.EventLength = 0;
      return {};
    case 0x51:
      return TempoText(session, measure);
    case 0x54:
      session.EventLength = 5;
      return "SMPTE Offset";
    case 0x58:
      return TimeSignatureText(session, measure);
    case 0x59:
      session.EventLength = 2;
      return "Key Signature: " + KeyNameText(DataByte(session, 0));
    case 0x7F:
      return SequencerSpecificText(session);
    default:
      ReadMetaLength(session);
      return {};
  }
}

}  // namespace veltrix
