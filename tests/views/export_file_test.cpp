#include <gtest/gtest.h>

#include <unistd.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/test_support.h"
#include "core/list_rows.h"
#include "views/export_file.h"

namespace veltrix {
namespace {

using Table = std::vector<std::vector<std::string>>;

// Cells that every format has to carry through: separators, quotes, line breaks, backslashes,
// empty cells and text beyond ASCII.
WindowModel AwkwardWindow() {
  WindowModel window;
  window.fileName = "/nowhere/listed.mid";
  window.viewPressed = {true, false, false, false};
  window.SetColumns({{"ID", 700, Alignment::Left, "NUMBER"},
                     {"Ch", 500, Alignment::Centre, "NUMBER"},
                     {"Command", 7500, Alignment::Left, ""}});
  window.rows.AddRow({"000022", "", "Lyric: tab\there, comma, \"quoted\""});
  window.rows.AddRow({"000030", "1", "line\r\nbreak\nand \\ backslash \\t"});
  window.rows.AddRow({"000035", "16", "Text Event: Grüße ♪"});
  return window;
}

Table Expected(const WindowModel& window) {
  Table table;
  table.emplace_back();
  for (const Column& column : window.columns) table.back().push_back(column.header);
  for (size_t r = 0; r < ListRows(window).size(); ++r) table.push_back(ListRows(window).Row(r));
  return table;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Lines split at LF; cells split at TAB; \t, \r, \n and \\ turned back into their characters.
Table ReadTsv(const std::string& text) {
  Table table;
  std::vector<std::string> row(1);
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\n') {
      table.push_back(std::move(row));
      row.assign(1, {});
    } else if (c == '\t') {
      row.emplace_back();
    } else if (c == '\\' && i + 1 < text.size()) {
      const char e = text[++i];
      row.back().push_back(e == 't' ? '\t' : e == 'r' ? '\r' : e == 'n' ? '\n' : e);
    } else {
      row.back().push_back(c);
    }
  }
  EXPECT_EQ(row, std::vector<std::string>(1)) << "text after the last line end";
  return table;
}

// RFC 4180: records end in CR LF; a quoted field may hold separators, CR LF and "" for ".
Table ReadCsv(const std::string& text) {
  Table table;
  std::vector<std::string> row(1);
  bool quoted = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (quoted) {
      if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
        row.back().push_back('"');
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        row.back().push_back(c);
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      row.emplace_back();
    } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      table.push_back(std::move(row));
      row.assign(1, {});
      ++i;
    } else {
      row.back().push_back(c);
    }
  }
  EXPECT_FALSE(quoted);
  return table;
}

Table ReadJson(const std::string& text) {
  const nlohmann::json object = nlohmann::json::parse(text);
  Table table(1);
  for (const auto& header : object["columns"]) table[0].push_back(header.get<std::string>());
  for (const auto& row : object["rows"]) {
    table.emplace_back();
    for (const auto& cell : row) table.back().push_back(cell.get<std::string>());
  }
  return table;
}

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

struct RoundTrip {
  const char* name;
  ExportFormat format;
  Table (*read)(const std::string&);
};

class ExportRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(ExportRoundTrip, CellsReadBackAsTheyWereAndNothingElseStays) {
  testing::TempDir folder;
  const WindowModel window = AwkwardWindow();
  const std::string path = folder.File(std::string("listing.") + GetParam().name);
  builder::WriteFile(path, {'o', 'l', 'd'});  // an earlier export is replaced whole
  ExportFile(window, {"a message"}, path, GetParam().format);
  EXPECT_EQ(GetParam().read(ReadAll(path)), Expected(window));
  EXPECT_EQ(FolderEntries(folder.path()),
            std::vector<std::string>{"listing." + std::string(GetParam().name)});
  EXPECT_EQ(ExportFormatNamed(GetParam().name), GetParam().format);
}

INSTANTIATE_TEST_SUITE_P(Formats, ExportRoundTrip,
                         ::testing::Values(RoundTrip{"tsv", ExportFormat::Tsv, ReadTsv},
                                           RoundTrip{"csv", ExportFormat::Csv, ReadCsv},
                                           RoundTrip{"json", ExportFormat::Json, ReadJson}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ExportFile, TheListedFileIsNeverWrittenUnderAnyOfItsNames) {
  testing::TempDir folder;
  const std::string listed = folder.File("song.mid");
  const builder::Bytes song = testing::SingleTrackFile(builder::TrackBuilder().EndOfTrack());
  builder::WriteFile(listed, song);
  std::filesystem::create_symlink(listed, folder.File("link.mid"));
  WindowModel window = AwkwardWindow();
  window.fileName = listed;
  const std::string relative =
      std::filesystem::relative(listed, std::filesystem::current_path()).string();
  for (const std::string& target :
       {listed, folder.path() + "/./song.mid", folder.File("link.mid"), relative}) {
    try {
      ExportFile(window, {}, target, ExportFormat::Tsv);
      ADD_FAILURE() << "wrote " << target;
    } catch (const Failure& failure) {
      EXPECT_EQ(failure.number(), kPathFileAccessError) << target;
      EXPECT_NE(failure.description().find("listed file"), std::string::npos);
    }
  }
  EXPECT_EQ(ReadAll(listed), std::string(song.begin(), song.end()));
  EXPECT_EQ(FolderEntries(folder.path()), (std::vector<std::string>{"link.mid", "song.mid"}));
}

TEST(ExportFile, FailuresCarryTheirNumberAndLeaveNothingBehind) {
  testing::TempDir folder;
  std::filesystem::create_directory(folder.File("taken"));
  struct Bad {
    std::string path;
    int number;
  };
  std::vector<Bad> cases = {{folder.File("missing/x.tsv"), kPathNotFound},
                            {folder.File("taken"), kPathFileAccessError},
                            {"", kPathNotFound}};
  if (geteuid() != 0) {
    std::filesystem::create_directory(folder.File("closed"));
    std::filesystem::permissions(folder.File("closed"), std::filesystem::perms::owner_read |
                                                            std::filesystem::perms::owner_exec);
    cases.push_back({folder.File("closed/x.tsv"), kPermissionDenied});
  }
  for (const Bad& bad : cases) {
    try {
      ExportFile(AwkwardWindow(), {}, bad.path, ExportFormat::Csv);
      ADD_FAILURE() << "wrote " << bad.path;
    } catch (const Failure& failure) {
      EXPECT_EQ(failure.number(), bad.number) << bad.path;
    }
  }
  std::vector<std::string> left = FolderEntries(folder.path());
  left.erase(std::remove(left.begin(), left.end(), "closed"), left.end());
  EXPECT_EQ(left, std::vector<std::string>{"taken"});
  EXPECT_TRUE(std::filesystem::is_empty(folder.File("taken")));
}

}  // namespace
}  // namespace veltrix
