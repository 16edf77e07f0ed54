#include "style/casm.h"

#include "core/number_text.h"
#include "style/casm_section.h"
#include "style/casm_tables.h"
#include "style/ctb2.h"
#include "style/section_locator.h"

namespace veltrix {

namespace {

using namespace casm;

void ListCtab(Session& session, int64_t start) {
  const FileImage& image = session.image;
  auto row = [&](std::string_view label, std::string_view setting) {
    RecordRow(session, label, setting);
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

}  // namespace

void GetCasmInfo(Session& session) {
  // A read past the image or a length beyond it ends the listing quietly: the rows so far are
  // what the section holds.
  std::optional<int64_t> start = LocateCasm(session);
  if (!start) return;
  int64_t position = *start;
  bool handedOver = false;
  const SectionSteps steps{[&](const std::string& sections, int) {
                             CasmViewUpdate(session, "Style Section(s)", sections);
                           },
                           [&](int64_t record) {
                             // At the first Ctb2 record the section is listed again in the Ctb2
                             // layout.
                             if (session.image.HasTagAt(record, "Ctb2")) {
                               GetCtb2Info(session);
                               handedOver = true;
                               return false;
                             }
                             ListCtab(session, record);
                             return true;
                           },
                           [&](int64_t record) { ListCntt(session, record); }};
  try {
    WalkSection(session, position, steps);
  } catch (const Failure&) {
  }
  // The Ctb2 walk leaves the shared read position where it stopped itself.
  if (!handedOver) StoreReadPos(session, position);
}

}  // namespace veltrix
