#include "views/export_writers.h"

#include <cstdio>

namespace veltrix {

namespace {

void AppendTsvCell(std::string_view cell, std::string& out) {
  for (char c : cell) {
    switch (c) {
      case '\t':
        out.append("\\t");
        break;
      case '\r':
        out.append("\\r");
        break;
      case '\n':
        out.append("\\n");
        break;
      case '\\':
        out.append("\\\\");
        break;
      default:
        out.push_back(c);
    }
  }
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

template <class CellWriter>
void AppendTable(const WindowModel& window, char separator, const char* lineEnd,
                 CellWriter writeCell, std::string& out) {
  const size_t columns = window.columns.size();
  for (size_t c = 0; c < columns; ++c) {
    if (c) out.push_back(separator);
    writeCell(window.columns[c].header, out);
  }
  out.append(lineEnd);
  const size_t rows = window.rows.size();
  for (size_t r = 0; r < rows; ++r) {
    for (size_t c = 0; c < columns; ++c) {
      if (c) out.push_back(separator);
      writeCell(window.rows.Cell(r, c), out);
    }
    out.append(lineEnd);
  }
}

}  // namespace

void AppendTsv(const WindowModel& window, std::string& out) {
  AppendTable(window, '\t', "\n", AppendTsvCell, out);
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

void AppendJson(const WindowModel& window, const std::vector<std::string>& messages,
                std::string& out) {
  out.append("{\"caption\":");
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
    out.append(r ? ",\n[" : "\n[");
    for (size_t c = 0; c < columns; ++c) {
      if (c) out.push_back(',');
      AppendJsonString(window.rows.Cell(r, c), out);
    }
    out.push_back(']');
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
}

}  // namespace veltrix
