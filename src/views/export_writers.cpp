#include "views/export_writers.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <utility>

#include "core/list_rows.h"
#include "core/utf8_text.h"

namespace veltrix {

namespace {

constexpr std::array<bool, 256> MakeTsvSpecials() {
  std::array<bool, 256> special{};
  special['\t'] = special['\r'] = special['\n'] = special['\\'] = true;
  return special;
}
constexpr auto kTsvSpecial = MakeTsvSpecials();

// True when one of the eight bytes of `word` may be TAB, LF, CR or backslash: it is a
// backslash or a control character below 0x20. The other control characters are rare in
// cells and are only sent to the exact byte-by-byte escape, which copies them as they are.
bool HasTsvSpecial(uint64_t word) {
  constexpr uint64_t kOnes = 0x0101010101010101ULL;
  constexpr uint64_t kHighs = 0x8080808080808080ULL;
  const uint64_t belowBlank = (word - kOnes * 0x20) & ~word & kHighs;
  const uint64_t backslash = word ^ (kOnes * '\\');
  return (belowBlank | ((backslash - kOnes) & ~backslash & kHighs)) != 0;
}

uint64_t LoadWord(const char* in) {
  uint64_t word;
  std::memcpy(&word, in, 8);
  return word;
}

uint32_t LoadHalf(const char* in) {
  uint32_t half;
  std::memcpy(&half, in, 4);
  return half;
}

// Copies the cell to `out` and, with kFindSpecial, tells whether it holds TAB, CR, LF or
// backslash. Most cells are a few bytes long, so both are done in whole words (overlapping at
// the end) without reading outside the cell and without a call.
template <bool kFindSpecial>
[[gnu::always_inline]] inline bool CopyCell(char* out, std::string_view cell) {
  const char* in = cell.data();
  const size_t size = cell.size();
  if (size >= 8) {
    bool special = false;
    for (size_t at = 0; at + 8 <= size; at += 8) {
      uint64_t word = LoadWord(in + at);
      if (kFindSpecial) special |= HasTsvSpecial(word);
      std::memcpy(out + at, &word, 8);
    }
    uint64_t last = LoadWord(in + size - 8);
    std::memcpy(out + size - 8, &last, 8);
    return kFindSpecial && (special || HasTsvSpecial(last));
  }
  if (size >= 4) {
    uint32_t first = LoadHalf(in), last = LoadHalf(in + size - 4);
    std::memcpy(out, &first, 4);
    std::memcpy(out + size - 4, &last, 4);
    return kFindSpecial && HasTsvSpecial(uint64_t{first} | uint64_t{last} << 32);
  }
  if (size == 0) return false;
  // One to three bytes: the first, the middle and the last cover them all.
  const char a = in[0], b = in[size / 2], c = in[size - 1];
  out[0] = a;
  out[size / 2] = b;
  out[size - 1] = c;
  return kFindSpecial &&
         (kTsvSpecial[static_cast<unsigned char>(a)] ||
          kTsvSpecial[static_cast<unsigned char>(b)] || kTsvSpecial[static_cast<unsigned char>(c)]);
}

// Writes the cell with TAB, CR, LF and backslash escaped; `out` has room for twice its size.
// Kept inline in the row writers' loops: a call per cell costs some 3 % of a listing.
[[gnu::always_inline]] inline char* WriteTsvCell(char* out, std::string_view cell) {
  if (!CopyCell<true>(out, cell)) return out + cell.size();
  for (char c : cell) {
    switch (c) {
      case '\t':
        *out++ = '\\';
        *out++ = 't';
        break;
      case '\r':
        *out++ = '\\';
        *out++ = 'r';
        break;
      case '\n':
        *out++ = '\\';
        *out++ = 'n';
        break;
      case '\\':
        *out++ = '\\';
        *out++ = '\\';
        break;
      default:
        *out++ = c;
    }
  }
  return out;
}

// Writes the cell RFC 4180 style, quoted when it holds a comma, a quote, CR or LF; `out`
// has room for twice its size and two more.
char* WriteCsvCell(char* out, std::string_view cell) {
  if (cell.find_first_of(",\"\r\n") == std::string_view::npos) {
    if (!cell.empty()) std::memcpy(out, cell.data(), cell.size());
    return out + cell.size();
  }
  *out++ = '"';
  for (char c : cell) {
    if (c == '"') *out++ = '"';
    *out++ = c;
  }
  *out++ = '"';
  return out;
}

constexpr size_t kPieceSize = size_t{1} << 20;
constexpr size_t kTableBufferSize = kPieceSize / 4;

template <class Writer>
void WriteRows(const ListRows& rows, Writer& writer) {
  std::vector<std::string_view> cells(rows.ColumnCount());
  for (size_t r = 0; r < rows.size(); ++r) {
    rows.CellsOf(r, cells.data());
    writer.Row(cells.data(), cells.size());
  }
}

void WriteTable(const ShownList& shown, TableFormat format, const TextSink& write) {
  TableTextWriter writer(format, write);
  writer.Header(shown.Columns());
  WriteRows(ListRows(shown), writer);
  writer.Flush();
}

}  // namespace

TableTextWriter::TableTextWriter(TableFormat format, const TextSink& write)
    : format_(format), write_(write) {}

char* TableTextWriter::Room(size_t bound) {
  if (used_ + bound > buffer_.size()) {
    // The buffer grows with the text up to a quarter of a piece, so the short table of a small
    // file or of a file's findings does not take (and clear) much memory; from there it is
    // handed on whenever it is full. A buffer that stays in the processor's cache is copied
    // on (into a pipe or a writer's buffer) faster than a megabyte.
    if (buffer_.size() < kTableBufferSize)
      buffer_.resize(
          std::min(std::max({2 * buffer_.size(), used_ + bound, size_t{4096}}), kTableBufferSize));
    if (used_ + bound > buffer_.size()) Flush();
    if (bound > buffer_.size()) buffer_.resize(bound);
  }
  return buffer_.data() + used_;
}

void TableTextWriter::Header(const std::vector<Column>& columns) {
  SetColumnCount(columns.size());
  std::vector<std::string_view> headers;
  for (const Column& column : columns) headers.push_back(column.header);
  Row(headers.data(), headers.size());
}

void TableTextWriter::Row(const std::string_view* cells, size_t count) {
  count = std::min(count, columns_);
  const bool tsv = format_ == TableFormat::Tsv;
  size_t bound = 3 * columns_ + 2;
  for (size_t c = 0; c < count; ++c) bound += 2 * cells[c].size();
  char* out = Room(bound);
  for (size_t c = 0; c < columns_; ++c) {
    if (c) *out++ = tsv ? '\t' : ',';
    if (c < count) out = tsv ? WriteTsvCell(out, cells[c]) : WriteCsvCell(out, cells[c]);
  }
  if (!tsv) *out++ = '\r';
  *out++ = '\n';
  used_ = static_cast<size_t>(out - buffer_.data());
}

void TableTextWriter::RowWithPlainCell(const std::string_view* cells, size_t count, size_t place,
                                       std::string_view plain) {
  if (count + 1 > columns_ || place > count) {
    // Cells beyond the header's are dropped; such a row is written the general way.
    std::vector<std::string_view> row(count + 1);
    return Row(row.data(), PutCellIn(cells, count, place, plain, row.data()));
  }
  const bool tsv = format_ == TableFormat::Tsv;
  size_t bound = 3 * columns_ + 2 + plain.size();
  for (size_t c = 0; c < count; ++c) bound += 2 * cells[c].size();
  char* out = Room(bound);
  // Each cell with a separator after it; the one after the last is taken back.
  auto writeCells = [&](size_t from, size_t to) {
    for (size_t c = from; c < to; ++c) {
      out = tsv ? WriteTsvCell(out, cells[c]) : WriteCsvCell(out, cells[c]);
      *out++ = tsv ? '\t' : ',';
    }
  };
  writeCells(0, place);
  CopyCell<false>(out, plain);
  out += plain.size();
  *out++ = tsv ? '\t' : ',';
  writeCells(place, count);
  --out;
  // The header's further columns are empty.
  for (size_t c = count + 1; c < columns_; ++c) *out++ = tsv ? '\t' : ',';
  if (!tsv) *out++ = '\r';
  *out++ = '\n';
  used_ = static_cast<size_t>(out - buffer_.data());
}

void TableTextWriter::Flush() {
  if (used_) write_(std::string_view(buffer_.data(), used_));
  used_ = 0;
}

void AppendTsv(const ShownList& shown, std::string& out) {
  WriteTsv(shown, [&](std::string_view text) { out.append(text); });
}

void AppendCsv(const ShownList& shown, std::string& out) {
  WriteCsv(shown, [&](std::string_view text) { out.append(text); });
}

void WriteTsv(const ShownList& shown, const TextSink& write) {
  WriteTable(shown, TableFormat::Tsv, write);
}

void WriteCsv(const ShownList& shown, const TextSink& write) {
  WriteTable(shown, TableFormat::Csv, write);
}

void AppendJsonString(std::string_view text, std::string& out) {
  out.push_back('"');
  for (size_t at = 0; at < text.size(); ++at) {
    const char c = text[at];
    const auto u = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        out.append("\\\"");
        break;
      case '\\':
        out.append("\\\\");
        break;
      case '\n':
        out.append("\\n");
        break;
      case '\r':
        out.append("\\r");
        break;
      case '\t':
        out.append("\\t");
        break;
      default:
        if (u < 0x20) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04x", u);
          out.append(escape);
        } else if (u < 0x80) {
          out.push_back(c);
        } else {
          // JSON must be UTF-8: bytes that are not (a file name from another system, say)
          // become U+FFFD, one for each maximal ill-formed run.
          const Utf8Step step = NextUtf8Step(text.substr(at));
          if (step.valid)
            out.append(text.substr(at, step.length));
          else
            out.append(kReplacementCharacter);
          at += step.length - 1;
        }
    }
  }
  out.push_back('"');
}

namespace {

void WriteJsonObject(const ShownList& shown, const std::vector<std::string>& messages,
                     JsonWindowWriter& writer) {
  writer.Begin(shown);
  WriteRows(ListRows(shown), writer);
  writer.End(shown.window, messages);
}

}  // namespace

void AppendJson(const ShownList& shown, const std::vector<std::string>& messages,
                std::string& out) {
  WriteJson(shown, messages, [&](std::string_view text) { out.append(text); });
}

void WriteJson(const ShownList& shown, const std::vector<std::string>& messages,
               const TextSink& write) {
  JsonWindowWriter writer(write);
  WriteJsonObject(shown, messages, writer);
}

void WriteJsonLine(const ShownList& shown, const std::vector<std::string>& messages,
                   std::string_view path, const TextSink& write) {
  JsonWindowWriter writer(write, &path);
  WriteJsonObject(shown, messages, writer);
}

JsonWindowWriter::JsonWindowWriter(const TextSink& write, const std::string_view* path)
    : write_(write), path_(path), rowBreak_(path ? "" : "\n") {}

void JsonWindowWriter::FlushIfFull() {
  if (out_.size() >= kPieceSize) {
    write_(out_);
    out_.clear();
  }
}

void JsonWindowWriter::Begin(const ShownList& shown) {
  const WindowModel& window = shown.window;
  const std::vector<Column> columns = shown.Columns();
  out_.push_back('{');
  if (path_) {
    out_.append("\"path\":");
    AppendJsonString(*path_, out_);
    out_.push_back(',');
  }
  out_.append("\"caption\":");
  AppendJsonString(window.caption, out_);
  out_.append(",\"view\":");
  AppendJsonString(window.PressedView(), out_);
  out_.append(",\"columns\":[");
  for (size_t c = 0; c < columns.size(); ++c) {
    if (c) out_.push_back(',');
    AppendJsonString(columns[c].header, out_);
  }
  out_.append("],\"rows\":[");
}

void JsonWindowWriter::Row(const std::string_view* cells, size_t count) {
  BeginRow();
  Cells(cells, count, true);
  EndRow();
}

void JsonWindowWriter::RowWithPlainCell(const std::string_view* cells, size_t count, size_t place,
                                        std::string_view plain) {
  place = std::min(place, count);
  BeginRow();
  Cells(cells, place, true);
  if (place) out_.push_back(',');
  AppendJsonString(plain, out_);
  Cells(cells + place, count - place, false);
  EndRow();
}

void JsonWindowWriter::BeginRow() {
  if (!firstRow_) out_.push_back(',');
  firstRow_ = false;
  out_.append(rowBreak_).push_back('[');
}

void JsonWindowWriter::Cells(const std::string_view* cells, size_t count, bool first) {
  for (size_t c = 0; c < count; ++c) {
    if (c || !first) out_.push_back(',');
    AppendJsonString(cells[c], out_);
  }
}

void JsonWindowWriter::EndRow() {
  out_.push_back(']');
  FlushIfFull();
}

void JsonWindowWriter::End(const WindowModel& window, const std::vector<std::string>& messages) {
  // Each text with what goes before it: the end of the rows, the labels, warning, status.
  const std::pair<const char*, const std::string*> texts[] = {
      {"],\"labels\":{\"filename\":", &window.lblFilename},
      {",\"tracks\":", &window.lblTracks},
      {",\"ticks\":", &window.LblTicksPerQtrNote},
      {",\"length\":", &window.lblTracklength},
      {",\"duration\":", &window.lblLength},
      {"},\"warning\":", &window.lblWarning},
      {",\"status\":", &window.statusText}};
  for (const auto& [lead, text] : texts) {
    // The song's length is a label of the Time Column option only.
    if (text == &window.lblLength && !window.options.TimeColumn) continue;
    out_.append(lead);
    AppendJsonString(*text, out_);
  }
  out_.append(",\"messages\":[");
  for (size_t m = 0; m < messages.size(); ++m) {
    if (m) out_.push_back(',');
    AppendJsonString(messages[m], out_);
  }
  out_.append("]}\n");
  write_(out_);
  out_.clear();
}

}  // namespace veltrix
