#include "sysex/xg_parameter.h"

#include <string_view>
#include <utility>

#include "core/hex_text.h"
#include "sysex/xg_effect_blocks.h"

namespace veltrix {

namespace {

using BlockText = std::string (*)(std::string_view hex, std::string built);

// Byte 4 = 02 holds two blocks told apart by byte 5; any other byte 5 adds nothing.
std::string Effect1OrMultiEqText(std::string_view hex, std::string built) {
  std::string_view block = ByteText(hex, 5);
  if (block == "01") return xg::Effect1Text(hex, std::move(built));
  if (block == "40") return xg::MultiEqText(hex, std::move(built));
  return built;
}

struct Block {
  std::string_view addressHigh;
  BlockText text;
};

constexpr Block kBlocks[] = {
    {"00", xg::SystemText},       {"02", Effect1OrMultiEqText}, {"03", xg::Effect2Text},
    {"04", xg::VocalHarmonyText}, {"08", XgMultiPartText},      {"10", XgAdPartText},
    {"0A", XgPartOffsetText},     {"30", XgDrumSetupText},      {"31", XgDrumSetupText},
};

}  // namespace

std::string XgParameterText(std::string_view hex) {
  std::string built = "XG ";
  std::string_view addressHigh = ByteText(hex, 4);
  for (const Block& block : kBlocks) {
    if (block.addressHigh == addressHigh) return block.text(hex, std::move(built));
  }
  return RawForm(built, hex);
}

}  // namespace veltrix
