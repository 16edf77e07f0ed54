#include "style/ctb2.h"

#include <optional>

#include "core/hex_text.h"
#include "core/number_text.h"
#include "style/casm_section.h"
#include "style/casm_tables.h"
#include "style/section_locator.h"

namespace veltrix {

namespace {

using namespace casm;

constexpr int64_t kHexRowBytes = 55;
constexpr int64_t kRangeSize = 6;

// The upper-case hexadecimal text of a byte in the pattern "00": digits only are padded to two
// ("05", "10"), a text with a letter stays as it is ("A", "1F").
std::string PatternHex(uint8_t byte) {
  if (byte < 10) return std::string{'0', static_cast<char>('0' + byte)};
  if (byte < 16) return std::string(1, static_cast<char>('A' + byte - 10));
  return HexByteText(byte);
}

// The raw values of `count` bytes from `position`, two blanks between them.
std::string RawValues(const FileImage& image, int64_t position, int64_t count) {
  std::string values;
  for (int64_t i = 0; i < count; ++i) {
    if (i) values.append("  ");
    values.append(PatternHex(image.at(position + i)));
  }
  return values;
}

void ListRecord(Session& session, int64_t start) {
  const FileImage& image = session.image;
  std::string hex = FileNamePart(session.window.fileName) + ": ";
  hex.append(HexText(image.Span(start, kHexRowBytes), kHexRowBytes));
  RecordRow(session, "T3 CTAB(Hex), byte: " + SignedNumberText(start), hex);
  ListRecordHead(session, start);
  RecordRow(session, "U1 & U2 ", RawValues(image, start + 28, 2));
  static constexpr std::string_view kRanges[] = {
      "CTab Low Notes: ", "CTab Middle Notes: ", "CTab High Notes: "};
  session.ReadPos = CheckedInt32(start + 30);
  for (std::string_view range : kRanges) {
    RecordRow(session, range, " ");
    GetCtb2Range(session);
  }
  RecordRow(session, "U4 U5 U6 U7 U8", RawValues(image, start + 48, 6));
  ListSeparator(session);
}

}  // namespace

void GetCtb2Range(Session& session) {
  const FileImage& image = session.image;
  const int64_t block = session.ReadPos;
  auto row = [&](std::string_view label, std::string_view setting) {
    CasmViewUpdate(session, std::string(kRangeIndent).append(label), setting);
  };
  const uint8_t rule = image.at(block);
  row("NTR ", NameOf(kCtb2Ntr, rule));
  const uint8_t table = image.at(block + 1);
  row("NTT ", rule == kGuitarRule ? NameOf(kGuitarNtt, table) : NameOf(kCnttNtt, table));
  row("High Key ", NameOf(kKeyRoot, image.at(block + 2)));
  row("Low Limit ", PlainNumberText(image.at(block + 3)));
  row("High Limit ", PlainNumberText(image.at(block + 4)));
  row("Retrigger rule ", NameOf(kRetriggerRule, image.at(block + 5)));
  session.ReadPos = CheckedInt32(block + kRangeSize);
}

void GetCtb2Info(Session& session) {
  std::optional<int64_t> start = LocateCasm(session);
  if (!start) return;
  int64_t position = *start;
  // Every record in the Ctb2 layout; the first Sdec is listed already, by the walk that
  // handed over to this one.
  const SectionSteps steps{[&](const std::string& sections, int number) {
                             if (number > 0) CasmViewUpdate(session, "Style Section(s)", sections);
                           },
                           [&](int64_t record) {
                             ListRecord(session, record);
                             return true;
                           },
                           nullptr};
  try {
    WalkSection(session, position, steps);
  } catch (const Failure&) {
  }
  StoreReadPos(session, position);
}

}  // namespace veltrix
