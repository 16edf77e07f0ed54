#include <gtest/gtest.h>

#include <cstdio>

#include "cli/lister.h"
#include "core/window_model.h"
#include "support/test_support.h"
#include "views/export_writers.h"

namespace veltrix {
namespace {

TEST(ListerArguments, ParsesEveryOptionAndRefusesUsageErrors) {
  ListerOptions options;
  bool help = false;
  std::string error;
  ASSERT_TRUE(ParseListerArguments({"--view", "casm", "--no-decode-sysex", "--mark-running-status",
                                    "--format", "json", "--codepage", "SHIFT_JIS", "a.sty"},
                                   options, help, error));
  EXPECT_EQ(options.view, "Casm");
  EXPECT_FALSE(options.decodeSysex);
  EXPECT_TRUE(options.markRunningStatus);
  EXPECT_EQ(options.format, "json");
  EXPECT_EQ(options.codePage, "SHIFT_JIS");
  EXPECT_EQ(options.file, "a.sty");

  for (std::vector<std::string> bad :
       std::vector<std::vector<std::string>>{{},
                                             {"--view", "piano", "a"},
                                             {"--format"},
                                             {"--format", "xml", "a"},
                                             {"--bogus", "a"}}) {
    ListerOptions o;
    EXPECT_FALSE(ParseListerArguments(bad, o, help, error)) << bad.size();
    EXPECT_FALSE(error.empty());
  }
  ListerOptions o;
  EXPECT_TRUE(ParseListerArguments({"--help"}, o, help, error));
  EXPECT_TRUE(help);
}

WindowModel SmallWindow() {
  WindowModel window;
  window.SetColumns(
      {{"ID", 700, Alignment::Left, "NUMBER"}, {"Command", 7500, Alignment::Left, ""}});
  window.rows.AddRow({"000022", "tab\there, \"quoted\"\\"});
  window.rows.AddRow({"000030", "line\r\nbreak"});
  return window;
}

TEST(Exports, TsvEscapesCsvQuotesJsonEscapes) {
  WindowModel window = SmallWindow();
  std::string tsv;
  AppendTsv(window, tsv);
  EXPECT_EQ(tsv, "ID\tCommand\n000022\ttab\\there, \"quoted\"\\\\\n000030\tline\\r\\nbreak\n");
  std::string csv;
  AppendCsv(window, csv);
  EXPECT_EQ(csv,
            "ID,Command\r\n000022,\"tab\there, \"\"quoted\"\"\\\"\r\n000030,\"line\r\nbreak\"\r\n");
  std::string json;
  window.caption = "Veltrix   /x.mid";
  window.viewPressed = {true, false, false, false};
  AppendJson(window, {"Bad File"}, json);
  EXPECT_NE(json.find("\"caption\":\"Veltrix   /x.mid\""), std::string::npos);
  EXPECT_NE(json.find("\"view\":\"Midi\""), std::string::npos);
  EXPECT_NE(json.find("[\"000030\",\"line\\r\\nbreak\"]"), std::string::npos);
  EXPECT_NE(json.find("\"labels\":{\"filename\":\"\",\"tracks\":\"\""), std::string::npos);
  EXPECT_NE(json.find("\"messages\":[\"Bad File\"]"), std::string::npos);
  std::string control;
  AppendJsonString(std::string_view("a\0b\x1f", 4), control);
  EXPECT_EQ(control, "\"a\\u0000b\\u001f\"");
}

struct Exit {
  const char* name;
  builder::Bytes bytes;
  int status;
  const char* message;
};

TEST(Lister, ExitStatusAndMessagesFollowTheOpenCommand) {
  testing::TempDir folder;
  auto good = testing::SingleTrackFile(builder::TrackBuilder().Event(0, {0xC0, 1}).EndOfTrack());
  for (const Exit& e : {Exit{"empty.mid", {}, 1, "Bad File"},
                        Exit{"riff.mid",
                             {'R', 'I', 'F', 'F', 0, 0},
                             1,
                             "This file is not based on the midi standard and can not be "
                             "processed."},
                        Exit{"good.mid", good, 0, nullptr}}) {
    std::string path = folder.File(e.name);
    builder::WriteFile(path, e.bytes);
    ListerOptions options;
    options.file = path;
    options.format = "json";
    ListerResult result = RunLister(options);
    EXPECT_EQ(result.exitStatus, e.status) << e.name;
    if (e.message) {
      ASSERT_EQ(result.messages.size(), 1u) << e.name;
      EXPECT_EQ(result.messages[0], e.message);
    } else {
      EXPECT_TRUE(result.messages.empty()) << e.name;
    }
    EXPECT_NE(result.output.find("\"caption\":\"Veltrix   " + path + "\""), std::string::npos);
  }
  ListerOptions missing;
  missing.file = folder.File("nothing-here.mid");
  ListerResult result = RunLister(missing);
  EXPECT_EQ(result.exitStatus, 1);
  ASSERT_EQ(result.messages.size(), 1u);
  EXPECT_EQ(result.messages[0], "This file is Not found.");
}

// veltrix-list writes a Midi listing's rows as they are made; the text must be the one the
// whole window gives, whatever state the file leaves the window in, with the Time column too.
TEST(Lister, StreamedListingEqualsTheWholeWindow) {
  testing::TempDir folder;
  builder::TrackBuilder track;
  track.Meta(0, 0x03, "Tab\there\\").TimeSignature(0, 3, 2).Tempo(0, 400000);
  for (uint8_t n = 0; n < 40; ++n) track.Event(n * 7, {0x90, n, 100}).Event(5, {n, 0});
  track.Sysex(3, {0x43, 0x10, 0x4C, 0x08, 0x00, 0x07, 0x01, 0xF7}).Meta(0, 0x01, "a,\"b\"\r\n");
  builder::Bytes whole = testing::SingleTrackFile(builder::TrackBuilder(track).EndOfTrack());
  builder::Bytes cut(whole.begin(), whole.end() - 30);
  builder::Bytes noEnd = testing::SingleTrackFile(track);
  builder::Bytes longLength = builder::SmfBuilder()
                                  .TrackWithLength(builder::TrackBuilder(track).EndOfTrack(), 9000)
                                  .Build();
  builder::Bytes format1 = builder::SmfBuilder(1)
                               .Track(builder::TrackBuilder().Tempo(0, 500000).EndOfTrack())
                               .Track(builder::TrackBuilder(track).EndOfTrack())
                               .Build();
  builder::Bytes noGrid = testing::SingleTrackFile(builder::TrackBuilder(track).EndOfTrack(), 0);
  const std::pair<const char*, builder::Bytes> files[] = {
      {"whole.mid", whole},     {"cut.mid", cut},
      {"no-end.mid", noEnd},    {"long.mid", longLength},
      {"format1.mid", format1}, {"no-grid.mid", noGrid},
      {"empty.mid", {}},        {"riff.mid", {'R', 'I', 'F', 'F'}}};
  for (const auto& [name, bytes] : files) {
    const std::string path = folder.File(name);
    builder::WriteFile(path, bytes);
    for (const char* format : {"tsv", "csv", "json"}) {
      for (int variant = 0; variant < 3; ++variant) {
        const bool decode = variant != 1;
        ListerOptions options;
        options.file = path;
        options.format = format;
        options.decodeSysex = decode;
        options.markRunningStatus = !decode;
        options.time = variant == 2;
        const ListerResult streamed = RunLister(options);
        std::string expected;
        const ListerResult kept =
            ListFileWith(options, path,
                         [&](const WindowModel& window, const std::vector<std::string>& messages) {
                           WriteWindow(options.format, window, messages,
                                       [&](std::string_view text) { expected.append(text); });
                         });
        EXPECT_EQ(streamed.output, expected) << name << " " << format << " " << variant;
        EXPECT_EQ(streamed.messages, kept.messages) << name << " " << format << " " << variant;
        EXPECT_EQ(streamed.exitStatus, kept.exitStatus) << name << " " << format << " " << variant;
      }
    }
  }
}

TEST(Lister, BinaryPrintsTsvAndReportsUsageErrors) {
  testing::TempDir folder;
  std::string path = folder.File("a.mid");
  builder::WriteFile(
      path, testing::SingleTrackFile(builder::TrackBuilder().Event(0, {0xC0, 1}).EndOfTrack()));
  const auto run = testing::RunCommand;
  int status = -1;
  std::string out = run(std::string(VELTRIX_LIST_BINARY) + " '" + path + "'", status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(out.substr(0, out.find('\n')), "ID\tDelay\tMeasure\tCh\tType\tCommand");
  run(std::string(VELTRIX_LIST_BINARY) + " --format yaml '" + path + "' 2>/dev/null", status);
  EXPECT_EQ(status, 2);
  run(std::string(VELTRIX_LIST_BINARY) + " '" + folder.File("none.mid") + "' 2>/dev/null", status);
  EXPECT_EQ(status, 1);
}

}  // namespace
}  // namespace veltrix
