#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "midi/midi_list.h"
#include "support/required_data.h"
#include "support/test_support.h"

namespace veltrix {
namespace {

using builder::Bytes;
using builder::TrackBuilder;
using testing::SingleTrackFile;

void AppendLine(std::string& out, const std::string_view* cells, size_t count) {
  for (size_t cell = 0; cell < count; ++cell) out.append(cells[cell]).append(cell + 1 < count ? "\t" : "\n");
}

class BlockLines final : public RowBlockWriter {
 public:
  explicit BlockLines(std::string& out) : out_(out) {}
  void Row(const std::string_view* cells, size_t count, const EventRecord&) override {
    AppendLine(out_, cells, count);
  }
  void Flush() override {}

 private:
  std::string& out_;
};

// The rows as lines of cells, made in one piece (one thread) or in blocks of `blockRows` rows
// on two threads whatever the track's length.
class Lines final : public RowSink {
 public:
  Lines(unsigned threads, int64_t blockRows) : threads_(threads), blockRows_(blockRows) {}
  void BeginRows(const WindowModel&) override {}
  void Row(const std::string_view* cells, size_t count, const EventRecord&) override {
    AppendLine(text, cells, count);
  }
  RowBlocks Blocks() const override { return {threads_, blockRows_, 0}; }
  std::unique_ptr<RowBlockWriter> BlockWriter(std::string& out) override {
    return std::make_unique<BlockLines>(out);
  }
  void WriteBlock(std::string_view block) override {
    text.append(block);
    ++blocks;
  }

  std::string text;
  int blocks = 0;

 private:
  unsigned threads_;
  int64_t blockRows_;
};

struct Listing {
  std::string text;
  std::string warning;
  int32_t end = 0;
  std::vector<std::string> reports;
  int blocks = 0;
};

Listing List(const Bytes& file, unsigned threads, int64_t blockRows, bool decodeSysex) {
  Listing listing;
  Session session;
  session.image = FileImage(file);
  session.window.fileName = "test.mid";
  session.window.options.DecodeSysex = decodeSysex;
  session.window.options.MarkRunningStatus = !decodeSysex;
  session.ConnectMessages([&](const std::string& text) { listing.reports.push_back(text); });
  Lines lines(threads, blockRows);
  getMidiList(session, lines);
  listing.text = std::move(lines.text);
  listing.blocks = lines.blocks;
  listing.warning = session.window.lblWarning;
  listing.end = session.ReadPos;
  return listing;
}

// A listing made in blocks on two threads is the listing made in one piece: its rows, where
// the walk ended, the warning and the reports, also when the walk fails on the way.
void ExpectSameInBlocks(const Bytes& file, const std::string& name,
                        const std::vector<int64_t>& blockSizes) {
  for (const bool decode : {true, false}) {
    const Listing whole = List(file, 1, 3, decode);
    for (const int64_t blockRows : blockSizes) {
      const Listing blocks = List(file, 2, blockRows, decode);
      EXPECT_EQ(blocks.text, whole.text) << name << " in blocks of " << blockRows;
      EXPECT_EQ(blocks.end, whole.end) << name;
      EXPECT_EQ(blocks.warning, whole.warning) << name;
      EXPECT_EQ(blocks.reports, whole.reports) << name;
    }
  }
}

TEST(BlockWalk, BuiltSongsListAsInOnePiece) {
  TrackBuilder song = TrackBuilder().TimeSignature(0, 3, 3).Tempo(0, 500000);
  for (int i = 0; i < 40; ++i) {
    song.Event(10, {0x90, static_cast<uint8_t>(40 + i), 0x64});
    song.Event(5, {static_cast<uint8_t>(40 + i), 0x00});  // running status
    if (i % 7 == 0) song.Sysex(3, {0x43, 0x10, 0x4C, 0x02, 0x01, 0x00, 0x01, 0xF7});
    if (i == 20) song.TimeSignature(0, 5, 2);
  }
  song.EndOfTrack();
  const Bytes file = SingleTrackFile(song);
  EXPECT_GT(List(file, 2, 3, true).blocks, 10);  // the blocks were made on the threads
  ExpectSameInBlocks(file, "built song", {1, 3, 50});

  Bytes cut = file;  // the walk runs off the end inside an event
  cut.resize(cut.size() - 9);
  ExpectSameInBlocks(cut, "cut song", {1, 3, 50});
  Bytes wrongLength = file;  // the track's length says less than it holds
  wrongLength[21] = static_cast<uint8_t>(wrongLength[21] - 40);
  ExpectSameInBlocks(wrongLength, "short length", {1, 3, 50});
}

TEST(BlockWalk, RealFilesListAsInOnePiece) {
  std::vector<std::string> files = testing::RealFiles("midi");
  std::vector<std::string> styles = testing::RealFiles("styles");
  files.insert(files.end(), styles.begin(), styles.end());
  if (files.empty()) VELTRIX_SKIP_WHEN_MISSING("no real files in this clone");
  for (const std::string& path : files) {
    Bytes bytes;
    try {
      const FileImage image = LoadFileImage(path);
      bytes.assign(image.bytes().begin(), image.bytes().end());
    } catch (const std::exception&) {
      continue;  // an empty file has no walk
    }
    if (bytes.size() < 22) continue;
    ExpectSameInBlocks(bytes, path, {97});  // blocks that start at every kind of event
  }
}

}  // namespace
}  // namespace veltrix
