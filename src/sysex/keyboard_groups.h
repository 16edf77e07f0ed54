#pragma once

// Inside the keyboard-specific decoder: its name-table rows and the message groups that
// KeyboardMessageText hands on. Each group is given the whole hex text and returns the whole
// text of the row; failures are thrown to GetSysex.

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace veltrix::keyboard {

// One row of a name table: the two-digit text of the selecting byte and its label.
struct ByteLabel {
  std::string_view byte;
  std::string_view label;
};

// The label listed for `byteText`, or nothing. An absent byte reads as the empty text, which
// no table lists.
constexpr std::optional<std::string_view> FindLabel(std::span<const ByteLabel> table,
                                                    std::string_view byteText) {
  for (const ByteLabel& row : table) {
    if (row.byte == byteText) return row.label;
  }
  return std::nullopt;
}

// "= ", joined after each keyboard setting's label.
inline constexpr std::string_view kEquals = "= ";

std::string NaturalVoiceEffectText(std::string_view hex);  // byte 4 = 31
std::string NaturalVoiceLevelText(std::string_view hex);   // bytes 4, 5 = 50 11
std::string ScoreSettingText(std::string_view hex);        // bytes 4, 5 = 50 12
std::string DspVariationText(std::string_view hex);        // bytes 4, 5 = 50 08
std::string HardDiskRecorderText(std::string_view hex);    // bytes 4, 5 = 50 19
std::string SpecialOperatorText(std::string_view hex);     // byte 4 = 11
std::string PanelSettingText(std::string_view hex);        // byte 4 = 22
std::string StyleSettingText(std::string_view hex);        // byte 4 = 51

}  // namespace veltrix::keyboard
