#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/shown_list.h"

namespace veltrix {

enum class ExportFormat { Tsv, Csv, Json };

// The format named "tsv", "csv" or "json"; nothing for any other name.
std::optional<ExportFormat> ExportFormatNamed(std::string_view name);

// Writes the list as it shows in `format` to the file at `path`, whole or not at all: the
// text goes to a new temporary file beside it, which then replaces `path` in one step. The listed
// file (the window's file name, by name or as the same file) is refused: the program never writes
// a file it lists. Failures are thrown as Failure with the number of the error report:
// 75 for the listed file or a folder, 76 for a missing folder, 70 for no permission, 61 for
// a full disk, 57 for any other write error. Nothing is left behind on failure.
void ExportFile(const ShownList& shown, const std::vector<std::string>& messages,
                const std::string& path, ExportFormat format);

}  // namespace veltrix
