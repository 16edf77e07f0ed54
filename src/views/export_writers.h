#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/window_model.h"

namespace veltrix {

// The view as text: a header line and a line per row. TSV cells escape TAB, CR, LF and
// backslash as \t, \r, \n, \\; CSV follows RFC 4180 (CR LF line ends, quoted when needed).
void AppendTsv(const WindowModel& window, std::string& out);
void AppendCsv(const WindowModel& window, std::string& out);

// The same texts handed to `write` in pieces of about a megabyte, so a million-row view is
// never held twice in memory.
using TextSink = std::function<void(std::string_view)>;
void WriteTsv(const WindowModel& window, const TextSink& write);
void WriteCsv(const WindowModel& window, const TextSink& write);
void WriteJson(const WindowModel& window, const std::vector<std::string>& messages,
               const TextSink& write);

// The object of WriteJson on one line, with "path" as its first member: one line of a JSON
// Lines stream, ended by LF.
void WriteJsonLine(const WindowModel& window, const std::vector<std::string>& messages,
                   std::string_view path, const TextSink& write);

// The whole window as one JSON object: caption, view, columns, rows, labels, warning,
// status and the texts of the message boxes shown.
void AppendJson(const WindowModel& window, const std::vector<std::string>& messages,
                std::string& out);

// A JSON string literal of UTF-8 text.
void AppendJsonString(std::string_view text, std::string& out);

}  // namespace veltrix
