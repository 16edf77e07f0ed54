#include "core/hex_text.h"
#include "sysex/keyboard_groups.h"

namespace veltrix::keyboard {
namespace {

// Byte 8 of a hard-disk recorder message (bytes 4, 5 = 50 19).
constexpr ByteLabel kRecorderCommands[] = {
    {"00", " Hard Disk Recorder Start "},
    {"01", " Hard Disk Recorder Stop "},
    {"02", "Hard Disk Recorder Pause "},
};

constexpr std::string_view kRecorderUnknown = "Hard Disk Recorder Unknown ";

}  // namespace

std::string HardDiskRecorderText(std::string_view hex) {
  return std::string(FindLabel(kRecorderCommands, ByteText(hex, 8)).value_or(kRecorderUnknown));
}

}  // namespace veltrix::keyboard
