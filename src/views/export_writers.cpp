#include "views/export_writers.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace veltrix {

namespace {

constexpr std::array<bool, 256> MakeTsvSpecials() {
  std::array<bool, 256> special{};
  special['\t'] = special['\r'] = special['\n'] = special['\\'] = true;
  return special;
}
constexpr auto kTsvSpecial = MakeTsvSpecials();

// True when one of the eight bytes of `word` is TAB, LF, CR or backslash.
bool HasTsvSpecial(uint64_t word) {
  constexpr uint64_t kOnes = 0x0101010101010101ULL;
  constexpr uint64_t kHighs = 0x8080808080808080ULL;
  auto hasByte = [](uint64_t x, uint64_t c) {
    uint64_t y = x ^ (kOnes * c);
    return (y - kOnes) & ~y & kHighs;
  };
  return (hasByte(word, '\t') | hasByte(word, '\n') | hasByte(word, '\r') | hasByte(word, '\\')) !=
         0;
}

bool HasTsvSpecialIn(std::string_view cell) {
  const char* p = cell.data();
  const char* end = p + cell.size();
  for (uint64_t word; end - p >= 8; p += 8) {
    std::memcpy(&word, p, 8);
    if (HasTsvSpecial(word)) return true;
  }
  for (; p != end; ++p)
    if (kTsvSpecial[static_cast<unsigned char>(*p)]) return true;
  return false;
}

// Writes the cell with TAB, CR, LF and backslash escaped; `out` has room for twice its size.
char* WriteTsvCell(char* out, std::string_view cell) {
  if (!HasTsvSpecialIn(cell)) {
    if (!cell.empty()) std::memcpy(out, cell.data(), cell.size());
    return out + cell.size();
  }
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

void AppendCsvCell(std::string_view cell, std::string& out) {
  if (cell.find_first_of(",\"\r\n") == std::string_view::npos) {
    out.append(cell);
    return;
  }
  out.push_back('"');
  for (char c : cell) {
    if (c == '"') out.push_back('"');
    out.push_back(c);
  }
  out.push_back('"');
}

constexpr size_t kPieceSize = size_t{1} << 20;

void FlushIfFull(std::string& out, const TextSink* write) {
  if (write && out.size() >= kPieceSize) {
    (*write)(out);
    out.clear();
  }
}

void FlushRest(std::string& out, const TextSink* write) {
  if (write && !out.empty()) {
    (*write)(out);
    out.clear();
  }
}

template <class CellWriter>
void AppendTable(const WindowModel& window, char separator, const char* lineEnd,
                 CellWriter writeCell, std::string& out, const TextSink* write = nullptr) {
  const size_t columns = window.columns.size();
  for (size_t c = 0; c < columns; ++c) {
    if (c) out.push_back(separator);
    writeCell(window.columns[c].header, out);
  }
  out.append(lineEnd);
  const size_t rows = window.rows.size();
  std::vector<std::string_view> cells(window.rows.ColumnCount());
  const size_t shown = std::min(columns, cells.size());
  for (size_t r = 0; r < rows; ++r) {
    window.rows.CellsOf(r, cells.data());
    for (size_t c = 0; c < columns; ++c) {
      if (c) out.push_back(separator);
      if (c < shown) writeCell(cells[c], out);
    }
    out.append(lineEnd);
    FlushIfFull(out, write);
  }
  FlushRest(out, write);
}

}  // namespace

void AppendTsv(const WindowModel& window, std::string& out) {
  WriteTsv(window, [&](std::string_view text) { out.append(text); });
}

void AppendCsv(const WindowModel& window, std::string& out) {
  AppendTable(window, ',', "\r\n", AppendCsvCell, out);
}

void AppendJsonString(std::string_view text, std::string& out) {
  out.push_back('"');
  for (char c : text) {
    unsigned char u = static_cast<unsigned char>(c);
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
        } else {
          out.push_back(c);
        }
    }
  }
  out.push_back('"');
}

void WriteTsv(const WindowModel& window, const TextSink& write) {
  // Rows are written straight into one buffer, handed on whenever it is nearly full.
  const size_t columns = window.columns.size();
  std::vector<char> buffer(2 * kPieceSize);
  size_t used = 0;
  auto reserve = [&](size_t bound) {
    if (used + bound <= buffer.size()) return;
    write(std::string_view(buffer.data(), used));
    used = 0;
    if (bound > buffer.size()) buffer.resize(bound);
  };
  auto writeLine = [&](const std::string_view* cells, size_t count) {
    size_t bound = columns + 1;
    for (size_t c = 0; c < count; ++c) bound += 2 * cells[c].size();
    reserve(bound);
    char* out = buffer.data() + used;
    for (size_t c = 0; c < columns; ++c) {
      if (c) *out++ = '\t';
      if (c < count) out = WriteTsvCell(out, cells[c]);
    }
    *out++ = '\n';
    used = static_cast<size_t>(out - buffer.data());
  };
  std::vector<std::string_view> cells;
  for (const Column& column : window.columns) cells.push_back(column.header);
  writeLine(cells.data(), cells.size());
  cells.assign(window.rows.ColumnCount(), {});
  const size_t shown = std::min(columns, cells.size());
  for (size_t r = 0; r < window.rows.size(); ++r) {
    window.rows.CellsOf(r, cells.data());
    writeLine(cells.data(), shown);
  }
  if (used) write(std::string_view(buffer.data(), used));
}

void WriteCsv(const WindowModel& window, const TextSink& write) {
  std::string out;
  AppendTable(window, ',', "\r\n", AppendCsvCell, out, &write);
}

namespace {

// What sets a JSON line apart from the JSON object: a leading "path" and no line breaks.
struct JsonShape {
  const std::string_view* path = nullptr;
  const char* rowBreak = "\n";
};

}  // namespace

static void AppendJsonPieces(const WindowModel& window, const std::vector<std::string>& messages,
                             std::string& out, const TextSink* write, JsonShape shape = {});

void AppendJson(const WindowModel& window, const std::vector<std::string>& messages,
                std::string& out) {
  AppendJsonPieces(window, messages, out, nullptr);
}

void WriteJson(const WindowModel& window, const std::vector<std::string>& messages,
               const TextSink& write) {
  std::string out;
  AppendJsonPieces(window, messages, out, &write);
}

void WriteJsonLine(const WindowModel& window, const std::vector<std::string>& messages,
                   std::string_view path, const TextSink& write) {
  std::string out;
  AppendJsonPieces(window, messages, out, &write, JsonShape{&path, ""});
}

static void AppendJsonPieces(const WindowModel& window, const std::vector<std::string>& messages,
                             std::string& out, const TextSink* write, JsonShape shape) {
  out.push_back('{');
  if (shape.path) {
    out.append("\"path\":");
    AppendJsonString(*shape.path, out);
    out.push_back(',');
  }
  out.append("\"caption\":");
  AppendJsonString(window.caption, out);
  out.append(",\"view\":");
  AppendJsonString(window.PressedView(), out);
  out.append(",\"columns\":[");
  for (size_t c = 0; c < window.columns.size(); ++c) {
    if (c) out.push_back(',');
    AppendJsonString(window.columns[c].header, out);
  }
  out.append("],\"rows\":[");
  const size_t columns = window.rows.ColumnCount();
  for (size_t r = 0; r < window.rows.size(); ++r) {
    if (r) out.push_back(',');
    out.append(shape.rowBreak).push_back('[');
    for (size_t c = 0; c < columns; ++c) {
      if (c) out.push_back(',');
      AppendJsonString(window.rows.Cell(r, c), out);
    }
    out.push_back(']');
    FlushIfFull(out, write);
  }
  out.append("],\"labels\":{\"filename\":");
  AppendJsonString(window.lblFilename, out);
  out.append(",\"tracks\":");
  AppendJsonString(window.lblTracks, out);
  out.append(",\"ticks\":");
  AppendJsonString(window.LblTicksPerQtrNote, out);
  out.append(",\"length\":");
  AppendJsonString(window.lblTracklength, out);
  out.append("},\"warning\":");
  AppendJsonString(window.lblWarning, out);
  out.append(",\"status\":");
  AppendJsonString(window.statusText, out);
  out.append(",\"messages\":[");
  for (size_t m = 0; m < messages.size(); ++m) {
    if (m) out.push_back(',');
    AppendJsonString(messages[m], out);
  }
  out.append("]}\n");
  FlushRest(out, write);
}

}  // namespace veltrix
