#include "hpmidifile/format0_writer.h"

#include <limits>

#include "hpmidifile/time_order.h"

namespace hpmidifile {

namespace {

void AppendTag(std::vector<uint8_t>& out, const char* tag) {
  out.insert(out.end(), tag, tag + 4);
}

void Append16(std::vector<uint8_t>& out, uint16_t value) {
  out.push_back(static_cast<uint8_t>(value >> 8));
  out.push_back(static_cast<uint8_t>(value));
}

void Put32(std::vector<uint8_t>& out, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<uint8_t>(value >> (24 - 8 * i));
}

// The shortest variable-length quantity of value. Lengths and merged delta times never exceed
// the 2^28 - 1 of a four-byte quantity in the source, so neither does the result.
void AppendVarLen(std::vector<uint8_t>& out, uint64_t value) {
  uint8_t groups[10];
  int count = 0;
  do {
    groups[count++] = static_cast<uint8_t>(value & 0x7F);
    value >>= 7;
  } while (value != 0);
  while (count > 1) out.push_back(groups[--count] | 0x80);
  out.push_back(groups[0]);
}

void AppendData(std::vector<uint8_t>& out, const SmfFile& file, const SmfEvent& event) {
  const uint8_t* data = file.bytes.data() + event.dataOffset;
  out.insert(out.end(), data, data + event.dataLength);
}

}  // namespace

uint32_t WriteFormat0(const SmfFile& file, std::vector<uint8_t>& out) {
  out.clear();
  out.reserve(file.bytes.size() + file.events.size() + 64);
  AppendTag(out, "MThd");
  out.insert(out.end(), {0, 0, 0, 6});
  Append16(out, 0);
  Append16(out, 1);
  Append16(out, file.division);
  AppendTag(out, "MTrk");
  const size_t lengthAt = out.size();
  out.insert(out.end(), {0, 0, 0, 0});

  uint64_t lastTick = 0;
  ForEachInTimeOrder(file, [&](const SmfEvent& event) {
    AppendVarLen(out, event.tick - lastTick);
    lastTick = event.tick;
    out.push_back(event.status);
    if (event.status == 0xFF) {
      out.push_back(event.metaType);
      AppendVarLen(out, event.dataLength);
    } else if (event.status == 0xF0 || event.status == 0xF7) {
      AppendVarLen(out, event.dataLength);
    }
    AppendData(out, file, event);
  });

  uint64_t endTick = lastTick;
  for (const SmfTrack& track : file.tracks) endTick = std::max(endTick, track.endTick);
  AppendVarLen(out, endTick - lastTick);
  out.insert(out.end(), {0xFF, 0x2F, 0x00});

  const size_t trackLength = out.size() - (lengthAt + 4);
  if (trackLength > std::numeric_limits<uint32_t>::max()) {
    out.clear();
    return kTooLarge;
  }
  Put32(out, lengthAt, static_cast<uint32_t>(trackLength));
  return kOk;
}

}  // namespace hpmidifile
