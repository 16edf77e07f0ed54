#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "core/window_model.h"

namespace veltrix {

std::vector<Column> MidiColumns();
std::vector<Column> CasmColumns();
std::vector<Column> OtsColumns();
std::vector<Column> MfdColumns();
// The layout of a view key ("Midi", "Casm", "Ots", "Mfd"); empty for any other key.
std::vector<Column> ColumnsOfView(std::string_view key);

// The index of the column with `header`; nothing when the layout has none.
std::optional<size_t> ColumnNamed(const std::vector<Column>& columns, std::string_view header);

}  // namespace veltrix
