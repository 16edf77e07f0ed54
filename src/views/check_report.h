#pragma once

#include <string>
#include <string_view>

#include "check/finding.h"
#include "views/export_writers.h"

namespace veltrix {

// A file's findings as the lister writes them. Tables: one line per finding with the cells
// path, severity, code, offset, track, tick, measure, message (unknown ones empty), under
// the header line of CheckTableHeader. JSON: one object {"path", "format", "tracks",
// "findings": [...], "counts": {...}} on one line, every unknown member null.
std::string CheckTableHeader(TableFormat format);
std::string CheckTableLines(TableFormat format, std::string_view path,
                            const check::FileCheck& check);
std::string CheckJson(std::string_view path, const check::FileCheck& check);

}  // namespace veltrix
