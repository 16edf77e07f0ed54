#include <cstddef>

#include "core/hex_text.h"
#include "sysex/keyboard_groups.h"

namespace veltrix::keyboard {
namespace {

struct PanelSetting {
  std::string_view byte;
  std::string_view label;
  size_t valueLength;  // characters of hex text shown from byte 6
};

// Byte 5 of a panel setting message (byte 4 = 22).
constexpr PanelSetting kPanelSettings[] = {
    {"00", "Panel Program Change", 8},
    {"01", "Panel Voice Volume", 4},
    {"02", "Panel Reverb Depth", 4},
    {"03", "Panel Effect Depth", 4},
};

}  // namespace

std::string PanelSettingText(std::string_view hex) {
  std::string_view setting = ByteText(hex, 5);
  for (const PanelSetting& row : kPanelSettings) {
    if (row.byte == setting) {
      return std::string(row.label).append(kEquals).append(HexRun(hex, 6, row.valueLength));
    }
  }
  return RawForm("", hex);
}

}  // namespace veltrix::keyboard
