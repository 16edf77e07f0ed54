#include "cli/row_pipeline.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "cli/lister.h"
#include "support/test_support.h"

namespace veltrix {
namespace {

// Each row written as its cells joined by '|'.
std::vector<std::string> Collect(const std::function<void(RowPipeline&)>& rows, size_t blockSize) {
  std::vector<std::string> written;
  RowPipeline pipeline(
      [&](const std::string_view* cells, size_t count) {
        std::string row;
        for (size_t c = 0; c < count; ++c) row.append(c ? "|" : "").append(cells[c]);
        written.push_back(row);
      },
      blockSize);
  rows(pipeline);
  pipeline.Finish();
  return written;
}

TEST(RowPipeline, RowsArriveWholeAndInOrderThroughSmallBlocks) {
  const std::string longCell(300, 'x');  // larger than a block
  const std::vector<std::string> written = Collect(
      [&](RowPipeline& pipeline) {
        for (int i = 0; i < 200; ++i) {
          const std::string number = std::to_string(i);
          const std::string_view cells[] = {number, "", "abcdefghi", "ab"};
          pipeline.Row(cells, 4);
        }
        const std::string_view two[] = {"a", "b"};
        pipeline.RowWithPlainCell(two, 2, 0, "p");
        pipeline.RowWithPlainCell(two, 2, 1, "p");
        pipeline.RowWithPlainCell(two, 2, 5, "p");  // beyond the cells: last
        const std::string_view big[] = {longCell};
        pipeline.Row(big, 1);
        pipeline.Row(nullptr, 0);
      },
      64);
  ASSERT_EQ(written.size(), 205u);
  EXPECT_EQ(written[0], "0||abcdefghi|ab");
  EXPECT_EQ(written[199], "199||abcdefghi|ab");
  EXPECT_EQ(written[200], "p|a|b");
  EXPECT_EQ(written[201], "a|p|b");
  EXPECT_EQ(written[202], "a|b|p");
  EXPECT_EQ(written[203], longCell);
  EXPECT_EQ(written[204], "");
}

TEST(RowPipeline, AFailureOfTheWriterIsThrownOnTheCallingThread) {
  int rows = 0;
  RowPipeline pipeline(
      [&](const std::string_view*, size_t) {
        if (++rows == 50) throw std::runtime_error("disk full");
      },
      64);
  const std::string_view cells[] = {"0123456789"};
  EXPECT_THROW(
      {
        for (int i = 0; i < 1000; ++i) pipeline.Row(cells, 1);
        pipeline.Finish();
      },
      std::runtime_error);
  EXPECT_EQ(rows, 50);
}

// The lister's output, whose rows pass through the pipeline's thread, equals the listing kept
// whole and written afterwards, for a file of many events and for the same file cut short in
// the middle of its track.
TEST(RowPipeline, ListerOutputEqualsTheKeptListing) {
  testing::TempDir folder;
  builder::TrackBuilder track;
  for (int i = 0; i < 60000; ++i) track.Event(i % 7, {0x90, static_cast<uint8_t>(i % 128), 64});
  const builder::Bytes whole = testing::SingleTrackFile(track.EndOfTrack());
  const builder::Bytes cut(whole.begin(), whole.begin() + static_cast<long>(whole.size() / 2));
  for (const auto& [name, bytes] : {std::pair{"whole.mid", whole}, std::pair{"cut.mid", cut}}) {
    const std::string path = folder.File(name);
    builder::WriteFile(path, bytes);
    for (const char* format : {"tsv", "json"}) {
      ListerOptions options;
      options.format = format;
      options.file = path;
      const ListerResult streamed = RunLister(options);
      std::string kept;
      const ListerResult keptResult = ListFileWith(
          options, path, [&](const WindowModel& window, const std::vector<std::string>& messages) {
            WriteWindow(format, window, messages,
                        [&](std::string_view text) { kept.append(text); });
          });
      EXPECT_GT(streamed.output.size(), 4 * RowPipeline::kDefaultBlockSize) << name;
      EXPECT_EQ(streamed.output, kept) << name << " " << format;
      EXPECT_EQ(streamed.messages, keptResult.messages) << name << " " << format;
    }
  }
}

}  // namespace
}  // namespace veltrix
