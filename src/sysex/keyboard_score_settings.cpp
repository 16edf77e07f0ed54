#include <span>

#include "core/hex_text.h"
#include "core/number_text.h"
#include "sysex/keyboard_groups.h"

namespace veltrix::keyboard {
namespace {

// How byte 8 of a score setting is shown.
enum class ScoreValue { kOffOn, kSize, kChannel, kQuantizeSize, kNoteName };

struct ScoreSetting {
  std::string_view byte;
  std::string_view text;
  ScoreValue value;
};

// Byte 7 of a score setting message (bytes 4, 5 = 50 12).
constexpr ScoreSetting kScoreSettings[] = {
    {"00", " Left Part Indication ", ScoreValue::kOffOn},
    {"01", " Right Part Indication ", ScoreValue::kOffOn},
    {"02", " Lyrics Indication ", ScoreValue::kOffOn},
    {"03", " Chord Indication ", ScoreValue::kOffOn},
    {"04", " N. Name Indication ", ScoreValue::kOffOn},
    {"05", " Size Designation ", ScoreValue::kSize},
    {"06", " Left Channel ", ScoreValue::kChannel},
    {"07", " Right Channel ", ScoreValue::kChannel},
    {"08", " Quantize triplet ", ScoreValue::kOffOn},
    {"09", " Quantize to note size ", ScoreValue::kQuantizeSize},
    {"0A", " Note Name ", ScoreValue::kNoteName},
    {"0B", " Color Note ", ScoreValue::kOffOn},
};

constexpr ByteLabel kScoreSizes[] = {
    {"00", "Small"},
    {"01", "Medium"},
    {"02", "Large"},
    {"03", "X-Large"},
};

constexpr ByteLabel kQuantizeSizes[] = {
    {"00", "1/4"},
    {"01", "1/8"},
    {"02", "1/16"},
    {"03", "1/32"},
};

constexpr ByteLabel kNoteNameKinds[] = {
    {"00", "ABC"},
    {"01", "FixedDo"},
    {"02", "MovableDo"},
};

constexpr int kChannelOff = 0x7E;
constexpr int kChannelAuto = 0x7F;

std::string ChannelValue(std::string_view hex) {
  int channel = DecimalOfByte(hex, 8);
  if (channel >= 0 && channel <= 15) return "Channel = " + SignedNumberText(channel);
  if (channel == kChannelOff) return "Off";
  if (channel == kChannelAuto) return "Auto";
  return {};
}

std::string_view LabelOrNothing(std::span<const ByteLabel> table, std::string_view byte) {
  return FindLabel(table, byte).value_or(std::string_view());
}

std::string ScoreValueText(ScoreValue kind, std::string_view hex) {
  std::string_view value = ByteText(hex, 8);
  switch (kind) {
    case ScoreValue::kOffOn:
      // A missing byte 8 is not 00 and so reads as "On".
      return value == "00" ? "Off" : "On";
    case ScoreValue::kSize:
      return std::string(LabelOrNothing(kScoreSizes, value));
    case ScoreValue::kChannel:
      return ChannelValue(hex);
    case ScoreValue::kQuantizeSize:
      return std::string(LabelOrNothing(kQuantizeSizes, value));
    case ScoreValue::kNoteName:
      return std::string(LabelOrNothing(kNoteNameKinds, value));
  }
  return {};
}

}  // namespace

std::string ScoreSettingText(std::string_view hex) {
  std::string text = "Score ";
  std::string_view setting = ByteText(hex, 7);
  for (const ScoreSetting& row : kScoreSettings) {
    if (row.byte == setting) return text.append(row.text).append(ScoreValueText(row.value, hex));
  }
  return RawForm(text, hex);
}

}  // namespace veltrix::keyboard
