#pragma once

#include <string>
#include <utility>
#include <vector>

#include "builder/style_builder.h"
#include "support/test_support.h"

namespace veltrix::style_test {

using builder::Bytes;
using builder::CasmBuilder;
using builder::CtabRecord;
using builder::Ctb2Record;
using builder::FinderBuilder;
using builder::FinderRecord;
using builder::OtsBuilder;
using builder::StyleBuilder;
using builder::TrackBuilder;

// A style file of the sample track and the sections given.
inline Bytes StyleWith(const CasmBuilder& casm) {
  return StyleBuilder(builder::SampleStyleTrack()).Casm(casm).Build();
}
inline Bytes StyleWith(const CasmBuilder& casm, const OtsBuilder& ots) {
  return StyleBuilder(builder::SampleStyleTrack()).Casm(casm).Ots(ots).Build();
}
inline Bytes StyleWith(const CasmBuilder& casm, const OtsBuilder& ots,
                       const FinderBuilder& finder) {
  return StyleBuilder(builder::SampleStyleTrack()).Casm(casm).Ots(ots).Finder(finder).Build();
}

// A CASM section of one CSEG with one Sdec that the tests do not look at.
inline CasmBuilder MinimalCasm() {
  return CasmBuilder().Cseg().Sdec("Main A");
}

inline testing::Listing ListStyle(const Bytes& bytes, const std::string& view,
                                  Options options = {}) {
  return testing::ListBytes(bytes, view, options, "test.sty");
}

// The Parameter and Setting cells of the Casm view, one pair per row.
using CasmRow = std::pair<std::string, std::string>;
inline std::vector<CasmRow> CasmRows(const testing::Listing& listing) {
  std::vector<CasmRow> rows;
  for (size_t row = 0; row < listing.RowCount(); ++row)
    rows.emplace_back(listing.Cell(row, 1), listing.Cell(row, 2));
  return rows;
}

// The settings of the rows whose parameter is `parameter`.
inline std::vector<std::string> SettingsOf(const testing::Listing& listing,
                                           const std::string& parameter) {
  std::vector<std::string> settings;
  for (const auto& [name, setting] : CasmRows(listing))
    if (name == parameter) settings.push_back(setting);
  return settings;
}

inline std::vector<std::string> ColumnOf(const testing::Listing& listing, size_t column) {
  std::vector<std::string> cells;
  for (size_t row = 0; row < listing.RowCount(); ++row) cells.push_back(listing.Cell(row, column));
  return cells;
}

inline std::vector<std::string> Texts(std::initializer_list<const char*> texts) {
  return std::vector<std::string>(texts.begin(), texts.end());
}

}  // namespace veltrix::style_test
