#include "style/casm.h"

#include "core/number_text.h"
#include "style/casm_section.h"
#include "style/casm_tables.h"
#include "style/ctb2.h"

namespace veltrix {

namespace {

using namespace casm;

constexpr int64_t kCnttSize = 10;  // a Cntt record is read in steps of 10, whatever its length

void ListCtab(Session& session, int64_t start) {
  const FileImage& image = session.image;
  auto row = [&](std::string_view label, std::string_view setting) {
    CasmViewUpdate(session, std::string(kRecordIndent).append(label), setting);
  };
  ListRecordHead(session, start);
  row("Note Transposition Rule ",
      image.at(start + 28) == 0 ? kRuleRootTransposition : kRuleRootFixed);
  row("Note Transposition Table ", NameOf(kNoteTranspositionTable, image.at(start + 29)));
  row("High Key ", NameOf(kKeyRoot, image.at(start + 30)));
  row("Note Low Limit ", SignedNumberText(image.at(start + 31)));
  row("Note High Limit ", SignedNumberText(image.at(start + 32)));
  row("Retrigger rule ", NameOf(kRetriggerRule, image.at(start + 33)));
  ListSeparator(session);
}

void ListCntt(Session& session, int64_t start) {
  const FileImage& image = session.image;
  const std::string source = PlainNumberText(image.at(start + 8) + 1);
  CasmViewUpdate(session, std::string(kCnttIndent).append("Source Track"), source);
  CasmViewUpdate(session, std::string(kRecordIndent).append("Source: Note Transposition Table "),
                 source + ": " + std::string(NameOf(kCnttNtt, image.at(start + 9))));
}

// The walk over CSEG, Sdec, Ctab and Cntt chunks from the CASM tag at `position`, which it
// leaves where it stops. Every step moves it forward by at least 8 bytes, so no length in the
// file can make the walk loop. Returns true when it handed over to the Ctb2 walk.
bool WalkSection(Session& session, int64_t& position) {
  const FileImage& image = session.image;
  const int64_t last = image.UpperIndex();
  position += 8;
  while (position < last) {
    if (!image.HasTagAt(position, "CSEG")) return false;
    position += 8;
    while (position < last) {
      if (!image.HasTagAt(position, "Sdec")) break;
      std::string sections;
      position = ReadSdec(session, position, sections);
      CasmViewUpdate(session, "Style Section(s)", sections);
      while (position < last) {
        if (image.HasTagAt(position, "Ctb2")) {
          GetCtb2Info(session);
          return true;
        }
        if (!image.HasTagAt(position, "Ctab")) break;
        ListCtab(session, position);
        position = NextRecordAt(image, position);
      }
      while (image.HasTagAt(position, "Cntt")) {
        ListCntt(session, position);
        position += kCnttSize;
      }
    }
  }
  return false;
}

}  // namespace

void CasmViewUpdate(Session& session, std::string_view parameter, std::string_view setting) {
  Guarded(session.reporter, "Casm View Update", 0, [&] {
    const std::string number = ZeroPadded(session.CasmRowCounter, 3);
    session.window.rows.AddRow({number, parameter, setting});
    session.CasmRowCounter = CheckedInt16(int32_t{session.CasmRowCounter} + 1);
    return 0;
  });
}

void GetCasmInfo(Session& session) {
  // A read past the image or a length beyond it ends the listing quietly: the rows so far are
  // what the section holds.
  std::optional<int64_t> start = casm::LocateCasm(session);
  if (!start) return;
  int64_t position = *start;
  bool handedOver = false;
  try {
    handedOver = WalkSection(session, position);
  } catch (const Failure&) {
  }
  // The Ctb2 walk leaves the shared read position where it stopped itself.
  if (!handedOver) StoreReadPos(session, position);
}

}  // namespace veltrix
