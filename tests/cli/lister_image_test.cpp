#include <gtest/gtest.h>

#include <cstdio>

#include "cli/lister.h"
#include "support/test_support.h"

namespace veltrix {
namespace {

// The lister given the bytes of its FILE writes what it writes after reading them, in the
// streamed Midi listing and in another view, without reading the file.
TEST(Lister, BytesAlreadyReadAreListedAsTheFile) {
  testing::TempDir folder;
  builder::TrackBuilder track;
  track.Meta(0, 0x01, "Intro").Event(0, {0xC0, 5}).Event(10, {0x90, 64, 90}).EndOfTrack(20);
  const builder::Bytes bytes = testing::SingleTrackFile(track);
  for (const char* view : {"Midi", "Ots"}) {
    ListerOptions options;
    options.file = folder.File("tune.mid");
    options.format = "json";
    options.view = view;
    builder::WriteFile(options.file, bytes);
    const ListerResult fromFile = RunLister(options);
    std::remove(options.file.c_str());
    const FileImage image(bytes);
    const ListerResult fromImage = RunLister(options, nullptr, &image);
    EXPECT_EQ(fromImage.exitStatus, 0) << view;
    EXPECT_EQ(fromImage.output, fromFile.output) << view;
    EXPECT_EQ(fromImage.output.find("Intro") != std::string::npos, view == std::string("Midi"));
  }
}

}  // namespace
}  // namespace veltrix
