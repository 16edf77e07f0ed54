#include "cli/background_writer.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>

#include "cli/lister.h"
#include "support/test_support.h"

namespace veltrix {
namespace {

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(BackgroundWriter, PiecesOfEverySizeArriveWholeAndInOrder) {
  testing::TempDir folder;
  const std::string path = folder.File("out");
  const int descriptor = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
  ASSERT_GE(descriptor, 0);
  std::string expected;
  {
    BackgroundWriter writer(descriptor, 8);
    // Empty, shorter than the buffer, filling it to the byte, across it, and many times it.
    for (size_t size : {0, 3, 5, 8, 7, 17, 1, 64, 2}) {
      std::string piece;
      for (size_t i = 0; i < size; ++i)
        piece.push_back(static_cast<char>('a' + expected.size() % 26));
      expected += piece;
      writer.Write(piece);
    }
    writer.Finish();
  }
  close(descriptor);
  EXPECT_EQ(ReadAll(path), expected);
}

TEST(BackgroundWriter, AStreamThatFailsDropsTheRestAndFinishes) {
  BackgroundWriter writer(-1, 4);
  writer.Write("more than one buffer");
  writer.Finish();  // returns: nothing is left waiting
}

// The lister's output through a pipe equals the listing made in one piece on one thread, for
// a file of many events and for the same file cut short in the middle of its track.
TEST(BackgroundWriter, ListerOutputEqualsTheListingMadeInProcess) {
  testing::TempDir folder;
  builder::TrackBuilder track;
  for (int i = 0; i < 60000; ++i) track.Event(i % 7, {0x90, static_cast<uint8_t>(i % 128), 64});
  const builder::Bytes whole = testing::SingleTrackFile(track.EndOfTrack());
  const builder::Bytes cut(whole.begin(), whole.begin() + static_cast<long>(whole.size() / 2));
  for (const auto& [name, bytes] : {std::pair{"whole.mid", whole}, std::pair{"cut.mid", cut}}) {
    const std::string path = folder.File(name);
    builder::WriteFile(path, bytes);
    ListerOptions options;
    options.file = path;
    options.inputs = {{path, false}};
    const ListerResult inProcess = RunLister(options);
    int status = -1;
    const std::string piped = testing::RunCommand(
        std::string(VELTRIX_LIST_BINARY) + " '" + path + "' 2>/dev/null", status);
    EXPECT_GT(piped.size(), 2 * BackgroundWriter::kDefaultBufferSize) << name;
    EXPECT_EQ(piped, inProcess.output) << name;
    EXPECT_EQ(status, inProcess.exitStatus) << name;
  }
}

}  // namespace
}  // namespace veltrix
