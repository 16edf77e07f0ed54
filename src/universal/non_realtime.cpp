// Universal non-real-time messages: F0 7E <device> <sub-ID 1> <sub-ID 2> ... F7.

#include <array>
#include <string_view>

#include "universal/time_code.h"
#include "universal/universal_decoder.h"
#include "universal/value_text.h"

namespace veltrix::universal {

namespace {

constexpr int kAnySubId2 = -1;

// A message shown by its name alone once it holds at least `leastSize` bytes (from 7E).
struct NamedMessage {
  uint8_t subId1;
  int subId2;  // kAnySubId2 when the name goes with every second sub-ID
  size_t leastSize;
  std::string_view name;
};

constexpr std::array<NamedMessage, 16> kNamedMessages = {{
    {0x01, kAnySubId2, 19, "Sample Dump Header"},
    {0x02, kAnySubId2, 125, "Sample Data Packet"},
    {0x03, kAnySubId2, 5, "Sample Dump Request"},
    {0x06, 0x01, 4, "Identity Request"},
    {0x07, 0x01, 13, "File Dump Header"},
    {0x07, 0x02, 7, "File Dump Data Packet"},
    {0x07, 0x03, 9, "File Dump Request"},
    {0x09, 0x01, 4, "GM System On"},
    {0x09, 0x02, 4, "GM System Off"},
    {0x09, 0x03, 4, "GM2 System On"},
    {0x7B, kAnySubId2, 4, "End of File"},
    {0x7C, kAnySubId2, 4, "Wait"},
    {0x7D, kAnySubId2, 4, "Cancel"},
    {0x7E, kAnySubId2, 4, "NAK"},
    {0x7F, kAnySubId2, 4, "ACK"},
    {0x05, kAnySubId2, 4, "Sample Dump Extension"},
}};

// MTC cueing events by their second sub-ID.
constexpr std::array<std::string_view, 15> kCueingEvents = {
    "Special",
    "Punch In Point",
    "Punch Out Point",
    "Delete Punch In Point",
    "Delete Punch Out Point",
    "Event Start Point",
    "Event Stop Point",
    "Event Start Point with additional information",
    "Event Stop Point with additional information",
    "Delete Event Start Point",
    "Delete Event Stop Point",
    "Cue Point",
    "Cue Point with additional information",
    "Delete Cue Point",
    "Event Name in additional information",
};

// 7E cc 04 nn hr mn sc fr ff sl sm: an event at a time code, with its event number.
std::optional<std::string> CueingText(const MessageBytes& message) {
  const std::optional<uint8_t> kind = message.At(3);
  const std::optional<int> event = message.LowFirst14(9);
  if (!kind || *kind >= kCueingEvents.size() || !event) return std::nullopt;
  const std::optional<std::string> time = TimeCodeText(message, 4);
  if (!time) return std::nullopt;
  return "MTC Cueing " + std::string(kCueingEvents[*kind]) + " at " + *time + ", event " +
         std::to_string(*event);
}

// 7E cc 06 02 mm [mm mm] ff ff dd dd ss ss ss ss: the sender's manufacturer, family, member and
// version. A manufacturer ID that starts with 00 has two more bytes.
std::optional<std::string> IdentityReplyText(const MessageBytes& message) {
  const size_t idSize = message.Is(4, 0x00) ? 3 : 1;
  const size_t familyAt = 4 + idSize;
  if (message.size() < familyAt + 8) return std::nullopt;
  return "Identity Reply: manufacturer " + HexBytes(message.From(4).first(idSize)) + ", family " +
         std::to_string(*message.LowFirst14(familyAt)) + ", member " +
         std::to_string(*message.LowFirst14(familyAt + 2)) + ", version " +
         HexBytes(message.From(familyAt + 4).first(4));
}

// 7E cc 08 01 tt <name: 16 bytes> <128 x xx yy zz> <checksum>: a whole tuning program.
constexpr size_t kBulkDumpSize = 5 + 16 + 128 * 3 + 1;

std::optional<std::string> TuningText(const MessageBytes& message) {
  const std::optional<uint8_t> kind = message.At(3);
  const std::optional<uint8_t> program = message.At(4);
  if (!program) return std::nullopt;
  if (kind == 0x00) return "MIDI Tuning Bulk Dump Request, program " + std::to_string(*program);
  if (kind == 0x01 && message.size() >= kBulkDumpSize) {
    std::string name;
    for (uint8_t byte : message.From(5).first(16))
      name.push_back(byte >= 0x20 && byte < 0x7F ? static_cast<char>(byte) : '?');
    name.erase(name.find_last_not_of(' ') + 1);
    return "MIDI Tuning Bulk Dump, program " + std::to_string(*program) + " \"" + name + "\"";
  }
  // 7E cc 08 07 bb tt ll [kk xx yy zz]...: single-note changes in a tuning bank.
  if (kind == 0x07) {
    const std::optional<uint8_t> tuning = message.At(5);
    const std::optional<std::string> changes = NoteTuningChanges(message, 6);
    if (!tuning || !changes) return std::nullopt;
    return "MIDI Tuning Single Note Change, bank " + std::to_string(*program) + ", program " +
           std::to_string(*tuning) + *changes;
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> DecodeNonRealTime(const MessageBytes& message) {
  const std::optional<uint8_t> subId1 = message.At(2);
  if (!subId1) return std::nullopt;
  if (*subId1 == 0x04) return CueingText(message);
  if (*subId1 == 0x08) return TuningText(message);
  if (*subId1 == 0x06 && message.Is(3, 0x02)) return IdentityReplyText(message);
  const std::optional<uint8_t> subId2 = message.At(3);
  for (const NamedMessage& named : kNamedMessages) {
    if (named.subId1 != *subId1) continue;
    if (named.subId2 != kAnySubId2 && named.subId2 != subId2) continue;
    if (message.size() < named.leastSize) return std::nullopt;
    return std::string(named.name);
  }
  return std::nullopt;
}

}  // namespace veltrix::universal
