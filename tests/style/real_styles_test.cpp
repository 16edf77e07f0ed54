#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>

#include "style_fixtures.h"
#include "support/required_data.h"

namespace veltrix::style_test {
namespace {

// An independent look at the sections of a style file, straight from its bytes.
struct Sections {
  std::vector<std::string> sdecNames;
  int otsTracks = -1;  // -1: no OTS section behind the CASM data
  int finderRecords = -1;
};

uint32_t Read32(const Bytes& bytes, size_t at) {
  return (uint32_t{bytes[at]} << 24) | (uint32_t{bytes[at + 1]} << 16) |
         (uint32_t{bytes[at + 2]} << 8) | bytes[at + 3];
}

bool TagAt(const Bytes& bytes, size_t at, std::string_view tag) {
  return at + tag.size() <= bytes.size() &&
         std::equal(tag.begin(), tag.end(), bytes.begin() + static_cast<ptrdiff_t>(at));
}

Sections ReadSections(const Bytes& bytes) {
  Sections sections;
  const size_t casm = 22 + Read32(bytes, 18);
  if (!TagAt(bytes, casm, "CASM")) return sections;
  const size_t casmEnd = casm + 8 + Read32(bytes, casm + 4);
  for (size_t at = casm; at + 8 <= casmEnd; ++at)
    if (TagAt(bytes, at, "Sdec")) {
      const uint32_t length = Read32(bytes, at + 4);
      sections.sdecNames.emplace_back(bytes.begin() + static_cast<ptrdiff_t>(at + 8),
                                      bytes.begin() + static_cast<ptrdiff_t>(at + 8 + length));
      at += 7 + length;
    }
  if (!TagAt(bytes, casmEnd, "OTS")) return sections;
  const size_t otsEnd = casmEnd + 8 + Read32(bytes, casmEnd + 4);
  sections.otsTracks = 0;
  for (size_t at = casmEnd + 8; TagAt(bytes, at, "MTrk") && at < otsEnd;
       at += 8 + Read32(bytes, at + 4))
    ++sections.otsTracks;
  for (size_t at = otsEnd; at + 4 <= bytes.size(); ++at)
    if (TagAt(bytes, at, "FNR")) {
      sections.finderRecords = 0;
      for (size_t record = at + 8; record + 4 <= bytes.size(); ++record)
        if (TagAt(bytes, record, "FNRP")) ++sections.finderRecords;
      break;
    }
  return sections;
}

Bytes ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string NameOf(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

TEST(RealStyles, ViewsAgreeWithAnIndependentLookAtTheBytes) {
  const auto files = testing::RealFiles("styles");
  if (files.empty()) VELTRIX_SKIP_WHEN_MISSING("no real style files in this clone");
  for (const std::string& path : files) {
    SCOPED_TRACE(NameOf(path));
    const Sections expected = ReadSections(ReadBytes(path));

    auto casm = testing::ListFile(path, "Casm");
    EXPECT_EQ(SettingsOf(casm, "Style Section(s)"), expected.sdecNames);
    EXPECT_TRUE(casm.messages.empty());

    auto ots = testing::ListFile(path, "Ots");
    std::set<std::string> numbers;
    for (const std::string& number : ColumnOf(ots, 0)) numbers.insert(number);
    EXPECT_EQ(static_cast<int>(numbers.size()), std::max(expected.otsTracks, 0));
    EXPECT_TRUE(ots.reports.empty());
    for (size_t row = 0; row < ots.RowCount(); ++row) ASSERT_NE(ots.Command(row), "End of Track");

    auto mfd = testing::ListFile(path, "Mfd");
    EXPECT_EQ(static_cast<int>(mfd.RowCount()), std::max(expected.finderRecords, 0));
    EXPECT_TRUE(mfd.messages.empty());
  }
}

// What the collection's notes record of some of the files.
TEST(RealStyles, KnownCountsOfTheCollection) {
  struct Known {
    int sections, otsTracks, finderRecords;
  };
  const std::map<std::string, Known> known = {
      {"Cool8Beat.S737.sst", {2, 4, 13}},      {"RockShuffle.S547.bcs", {5, 4, 16}},
      {"6-8ModernBallad.S560.prs", {6, 4, 6}}, {"JazzWaltzFast.S499.sty", {3, 4, 7}},
      {"BluesRock.S524.sst", {3, 4, 1}},       {"8Beat.T160.STY", {15, 4, 0}},
      {"UnchainMyHeart.sty", {2, 0, 0}},       {"DiscoLatin1.sty", {7, 0, 0}}};
  int checked = 0;
  for (const std::string& path : testing::RealFiles("styles")) {
    auto it = known.find(NameOf(path));
    if (it == known.end()) continue;
    SCOPED_TRACE(it->first);
    ++checked;
    EXPECT_EQ(SettingsOf(testing::ListFile(path, "Casm"), "Style Section(s)").size(),
              static_cast<size_t>(it->second.sections));
    std::set<std::string> numbers;
    for (const std::string& number : ColumnOf(testing::ListFile(path, "Ots"), 0))
      numbers.insert(number);
    EXPECT_EQ(numbers.size(), static_cast<size_t>(it->second.otsTracks));
    EXPECT_EQ(testing::ListFile(path, "Mfd").RowCount(),
              static_cast<size_t>(it->second.finderRecords));
  }
  if (checked == 0) VELTRIX_SKIP_WHEN_MISSING("none of the known style files is in this clone");
}

TEST(RealStyles, SixEightRecordsShowTheirTimeSignature) {
  for (const std::string& path : testing::RealFiles("styles")) {
    if (NameOf(path) != "6-8ModernBallad.S560.prs") continue;
    auto mfd = testing::ListFile(path, "Mfd");
    ASSERT_GT(mfd.RowCount(), 0u);
    for (const std::string& signature : ColumnOf(mfd, 3)) EXPECT_EQ(signature, " 6/ 8");
    return;
  }
  VELTRIX_SKIP_WHEN_MISSING("6-8ModernBallad.S560.prs is not in this clone");
}

TEST(RealMidiFiles, EveryViewListsWithoutStyleSections) {
  const auto files = testing::RealFiles("midi");
  if (files.empty()) VELTRIX_SKIP_WHEN_MISSING("no real MIDI files in this clone");
  for (const std::string& path : files) {
    SCOPED_TRACE(NameOf(path));
    for (const char* view : {"Casm", "Ots", "Mfd"}) {
      auto listing = testing::ListFile(path, view);
      EXPECT_EQ(listing.RowCount(), 0u) << view;
      for (const ErrorReport& report : listing.reports)
        EXPECT_EQ(report.routine, "getMidiList") << view;
    }
  }
}

}  // namespace
}  // namespace veltrix::style_test
