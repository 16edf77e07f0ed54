// GS messages: F0 41 <device> 42 <command> <address: 3 bytes> ... <checksum> F7.

#include "universal/gs_message.h"

#include <array>
#include <string_view>

#include "universal/universal_decoder.h"
#include "universal/value_text.h"

namespace veltrix::universal {

namespace {

constexpr uint8_t kRoland = 0x41;
constexpr uint8_t kGsModel = 0x42;
constexpr uint8_t kDataRequest = 0x11;
constexpr uint8_t kDataSet = 0x12;
constexpr size_t kAddressAt = 4;
constexpr size_t kDataAt = 7;

bool IsGsCommand(const MessageBytes& message, uint8_t command) {
  return message.Is(0, kRoland) && message.Is(2, kGsModel) && message.Is(3, command);
}

// How a parameter's data reads.
enum class Shown : uint8_t {
  Number,      // as it is
  FromCentre,  // less 40, with its sign: key shifts
  Pan,         // 40 the centre, below it left, above it right
  PartPan,     // as Pan, but 00 is random
  OnOff,
  Channel,     // 00 to 0F channel 1 to 16, 10 off
  Names,       // an entry of `names`
  ToneNumber,  // two bytes: bank select and program
  NibbleTune,  // four bytes of four bits: 0400 for 0 cents, a tenth of a cent each
};

struct Parameter {
  uint8_t address;  // the last address byte
  std::string_view name;
  Shown shown = Shown::Number;
  std::array<std::string_view, 8> names{};
};

constexpr size_t WidthOf(Shown shown) {
  return shown == Shown::ToneNumber ? 2 : shown == Shown::NibbleTune ? 4 : 1;
}

// The system and effect parameters, at 40 00 xx and 40 01 xx.
constexpr std::array<Parameter, 4> kSystemParameters = {{
    {0x00, "Master Tune", Shown::NibbleTune},
    {0x04, "Master Volume"},
    {0x05, "Master Key Shift", Shown::FromCentre},
    {0x06, "Master Pan", Shown::Pan},
}};
constexpr std::array<Parameter, 14> kEffectParameters = {{
    {0x30,
     "Reverb Macro",
     Shown::Names,
     {"Room 1", "Room 2", "Room 3", "Hall 1", "Hall 2", "Plate", "Delay", "Panning Delay"}},
    {0x31, "Reverb Character"},
    {0x32, "Reverb Pre-LPF"},
    {0x33, "Reverb Level"},
    {0x34, "Reverb Time"},
    {0x35, "Reverb Delay Feedback"},
    {0x38,
     "Chorus Macro",
     Shown::Names,
     {"Chorus 1", "Chorus 2", "Chorus 3", "Chorus 4", "Feedback Chorus", "Flanger", "Short Delay",
      "Short Delay (FB)"}},
    {0x39, "Chorus Pre-LPF"},
    {0x3A, "Chorus Level"},
    {0x3B, "Chorus Feedback"},
    {0x3C, "Chorus Delay"},
    {0x3D, "Chorus Rate"},
    {0x3E, "Chorus Depth"},
    {0x3F, "Chorus Send Level to Reverb"},
}};
// The part parameters, at 40 1x yy for the part of block x.
constexpr std::array<Parameter, 30> kPartParameters = {{
    {0x00, "Tone Number", Shown::ToneNumber},
    {0x02, "Rx Channel", Shown::Channel},
    {0x03, "Rx Pitch Bend", Shown::OnOff},
    {0x04, "Rx Channel Pressure", Shown::OnOff},
    {0x05, "Rx Program Change", Shown::OnOff},
    {0x06, "Rx Control Change", Shown::OnOff},
    {0x07, "Rx Poly Pressure", Shown::OnOff},
    {0x08, "Rx Note Message", Shown::OnOff},
    {0x09, "Rx RPN", Shown::OnOff},
    {0x0A, "Rx NRPN", Shown::OnOff},
    {0x0B, "Rx Modulation", Shown::OnOff},
    {0x0C, "Rx Volume", Shown::OnOff},
    {0x0D, "Rx Panpot", Shown::OnOff},
    {0x0E, "Rx Expression", Shown::OnOff},
    {0x0F, "Rx Hold 1", Shown::OnOff},
    {0x10, "Rx Portamento", Shown::OnOff},
    {0x11, "Rx Sostenuto", Shown::OnOff},
    {0x12, "Rx Soft", Shown::OnOff},
    {0x13, "Mono/Poly Mode", Shown::Names, {"Mono", "Poly"}},
    {0x14, "Assign Mode", Shown::Names, {"Single", "Limited-Multi", "Full-Multi"}},
    {0x15, "Use for Rhythm Part", Shown::Names, {"Off", "Map 1", "Map 2"}},
    {0x16, "Pitch Key Shift", Shown::FromCentre},
    {0x19, "Part Level"},
    {0x1A, "Velocity Sense Depth"},
    {0x1B, "Velocity Sense Offset"},
    {0x1C, "Part Panpot", Shown::PartPan},
    {0x1D, "Key Range Low"},
    {0x1E, "Key Range High"},
    {0x21, "Chorus Send Level"},
    {0x22, "Reverb Send Level"},
}};

std::string PanText(int value) {
  if (value == 0x40) return "Centre";
  return value < 0x40 ? "L" + std::to_string(0x40 - value) : "R" + std::to_string(value - 0x40);
}

std::string ValueText(const Parameter& parameter, std::span<const uint8_t> data) {
  const uint8_t value = data[0];
  switch (parameter.shown) {
    case Shown::FromCentre:
      return WithSign(value - 0x40);
    case Shown::Pan:
      return PanText(value);
    case Shown::PartPan:
      return value == 0 ? "Random" : PanText(value);
    case Shown::OnOff:
      return value == 0 ? "Off" : value == 1 ? "On" : std::to_string(value);
    case Shown::Channel:
      return value < 0x10    ? std::to_string(value + 1)
             : value == 0x10 ? "Off"
                             : std::to_string(value);
    case Shown::Names:
      return value < parameter.names.size() && !parameter.names[value].empty()
                 ? std::string(parameter.names[value])
                 : std::to_string(value);
    case Shown::ToneNumber:
      return "bank " + std::to_string(value) + ", program " + std::to_string(data[1]);
    case Shown::NibbleTune: {
      const int tune =
          (data[0] & 0x0F) << 12 | (data[1] & 0x0F) << 8 | (data[2] & 0x0F) << 4 | (data[3] & 0x0F);
      return HundredthsText(int64_t{tune - 0x400} * 10) + " cents";
    }
    case Shown::Number:
      break;
  }
  return std::to_string(value);
}

// The part of block x of address 40 1x: block 0 is part 10, blocks 1 to 9 parts 1 to 9 and
// blocks A to F parts 11 to 16.
int PartOfBlock(int block) {
  return block == 0 ? 10 : block < 10 ? block : block + 1;
}

template <size_t N>
const Parameter* Find(const std::array<Parameter, N>& table, uint8_t address) {
  for (const Parameter& parameter : table)
    if (parameter.address == address) return &parameter;
  return nullptr;
}

// The text of a data set's address and data, without the checksum.
std::string DataSetText(std::span<const uint8_t> address, std::span<const uint8_t> data) {
  if (address[0] == 0x40 && address[1] == 0x00 && address[2] == 0x7F && data.size() == 1 &&
      data[0] == 0x00)
    return "GS Reset";
  const Parameter* parameter = nullptr;
  std::string text = "GS ";
  if (address[0] == 0x40 && address[1] == 0x00 && address[2] != 0x7F)
    parameter = Find(kSystemParameters, address[2]);
  else if (address[0] == 0x40 && address[1] == 0x01)
    parameter = Find(kEffectParameters, address[2]);
  else if (address[0] == 0x40 && (address[1] & 0xF0) == 0x10) {
    parameter = Find(kPartParameters, address[2]);
    if (parameter) text += "Part " + std::to_string(PartOfBlock(address[1] & 0x0F)) + " ";
  }
  if (parameter == nullptr || data.size() != WidthOf(parameter->shown))
    return "GS Data Set " + HexBytes(address) + ": " + HexBytes(data);
  return text + std::string(parameter->name) + " = " + ValueText(*parameter, data);
}

}  // namespace

std::optional<GsChecksum> GsDataSetChecksum(const MessageBytes& message) {
  if (!IsGsCommand(message, kDataSet) || message.size() < kDataAt + 2) return std::nullopt;
  GsChecksum checksum;
  checksum.at = message.size() - 1;
  unsigned sum = 0;
  for (uint8_t byte : message.From(kAddressAt).first(checksum.at - kAddressAt)) sum += byte;
  checksum.found = *message.At(checksum.at);
  checksum.expected = static_cast<uint8_t>((128 - sum % 128) % 128);
  return checksum;
}

bool IsGsDataRequest(const MessageBytes& message) {
  return IsGsCommand(message, kDataRequest);
}

std::optional<std::string> DecodeGs(const MessageBytes& message) {
  // 41 dd 42 11 <address: 3 bytes> <size: 3 bytes> <checksum>
  if (IsGsDataRequest(message) && message.size() >= 11) {
    const std::span<const uint8_t> size = message.From(7).first(3);
    return "GS Data Request " + HexBytes(message.From(kAddressAt).first(3)) + ", size " +
           std::to_string(size[0] << 14 | size[1] << 7 | size[2]);
  }
  const std::optional<GsChecksum> checksum = GsDataSetChecksum(message);
  if (!checksum) return std::nullopt;
  std::string text = DataSetText(message.From(kAddressAt).first(3),
                                 message.From(kDataAt).first(checksum->at - kDataAt));
  if (!checksum->Right()) {
    const uint8_t bytes[] = {checksum->found, checksum->expected};
    text += " (checksum " + HexBytes(std::span(bytes, 1)) + ", should be " +
            HexBytes(std::span(bytes + 1, 1)) + ")";
  }
  return text;
}

}  // namespace veltrix::universal
