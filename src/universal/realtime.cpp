// Universal real-time messages: F0 7F <device> <sub-ID 1> <sub-ID 2> ... F7.

#include <array>
#include <cmath>
#include <cstdio>
#include <string_view>

#include "universal/time_code.h"
#include "universal/universal_decoder.h"
#include "universal/value_text.h"

namespace veltrix::universal {

namespace {

struct MachineCommand {
  uint8_t code;
  std::string_view name;
};

// MIDI Machine Control commands; the ones from 40 on carry a count and that many bytes.
constexpr std::array<MachineCommand, 19> kMachineCommands = {{
    {0x01, "Stop"},         {0x02, "Play"},         {0x03, "Deferred Play"},
    {0x04, "Fast Forward"}, {0x05, "Rewind"},       {0x06, "Record Strobe"},
    {0x07, "Record Exit"},  {0x08, "Record Pause"}, {0x09, "Pause"},
    {0x0A, "Eject"},        {0x0B, "Chase"},        {0x0C, "Command Error Reset"},
    {0x0D, "MMC Reset"},    {0x40, "Write"},        {0x41, "Masked Write"},
    {0x42, "Read"},         {0x44, "Locate"},       {0x47, "Shuttle"},
    {0x4C, "Move"},
}};

std::string MachineCommandName(uint8_t code) {
  for (const MachineCommand& command : kMachineCommands)
    if (command.code == code) return std::string(command.name);
  return "command " + HexBytes(std::span(&code, 1));
}

// 7F cc 06 <command> ...: the commands in order; a Locate to a target time shows the time.
std::optional<std::string> MachineControlText(const MessageBytes& message) {
  if (message.size() < 4) return std::nullopt;
  std::string text = "MMC";
  size_t at = 3;
  while (at < message.size()) {
    const uint8_t code = *message.At(at);
    text += (at == 3 ? " " : ", ") + MachineCommandName(code);
    if (code < 0x40) {
      ++at;
      continue;
    }
    const std::optional<uint8_t> count = message.At(at + 1);
    if (!count || message.size() - (at + 2) < *count) return std::nullopt;
    // Locate: 44 06 01 hr mn sc fr st, to a time; 44 02 00 ff, to the time in field ff.
    if (code == 0x44 && *count == 6 && message.Is(at + 2, 0x01)) {
      const std::optional<std::string> time = TimeCodeText(message, at + 3);
      if (!time) return std::nullopt;
      text += " " + *time;
    }
    at += 2 + size_t{*count};
  }
  return text;
}

struct TypeName {
  uint8_t value;
  std::string_view name;
};

// The reverb and chorus types of the global parameter slots.
constexpr std::array<TypeName, 6> kReverbTypes = {{
    {0, "Small Room"},
    {1, "Medium Room"},
    {2, "Large Room"},
    {3, "Medium Hall"},
    {4, "Large Hall"},
    {8, "Plate"},
}};
constexpr std::array<TypeName, 6> kChorusTypes = {{
    {0, "Chorus 1"},
    {1, "Chorus 2"},
    {2, "Chorus 3"},
    {3, "Chorus 4"},
    {4, "FB Chorus"},
    {5, "Flanger"},
}};

template <size_t N>
std::string TypeText(const std::array<TypeName, N>& types, uint8_t value) {
  for (const TypeName& type : types)
    if (type.value == value) return std::string(type.name);
  return std::to_string(value);
}

// One parameter of the reverb (slot 01 01) or chorus (slot 01 02) slot.
std::string SlotParameterText(bool reverb, uint8_t parameter, uint8_t value) {
  if (parameter == 0) return "Type = " + TypeText(reverb ? kReverbTypes : kChorusTypes, value);
  if (reverb && parameter == 1) {
    // The reverb time in seconds is e to the power (value - 40) x 0.025.
    char seconds[16];
    std::snprintf(seconds, sizeof seconds, "%.2f", std::exp((value - 40) * 0.025));
    return "Time = " + std::string(seconds) + " s";
  }
  return "parameter " + std::to_string(parameter) + " = " + std::to_string(value);
}

// 7F cc 04 05 sw pw vw <slot path: sw x 2 bytes> <pw parameter bytes, vw value bytes>...
std::optional<std::string> GlobalParameterText(const MessageBytes& message) {
  const std::optional<uint8_t> slotCount = message.At(4);
  const std::optional<uint8_t> parameterWidth = message.At(5);
  const std::optional<uint8_t> valueWidth = message.At(6);
  if (!valueWidth || *parameterWidth == 0 || *valueWidth == 0) return std::nullopt;
  const size_t pairsAt = 7 + size_t{2} * *slotCount;
  const size_t pairWidth = size_t{*parameterWidth} + *valueWidth;
  if (message.size() <= pairsAt || (message.size() - pairsAt) % pairWidth != 0) return std::nullopt;
  const std::span<const uint8_t> slot = message.From(7).first(size_t{2} * *slotCount);
  const bool reverb = slot.size() == 2 && slot[0] == 0x01 && slot[1] == 0x01;
  const bool chorus = slot.size() == 2 && slot[0] == 0x01 && slot[1] == 0x02;
  std::string text = "Global Parameter Control ";
  text += reverb ? "Reverb" : chorus ? "Chorus" : "slot " + HexBytes(slot);
  for (size_t at = pairsAt; at < message.size(); at += pairWidth) {
    text += at == pairsAt ? ": " : ", ";
    if ((reverb || chorus) && pairWidth == 2)
      text += SlotParameterText(reverb, *message.At(at), *message.At(at + 1));
    else
      text += HexBytes(message.From(at).first(*parameterWidth)) + " = " +
              HexBytes(message.From(at + *parameterWidth).first(*valueWidth));
  }
  return text;
}

// 7F cc 04 nn ll mm: the device-control messages, a 14-bit value low byte first.
std::optional<std::string> DeviceControlText(const MessageBytes& message) {
  const std::optional<uint8_t> kind = message.At(3);
  if (kind == 0x05) return GlobalParameterText(message);
  const std::optional<int> value = message.LowFirst14(4);
  if (!value) return std::nullopt;
  constexpr int kCentre = 0x2000;
  switch (*kind) {
    case 0x01:
      return "Master Volume " + std::to_string(*value) + " (" +
             std::to_string(RoundedQuotient(int64_t{*value} * 100, 0x3FFF)) + "%)";
    case 0x02:
      return "Master Balance " + WithSign(*value - kCentre);
    case 0x03:
      // From -100 cents at 0 through A = 440 Hz at 2000 to almost +100 cents at 3FFF.
      return "Master Fine Tuning " +
             HundredthsText(RoundedQuotient(int64_t{*value - kCentre} * 10000, kCentre)) + " cents";
    case 0x04:
      // The high byte counts semitones from 40; the low byte is not used.
      return "Master Coarse Tuning " + WithSign((*value >> 7) - 0x40) + " semitones";
    default:
      return std::nullopt;
  }
}

}  // namespace

std::optional<std::string> DecodeRealTime(const MessageBytes& message) {
  const std::optional<uint8_t> subId1 = message.At(2);
  const std::optional<uint8_t> subId2 = message.At(3);
  if (!subId2) return std::nullopt;
  if (*subId1 == 0x01 && *subId2 == 0x01) {
    const std::optional<std::string> time = TimeCodeText(message, 4);
    if (!time) return std::nullopt;
    return "MTC Full Frame " + *time;
  }
  if (*subId1 == 0x04) return DeviceControlText(message);
  if (*subId1 == 0x06) return MachineControlText(message);
  if (*subId1 == 0x08 && *subId2 == 0x02) {
    const std::optional<uint8_t> program = message.At(4);
    const std::optional<std::string> changes = NoteTuningChanges(message, 5);
    if (!program || !changes) return std::nullopt;
    return "MIDI Tuning Single Note Change, program " + std::to_string(*program) + *changes;
  }
  return std::nullopt;
}

}  // namespace veltrix::universal
