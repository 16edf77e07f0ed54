#include "style/casm_section.h"

#include <algorithm>
#include <limits>

#include "core/number_text.h"
#include "style/casm_tables.h"

namespace veltrix::casm {

namespace {

constexpr int64_t kCnttSize = 10;  // a Cntt record is read in steps of 10, whatever its length

bool IsBitSet(uint8_t byte, int bit) {
  return (byte >> bit) & 1;
}

std::string NotesAllowed(uint8_t highByte, uint8_t lowByte) {
  std::string notes;
  for (int bit = 0; bit < 8; ++bit)
    if (IsBitSet(lowByte, bit)) notes.append(kNotesLowByte[bit]).push_back(' ');
  for (size_t bit = 0; bit < kNotesHighByte.size(); ++bit)
    if (IsBitSet(highByte, static_cast<int>(bit))) notes.append(kNotesHighByte[bit]);
  return notes;
}

std::string ChordsAllowed(const uint8_t* mask) {
  std::string chords;
  for (size_t byte = 0; byte < kChordsAllowed.size(); ++byte)
    for (int bit = 0; bit < 8; ++bit)
      if (IsBitSet(mask[byte], bit)) chords.append(kChordsAllowed[byte][bit]).push_back(' ');
  return chords;
}

}  // namespace

void RecordRow(Session& session, std::string_view label, std::string_view setting) {
  CasmViewUpdate(session, std::string(kRecordIndent).append(label), setting);
}

std::string TextAt(const Session& session, int64_t position, int64_t count) {
  const uint8_t* bytes = session.image.Span(position, count);
  return session.codePage.ToUtf8(
      std::string_view(reinterpret_cast<const char*>(bytes), static_cast<size_t>(count)));
}

int64_t ReadSdec(const Session& session, int64_t position, std::string& sections) {
  const int64_t count = session.image.BigEndian32(position + 4);
  sections = TextAt(session, position + 8, count);
  return position + 8 + count;
}

int64_t NextRecordAt(const FileImage& image, int64_t start) {
  return start + 8 + int64_t{image.BigEndian32(start + 4)};
}

void ListRecordHead(Session& session, int64_t start) {
  const FileImage& image = session.image;
  RecordRow(session, "Source Track", PlainNumberText(image.at(start + 8) + 1));
  RecordRow(session, "Name", TextAt(session, start + 9, 8));
  RecordRow(session, "Style Part",
            NameOf(kStylePart, image.at(start + 17), kFirstStylePartChannel));
  RecordRow(session, "Editable?", image.at(start + 18) == 0 ? "Yes" : "No");
  RecordRow(session, "Notes allowed", NotesAllowed(image.at(start + 19), image.at(start + 20)));
  RecordRow(session, "Chords allowed", ChordsAllowed(image.Span(start + 21, 5)));
  std::string key(NameOf(kKeyRoot, image.at(start + 26)));
  key.append(" ").append(NameOf(kChordType, image.at(start + 27)));
  RecordRow(session, "Key ", key);
}

bool WalkSection(Session& session, int64_t& position, const SectionSteps& steps) {
  const FileImage& image = session.image;
  const int64_t last = image.UpperIndex();
  int sdecNumber = 0;
  position += 8;
  while (position < last) {
    if (!image.HasTagAt(position, "CSEG")) return true;
    position += 8;
    while (position < last) {
      if (!image.HasTagAt(position, "Sdec")) break;
      std::string sections;
      position = ReadSdec(session, position, sections);
      steps.sdec(sections, sdecNumber++);
      while (position < last &&
             (image.HasTagAt(position, "Ctb2") || image.HasTagAt(position, "Ctab"))) {
        if (!steps.record(position)) return false;
        position = NextRecordAt(image, position);
      }
      if (!steps.cntt) continue;
      while (image.HasTagAt(position, "Cntt")) {
        steps.cntt(position);
        position += kCnttSize;
      }
    }
  }
  return true;
}

void StoreReadPos(Session& session, int64_t position) {
  session.ReadPos =
      static_cast<int32_t>(std::clamp<int64_t>(position, 0, std::numeric_limits<int32_t>::max()));
}

void ListSeparator(Session& session) {
  CasmViewUpdate(session, kSeparatorParameter, kSeparatorSetting);
}

}  // namespace veltrix::casm

namespace veltrix {

void CasmViewUpdate(Session& session, std::string_view parameter, std::string_view setting) {
  Guarded(session.reporter, "Casm View Update", 0, [&] {
    const std::string number = ZeroPadded(session.window.CasmRowCounter, 3);
    session.window.rows.AddRow({number, parameter, setting});
    session.window.CasmRowCounter = CheckedInt16(int32_t{session.window.CasmRowCounter} + 1);
    return 0;
  });
}

}  // namespace veltrix
