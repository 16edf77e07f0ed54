#include "sysex/keyboard_message.h"

#include <span>

#include "core/hex_text.h"
#include "sysex/keyboard_groups.h"

namespace veltrix {
namespace {

using keyboard::kEquals;

using GroupText = std::string (*)(std::string_view hex);

struct KeyboardGroup {
  std::string_view byte;
  GroupText text;
};

std::string GuideModeText(std::string_view hex) {
  return std::string("Guide Mode").append(kEquals).append(HexRun(hex, 5, 6));
}

std::string Group50Text(std::string_view hex);

// Byte 4: the message group.
constexpr KeyboardGroup kKeyboardGroups[] = {
    {"02", [](std::string_view) { return std::string("Internal Clock Substatus"); }},
    {"03", [](std::string_view) { return std::string("External Clock Substatus"); }},
    {"31", keyboard::NaturalVoiceEffectText},
    {"50", Group50Text},
    {"11", keyboard::SpecialOperatorText},
    {"1F", GuideModeText},
    {"21", GuideModeText},
    {"22", keyboard::PanelSettingText},
    {"51", keyboard::StyleSettingText},
    {"06", [](std::string_view) { return std::string("Flute footing data words"); }},
};

// Byte 5 of the group 50.
constexpr KeyboardGroup kGroup50Settings[] = {
    {"11", keyboard::NaturalVoiceLevelText},
    {"12", keyboard::ScoreSettingText},
    {"08", keyboard::DspVariationText},
    {"19", keyboard::HardDiskRecorderText},
};

const KeyboardGroup* FindGroup(std::span<const KeyboardGroup> table, std::string_view byte) {
  for (const KeyboardGroup& row : table) {
    if (row.byte == byte) return &row;
  }
  return nullptr;
}

std::string Group50Text(std::string_view hex) {
  const KeyboardGroup* setting = FindGroup(kGroup50Settings, ByteText(hex, 5));
  return setting ? setting->text(hex) : RawForm("", hex);
}

}  // namespace

// An unlisted group gives the empty text, not the raw form.
std::string KeyboardMessageText(std::string_view hex) {
  const KeyboardGroup* group = FindGroup(kKeyboardGroups, ByteText(hex, 4));
  return group ? group->text(hex) : std::string();
}

}  // namespace veltrix
