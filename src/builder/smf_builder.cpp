#include "builder/smf_builder.h"

#include <fstream>
#include <stdexcept>

namespace veltrix::builder {

Bytes VarLen(uint32_t value) {
  Bytes out;
  uint8_t groups[5];
  int count = 0;
  do {
    groups[count++] = value & 0x7F;
    value >>= 7;
  } while (value != 0);
  for (int i = count - 1; i >= 0; --i) out.push_back(i ? (groups[i] | 0x80) : groups[i]);
  return out;
}

void Append32(Bytes& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void Append16(Bytes& out, uint16_t value) {
  out.push_back(static_cast<uint8_t>(value >> 8));
  out.push_back(static_cast<uint8_t>(value));
}

void Append(Bytes& out, std::string_view text) {
  for (char c : text) out.push_back(static_cast<uint8_t>(c));
}

void AppendTagged(Bytes& out, std::string_view tag, const Bytes& data,
                  std::optional<uint32_t> declaredLength) {
  Append(out, tag);
  Append32(out, declaredLength.value_or(static_cast<uint32_t>(data.size())));
  Append(out, data);
}

void Append(Bytes& out, const Bytes& bytes) {
  out.insert(out.end(), bytes.begin(), bytes.end());
}

TrackBuilder& TrackBuilder::Event(uint32_t delta, std::initializer_list<uint8_t> bytes) {
  return Event(delta, Bytes(bytes));
}

TrackBuilder& TrackBuilder::Event(uint32_t delta, const Bytes& bytes) {
  Append(body_, VarLen(delta));
  Append(body_, bytes);
  return *this;
}

TrackBuilder& TrackBuilder::Meta(uint32_t delta, uint8_t type, std::string_view data) {
  return Meta(delta, type, Bytes(data.begin(), data.end()));
}

TrackBuilder& TrackBuilder::Meta(uint32_t delta, uint8_t type, const Bytes& data) {
  Append(body_, VarLen(delta));
  body_.push_back(0xFF);
  body_.push_back(type);
  Append(body_, VarLen(static_cast<uint32_t>(data.size())));
  Append(body_, data);
  return *this;
}

TrackBuilder& TrackBuilder::Sysex(uint32_t delta, const Bytes& data) {
  Append(body_, VarLen(delta));
  body_.push_back(0xF0);
  Append(body_, VarLen(static_cast<uint32_t>(data.size())));
  Append(body_, data);
  return *this;
}

TrackBuilder& TrackBuilder::Tempo(uint32_t delta, uint32_t us) {
  return Meta(delta, 0x51,
              Bytes{static_cast<uint8_t>(us >> 16), static_cast<uint8_t>(us >> 8),
                    static_cast<uint8_t>(us)});
}

TrackBuilder& TrackBuilder::TimeSignature(uint32_t delta, uint8_t numerator, uint8_t power) {
  return Meta(delta, 0x58, Bytes{numerator, power, 24, 8});
}

TrackBuilder& TrackBuilder::EndOfTrack(uint32_t delta) {
  return Meta(delta, 0x2F, Bytes{});
}

TrackBuilder& TrackBuilder::Raw(const Bytes& bytes) {
  Append(body_, bytes);
  return *this;
}

SmfBuilder& SmfBuilder::Track(const TrackBuilder& track) {
  return TrackWithLength(track, static_cast<uint32_t>(track.size()));
}

SmfBuilder& SmfBuilder::TrackWithLength(const TrackBuilder& track, uint32_t declaredLength) {
  AppendTagged(chunks_, "MTrk", track.bytes(), declaredLength);
  ++tracks_;
  return *this;
}

SmfBuilder& SmfBuilder::Chunk(std::string_view tag, const Bytes& data) {
  AppendTagged(chunks_, tag, data);
  return *this;
}

SmfBuilder& SmfBuilder::Raw(const Bytes& bytes) {
  Append(chunks_, bytes);
  return *this;
}

SmfBuilder& SmfBuilder::TrackCount(uint16_t count) {
  trackCount_ = count;
  return *this;
}

Bytes SmfBuilder::Build() const {
  Bytes out;
  Append(out, "MThd");
  Append32(out, 6);
  Append16(out, format_);
  Append16(out, static_cast<uint16_t>(trackCount_ >= 0 ? trackCount_ : tracks_));
  Append16(out, division_);
  Append(out, chunks_);
  return out;
}

void WriteFile(const std::string& path, const Bytes& bytes) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) throw std::runtime_error("cannot write " + path);
  file.write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  if (!file) throw std::runtime_error("cannot write " + path);
}

}  // namespace veltrix::builder
