#include "builder/style_builder.h"

namespace veltrix::builder {

namespace {

void AppendHead(Bytes& out, const RecordHead& head) {
  out.push_back(head.sourceChannel);
  std::string name = head.name;
  name.resize(8, ' ');
  Append(out, name);
  out.push_back(head.destinationChannel);
  out.push_back(head.editable);
  out.push_back(head.noteMaskHigh);
  out.push_back(head.noteMaskLow);
  out.insert(out.end(), head.chordMask.begin(), head.chordMask.end());
  out.push_back(head.sourceRoot);
  out.push_back(head.sourceChordType);
}

void AppendRange(Bytes& out, const NoteRange& range) {
  out.insert(out.end(), {range.rule, range.table, range.highKey, range.lowLimit, range.highLimit,
                         range.retriggerRule});
}

}  // namespace

Bytes CtabBytes(const CtabRecord& record) {
  Bytes body;
  AppendHead(body, record.head);
  body.insert(body.end(), {record.transpositionRule, record.transpositionTable, record.highKey,
                           record.noteLowLimit, record.noteHighLimit, record.retriggerRule});
  Append(body, record.tail);
  Bytes out;
  AppendTagged(out, "Ctab", body, record.declaredLength);
  return out;
}

Bytes Ctb2Bytes(const Ctb2Record& record) {
  Bytes body;
  AppendHead(body, record.head);
  body.insert(body.end(), record.unknown1.begin(), record.unknown1.end());
  AppendRange(body, record.low);
  AppendRange(body, record.middle);
  AppendRange(body, record.high);
  body.insert(body.end(), record.unknown2.begin(), record.unknown2.end());
  Append(body, record.tail);
  Bytes out;
  AppendTagged(out, record.tag, body, record.declaredLength);
  return out;
}

Bytes CnttBytes(uint8_t sourceChannel, uint8_t table, uint32_t declaredLength) {
  Bytes out;
  AppendTagged(out, "Cntt", Bytes{sourceChannel, table}, declaredLength);
  return out;
}

CasmBuilder& CasmBuilder::Cseg() {
  segments_.emplace_back();
  return *this;
}

CasmBuilder& CasmBuilder::Raw(const Bytes& bytes) {
  if (segments_.empty()) Cseg();
  Append(segments_.back(), bytes);
  return *this;
}

CasmBuilder& CasmBuilder::Sdec(std::string_view sections) {
  Bytes chunk;
  AppendTagged(chunk, "Sdec", Bytes(sections.begin(), sections.end()));
  return Raw(chunk);
}

CasmBuilder& CasmBuilder::Ctab(const CtabRecord& record) {
  return Raw(CtabBytes(record));
}

CasmBuilder& CasmBuilder::Ctb2(const Ctb2Record& record) {
  return Raw(Ctb2Bytes(record));
}

CasmBuilder& CasmBuilder::Cntt(uint8_t sourceChannel, uint8_t table, uint32_t declaredLength) {
  return Raw(CnttBytes(sourceChannel, table, declaredLength));
}

Bytes CasmBuilder::Build() const {
  Bytes data;
  for (const Bytes& segment : segments_) AppendTagged(data, "CSEG", segment);
  Bytes out;
  AppendTagged(out, "CASM", data);
  return out;
}

OtsBuilder& OtsBuilder::Track(const TrackBuilder& track) {
  return TrackWithLength(track, static_cast<uint32_t>(track.size()));
}

OtsBuilder& OtsBuilder::TrackWithLength(const TrackBuilder& track, uint32_t declaredLength) {
  AppendTagged(data_, "MTrk", track.bytes(), declaredLength);
  return *this;
}

OtsBuilder& OtsBuilder::Raw(const Bytes& bytes) {
  Append(data_, bytes);
  return *this;
}

OtsBuilder& OtsBuilder::DeclaredLength(uint32_t length) {
  declaredLength_ = length;
  return *this;
}

Bytes OtsBuilder::Build() const {
  Bytes out;
  AppendTagged(out, tag_, data_, declaredLength_);
  return out;
}

Bytes FinderRecordBytes(const FinderRecord& record) {
  Bytes body{static_cast<uint8_t>(record.tempo >> 16), static_cast<uint8_t>(record.tempo >> 8),
             static_cast<uint8_t>(record.tempo), record.numerator, record.denominator};
  for (const std::string* text :
       {&record.music, &record.genre, &record.keyword1, &record.keyword2}) {
    body.insert(body.end(), 7, 0);
    body.push_back(static_cast<uint8_t>(text->size()));
    Append(body, *text);
  }
  Bytes out;
  AppendTagged(out, "FNRP", body);
  return out;
}

FinderBuilder& FinderBuilder::Record(const FinderRecord& record) {
  Append(data_, FinderRecordBytes(record));
  return *this;
}

FinderBuilder& FinderBuilder::Raw(const Bytes& bytes) {
  Append(data_, bytes);
  return *this;
}

Bytes FinderBuilder::Build() const {
  Bytes out;
  AppendTagged(out, tag_, data_);
  return out;
}

StyleBuilder::StyleBuilder(const TrackBuilder& track, uint16_t division) : file_(0, division) {
  file_.Track(track);
}

StyleBuilder& StyleBuilder::Casm(const CasmBuilder& casm) {
  return Raw(casm.Build());
}

StyleBuilder& StyleBuilder::Ots(const OtsBuilder& ots) {
  return Raw(ots.Build());
}

StyleBuilder& StyleBuilder::Finder(const FinderBuilder& finder) {
  return Raw(finder.Build());
}

StyleBuilder& StyleBuilder::Raw(const Bytes& bytes) {
  file_.Raw(bytes);
  return *this;
}

Bytes StyleBuilder::Build() const {
  return file_.Build();
}

TrackBuilder SampleStyleTrack() {
  TrackBuilder track;
  track.Tempo(0, 500000)
      .TimeSignature(0, 4, 2)
      .Meta(0, 0x03, "SFF1")
      .Event(0, {0x90, 0x3C, 0x64})
      .Event(1920, {0x80, 0x3C, 0x00})
      .EndOfTrack();
  return track;
}

TrackBuilder SampleOtsTrack(uint8_t program) {
  TrackBuilder track;
  track.Event(0, {0xC0, program}).Event(0, {0xB0, 0x07, 0x64}).EndOfTrack();
  return track;
}

}  // namespace veltrix::builder
