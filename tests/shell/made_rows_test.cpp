#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/ascii_case.h"
#include "core/list_rows.h"
#include "core/list_sort.h"
#include "shell/open_command.h"
#include "support/test_support.h"

namespace veltrix {
namespace {

// Rows as the lister gets them: every text made by the walk itself, as it goes.
struct WalkedRows : RowSink {
  std::vector<std::vector<std::string>> rows;
  void BeginRows(const WindowModel&) override {}
  void Row(const std::string_view* cells, size_t count, const EventRecord&) override {
    rows.emplace_back(cells, cells + count);
  }
};

struct Listed {
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> messages;
  std::string warning;
  std::string length;
};

// Opens the file into a window (rows made when shown) or into a sink (rows made by the walk).
Listed Open(const std::string& path, const Options& options, const std::string& codePage,
            bool intoWindow, ListSort sort = {}) {
  Session session;
  session.window.options = options;
  session.window.sort = sort;
  if (!codePage.empty()) session.codePage = CodePage(codePage);
  Listed listed;
  session.ConnectMessages([&](const std::string& text) { listed.messages.push_back(text); });
  WalkedRows walked;
  OpenFile(session, path, intoWindow ? nullptr : &walked);
  listed.rows = std::move(walked.rows);
  if (intoWindow) {
    const ListRows rows(session.window);
    for (size_t row = 0; row < rows.size(); ++row) listed.rows.push_back(rows.Row(row));
  }
  listed.warning = session.window.lblWarning;
  listed.length = session.window.lblLength;
  return listed;
}

struct OptionSet {
  const char* name;
  Options options;
  const char* codePage;
};

// Every real file, damaged ones included, under the options that change a row's texts: the
// rows the window makes when they are shown are the rows the walk makes, and the reports,
// warnings and length label come the same.
TEST(MadeRows, EqualTheWalksRowsForEveryRealFile) {
  const std::optional<std::string> data = testing::RealDataDir();
  if (!data) GTEST_SKIP() << "no real files";
  Options noSysex, marked, universal, timed;
  noSysex.DecodeSysex = false;
  marked.MarkRunningStatus = true;
  universal.DecodeUniversal = true;
  timed.TimeColumn = true;
  const OptionSet sets[] = {{"default", {}, ""},
                            {"no sysex", noSysex, ""},
                            {"running status, SHIFT_JIS", marked, "SHIFT_JIS"},
                            {"universal", universal, ""},
                            {"time", timed, ""}};
  size_t rowsCompared = 0;
  for (const char* folder : {"midi", "styles"})
    for (const std::string& path : testing::RealFiles(folder))
      for (const OptionSet& set : sets) {
        const Listed window = Open(path, set.options, set.codePage, true);
        const Listed walk = Open(path, set.options, set.codePage, false);
        ASSERT_EQ(window.rows.size(), walk.rows.size()) << path << " " << set.name;
        for (size_t row = 0; row < walk.rows.size(); ++row)
          ASSERT_EQ(window.rows[row], walk.rows[row]) << path << " " << set.name << " row " << row;
        EXPECT_EQ(window.messages, walk.messages) << path << " " << set.name;
        EXPECT_EQ(window.warning, walk.warning) << path << " " << set.name;
        if (set.options.TimeColumn) {
          EXPECT_EQ(window.length, walk.length) << path;
        }
        rowsCompared += walk.rows.size();
      }
  EXPECT_GT(rowsCompared, 10000u);
}

// The texts whose making reports a fault are made by the walk that fills the window too, so a
// window gets the reports a listing of every text gets, in the same order.
TEST(MadeRows, ReportTheFaultsOfTextsAsTheWalkDoes) {
  testing::TempDir folder;
  const std::string path = folder.File("faults.mid");
  builder::TrackBuilder track;
  track.Sysex(0, {0x43, 0x7E, 0x02, 0x38, 0x00, 0x7F, 0x7F, 0xF7})  // a chord root beyond the names
      .Sysex(0, {0x43, 0x7E, 0x02, 0x38, 0x00, 0x7F, 0x7F, 0xF7})  // reported again
      .Event(0, {0x90, 0x3C, 0x40})
      .Event(0, {0x90, 0x3C});  // cut by the end of the file
  builder::WriteFile(path, builder::SmfBuilder(0, 480).TrackWithLength(track, 100).Build());
  const Listed window = Open(path, {}, "", true);
  const Listed walk = Open(path, {}, "", false);
  EXPECT_EQ(window.rows, walk.rows);
  EXPECT_EQ(window.messages, walk.messages);
  auto reported = [&](const std::string& routine) {
    return std::count_if(walk.messages.begin(), walk.messages.end(), [&](const std::string& text) {
      return text.find("Function " + routine + ".") != std::string::npos;
    });
  };
  EXPECT_EQ(reported("GetSysex"), 2);
  EXPECT_EQ(reported("GetMidiEvent"), 1);
}

// A window sorted by Command holds the walk's rows in the order of their commands, letter
// case ignored, rows of one command in the walk's order (their IDs rising).
TEST(MadeRows, SortedByCommandHoldTheWalksRowsInCommandOrder) {
  const std::optional<std::string> data = testing::RealDataDir();
  if (!data) GTEST_SKIP() << "no real files";
  const std::vector<std::string> files = testing::RealFiles("midi");
  ASSERT_FALSE(files.empty());
  for (const std::string& path : {files.front(), files.back()}) {
    const Listed sorted = Open(path, {}, "", true, ListSort{0, 5, true});
    Listed walk = Open(path, {}, "", false);
    auto lower = [](std::string text) {
      for (char& c : text) c = static_cast<char>(kAsciiLower[static_cast<unsigned char>(c)]);
      return text;
    };
    for (size_t row = 1; row < sorted.rows.size(); ++row) {
      const std::string before = lower(sorted.rows[row - 1][5]);
      const std::string here = lower(sorted.rows[row][5]);
      ASSERT_LE(before, here) << path << " row " << row;
      if (before == here) {
        ASSERT_LT(sorted.rows[row - 1][0], sorted.rows[row][0]) << path;
      }
    }
    std::vector<std::vector<std::string>> rows = sorted.rows;
    std::sort(rows.begin(), rows.end());
    std::sort(walk.rows.begin(), walk.rows.end());
    EXPECT_EQ(rows, walk.rows) << path;
  }
}

}  // namespace
}  // namespace veltrix
