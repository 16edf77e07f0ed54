#include "core/column_layouts.h"

#include <array>
#include <string_view>

namespace veltrix {

namespace {

struct ColumnSpec {
  const char* header;
  int widthTwips;
  Alignment alignment;
  bool number;
};

constexpr auto L = Alignment::Left;
constexpr auto R = Alignment::Right;
constexpr auto C = Alignment::Centre;

constexpr std::array<ColumnSpec, 6> kMidiColumns = {{
    {"ID", 700, L, true},
    {"Delay", 500, R, true},
    {"Measure:Beat:Tick", 1600, C, false},
    {"Ch", 500, C, true},
    {"Type", 1400, C, false},
    {"Command", 7500, L, false},
}};

constexpr std::array<ColumnSpec, 3> kCasmColumns = {{
    {"   ", 700, L, true},
    {"Parameter", 2400, L, false},
    {"Setting", 8000, L, false},
}};

constexpr std::array<ColumnSpec, 5> kOtsColumns = {{
    {"OTS #", 700, L, true},
    {"ID", 700, L, true},
    {"Delay", 500, R, true},
    {"Type", 1400, C, false},
    {"Command", 7500, L, false},
}};

constexpr std::array<ColumnSpec, 5> kMfdColumns = {{
    {"Music", 3000, L, false},
    {"Genre", 1500, C, false},
    {"Tempo", 700, C, false},
    {"Time Sig", 800, C, false},
    {"Keyword 1", 2500, L, false},
}};

template <size_t N>
std::vector<Column> Build(const std::array<ColumnSpec, N>& specs) {
  std::vector<Column> columns;
  for (const ColumnSpec& spec : specs)
    columns.push_back({spec.header, spec.widthTwips, spec.alignment, spec.number ? "NUMBER" : ""});
  return columns;
}

}  // namespace

std::vector<Column> MidiColumns() {
  return Build(kMidiColumns);
}
std::vector<Column> CasmColumns() {
  return Build(kCasmColumns);
}
std::vector<Column> OtsColumns() {
  return Build(kOtsColumns);
}
std::vector<Column> MfdColumns() {
  return Build(kMfdColumns);
}

std::vector<Column> ColumnsOfView(std::string_view key) {
  if (key == "Midi") return MidiColumns();
  if (key == "Casm") return CasmColumns();
  if (key == "Ots") return OtsColumns();
  if (key == "Mfd") return MfdColumns();
  return {};
}

std::optional<size_t> ColumnNamed(const std::vector<Column>& columns, std::string_view header) {
  for (size_t c = 0; c < columns.size(); ++c)
    if (columns[c].header == header) return c;
  return std::nullopt;
}

}  // namespace veltrix
