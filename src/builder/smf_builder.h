#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltrix::builder {

using Bytes = std::vector<uint8_t>;

// The shortest variable-length quantity of a value.
Bytes VarLen(uint32_t value);
// Big-endian numbers.
void Append32(Bytes& out, uint32_t value);
void Append16(Bytes& out, uint16_t value);
void Append(Bytes& out, std::string_view text);
void Append(Bytes& out, const Bytes& bytes);
// A chunk: its four-character tag, its length (the data's own unless declared otherwise) and
// its data.
void AppendTagged(Bytes& out, std::string_view tag, const Bytes& data,
                  std::optional<uint32_t> declaredLength = std::nullopt);

// The events of one track chunk, written as they will stand in the file.
class TrackBuilder {
 public:
  // A delta time and then the event's bytes exactly as given (running status: leave out the
  // status byte).
  TrackBuilder& Event(uint32_t delta, std::initializer_list<uint8_t> bytes);
  TrackBuilder& Event(uint32_t delta, const Bytes& bytes);
  // FF type length data.
  TrackBuilder& Meta(uint32_t delta, uint8_t type, std::string_view data);
  TrackBuilder& Meta(uint32_t delta, uint8_t type, const Bytes& data);
  // F0 length data (the data normally ends in F7).
  TrackBuilder& Sysex(uint32_t delta, const Bytes& data);
  TrackBuilder& Tempo(uint32_t delta, uint32_t microsecondsPerQuarter);
  TrackBuilder& TimeSignature(uint32_t delta, uint8_t numerator, uint8_t denominatorPower);
  TrackBuilder& EndOfTrack(uint32_t delta = 0);
  // Bytes appended as they are, with no delta time.
  TrackBuilder& Raw(const Bytes& bytes);

  const Bytes& bytes() const { return body_; }
  size_t size() const { return body_.size(); }

 private:
  Bytes body_;
};

// A whole file: MThd, the chunks in order, then any raw bytes (style sections).
class SmfBuilder {
 public:
  SmfBuilder(uint16_t format = 0, uint16_t division = 480) : format_(format), division_(division) {}
  // An MTrk chunk holding the track; its length is the body's length unless given.
  SmfBuilder& Track(const TrackBuilder& track);
  SmfBuilder& TrackWithLength(const TrackBuilder& track, uint32_t declaredLength);
  // Any chunk: tag, 4-byte length, data.
  SmfBuilder& Chunk(std::string_view tag, const Bytes& data);
  SmfBuilder& Raw(const Bytes& bytes);
  // Replaces the track count of the header (normally the number of Track calls).
  SmfBuilder& TrackCount(uint16_t count);
  Bytes Build() const;

 private:
  uint16_t format_;
  uint16_t division_;
  int trackCount_ = -1;
  int tracks_ = 0;
  Bytes chunks_;
};

// Writes bytes to a file; throws std::runtime_error when it cannot.
void WriteFile(const std::string& path, const Bytes& bytes);

}  // namespace veltrix::builder
