#include "core/hex_text.h"
#include "sysex/keyboard_groups.h"

namespace veltrix::keyboard {
namespace {

// Byte 6 of a Natural Voice effect message (byte 4 = 31).
constexpr ByteLabel kNaturalVoiceEffects[] = {
    {"00", "Natural Voice Reverb"},
    {"01", "Natural Voice Chorus"},
    {"02", "Natural Voice Variation Type"},
    {"08", "Natural Voice Vibe Rotor Control"},
};

// Byte 6 of a Natural Voice level message (bytes 4, 5 = 50 11).
constexpr ByteLabel kNaturalVoiceLevels[] = {
    {"00", "Natural Voice Variation Send Level"},
    {"01", "Natural Voice Dry Level"},
};

std::string LabelledDecimal(std::span<const ByteLabel> table, std::string_view hex) {
  auto label = FindLabel(table, ByteText(hex, 6));
  if (!label) return RawForm("", hex);
  return std::string(*label).append(kEquals).append(DecimalText(hex, 7));
}

}  // namespace

std::string NaturalVoiceEffectText(std::string_view hex) {
  return LabelledDecimal(kNaturalVoiceEffects, hex);
}

std::string NaturalVoiceLevelText(std::string_view hex) {
  return LabelledDecimal(kNaturalVoiceLevels, hex);
}

}  // namespace veltrix::keyboard
