#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "builder/smf_builder.h"

namespace veltrix::builder {

// The fields of record offsets 8 to 27, shared by Ctab and Ctb2 records.
struct RecordHead {
  uint8_t sourceChannel = 0;
  std::string name = "Track   ";  // written as 8 bytes, cut or padded with blanks
  uint8_t destinationChannel = 8;
  uint8_t editable = 0;
  uint8_t noteMaskHigh = 0x0F;
  uint8_t noteMaskLow = 0xFF;
  std::array<uint8_t, 5> chordMask{};
  uint8_t sourceRoot = 0;
  uint8_t sourceChordType = 0;
};

// A Ctab record: the head, then offsets 28 to 33; `tail` follows (real files carry one more
// byte). The length field is the body's size unless `declaredLength` is given.
struct CtabRecord {
  RecordHead head;
  uint8_t transpositionRule = 0;
  uint8_t transpositionTable = 0;
  uint8_t highKey = 0;
  uint8_t noteLowLimit = 0;
  uint8_t noteHighLimit = 127;
  uint8_t retriggerRule = 0;
  Bytes tail;
  std::optional<uint32_t> declaredLength;
};

struct NoteRange {
  uint8_t rule = 0;
  uint8_t table = 0;
  uint8_t highKey = 0;
  uint8_t lowLimit = 0;
  uint8_t highLimit = 127;
  uint8_t retriggerRule = 0;
};

// A Ctb2 record (or a record tagged "Ctab" in the same layout): the head, two raw bytes, the
// low, middle and high note ranges, six raw bytes and `tail` (one byte in real files).
struct Ctb2Record {
  std::string tag = "Ctb2";
  RecordHead head;
  std::array<uint8_t, 2> unknown1{};
  NoteRange low, middle, high;
  std::array<uint8_t, 6> unknown2{};
  Bytes tail = Bytes(1, 0);
  std::optional<uint32_t> declaredLength;
};

Bytes CtabBytes(const CtabRecord& record);
Bytes Ctb2Bytes(const Ctb2Record& record);
// A Cntt record: tag, length, source channel, table. Its length field is 2 unless given.
Bytes CnttBytes(uint8_t sourceChannel, uint8_t table, uint32_t declaredLength = 2);

// A CASM section: "CASM", its length, then CSEG chunks with their Sdec, track and Cntt
// records. Every chunk's length is counted from what was added.
class CasmBuilder {
 public:
  // Starts a new CSEG chunk; the records that follow go into it.
  CasmBuilder& Cseg();
  CasmBuilder& Sdec(std::string_view sections);
  CasmBuilder& Ctab(const CtabRecord& record);
  CasmBuilder& Ctb2(const Ctb2Record& record);
  CasmBuilder& Cntt(uint8_t sourceChannel, uint8_t table, uint32_t declaredLength = 2);
  // Bytes into the current CSEG as they are.
  CasmBuilder& Raw(const Bytes& bytes);
  Bytes Build() const;

 private:
  std::vector<Bytes> segments_;
};

// An OTS section: a tag beginning with "OTS" ("OTSc" in real files), its length and one MTrk
// chunk per one-touch setting.
class OtsBuilder {
 public:
  explicit OtsBuilder(std::string tag = "OTSc") : tag_(std::move(tag)) {}
  OtsBuilder& Track(const TrackBuilder& track);
  OtsBuilder& TrackWithLength(const TrackBuilder& track, uint32_t declaredLength);
  OtsBuilder& Raw(const Bytes& bytes);
  // Replaces the section's length field (normally the size of its data).
  OtsBuilder& DeclaredLength(uint32_t length);
  Bytes Build() const;

 private:
  std::string tag_;
  Bytes data_;
  std::optional<uint32_t> declaredLength_;
};

// One music-finder record. The lead-in bytes before each text are written as zeros.
struct FinderRecord {
  uint32_t tempo = 500000;  // microseconds per quarter note, 3 bytes
  uint8_t numerator = 4;
  uint8_t denominator = 4;
  std::string music;
  std::string genre;
  std::string keyword1;
  std::string keyword2;
};

Bytes FinderRecordBytes(const FinderRecord& record);

// The music-finder section: a tag beginning with "FNR" ("FNRc" in real files), a length and
// the FNRP records.
class FinderBuilder {
 public:
  explicit FinderBuilder(std::string tag = "FNRc") : tag_(std::move(tag)) {}
  FinderBuilder& Record(const FinderRecord& record);
  FinderBuilder& Raw(const Bytes& bytes);
  Bytes Build() const;

 private:
  std::string tag_;
  Bytes data_;
};

// A style file: a format-0 MIDI file of one track, then the sections and any raw bytes in the
// order they are added.
class StyleBuilder {
 public:
  explicit StyleBuilder(const TrackBuilder& track, uint16_t division = 1920);
  StyleBuilder& Casm(const CasmBuilder& casm);
  StyleBuilder& Ots(const OtsBuilder& ots);
  StyleBuilder& Finder(const FinderBuilder& finder);
  StyleBuilder& Raw(const Bytes& bytes);
  Bytes Build() const;

 private:
  SmfBuilder file_;
};

// A small style track: tempo, time signature, a note and End of Track.
TrackBuilder SampleStyleTrack();
// A one-touch-setting track: a program change, a volume controller and End of Track.
TrackBuilder SampleOtsTrack(uint8_t program);

}  // namespace veltrix::builder
