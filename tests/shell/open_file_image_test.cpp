#include <gtest/gtest.h>

#include <cstdio>

#include "shell/open_command.h"
#include "core/list_rows.h"
#include "support/test_support.h"

namespace veltrix {
namespace {

struct Opened {
  OpenOutcome outcome;
  std::string caption;
  std::string fileName;
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> messages;
};

// Opens `path`, or `bytes` named by `path` when they are given.
Opened Open(const std::string& path, const builder::Bytes* bytes) {
  Session session;
  Opened opened;
  session.ConnectMessages([&](const std::string& text) { opened.messages.push_back(text); });
  opened.outcome =
      bytes ? OpenFileImage(session, path, FileImage(*bytes)) : OpenFile(session, path);
  opened.caption = session.window.caption;
  opened.fileName = session.window.fileName;
  for (size_t row = 0; row < ListRows(session.window).size(); ++row)
    opened.rows.push_back(ListRows(session.window).Row(row));
  return opened;
}

// Bytes already read take the Open command's road from the checks on: the window ends as it
// does after opening a file that holds them, and no file is read.
TEST(OpenFileImage, EndsAsOpeningAFileOfTheSameBytes) {
  testing::TempDir folder;
  const std::string path = folder.File("song.mid");
  builder::TrackBuilder track;
  track.Meta(0, 0x03, "Piano").Event(0, {0x90, 60, 100}).Event(96, {0x80, 60, 0}).EndOfTrack();
  const builder::Bytes song = testing::SingleTrackFile(track);
  for (const builder::Bytes& bytes : {song, builder::Bytes{}, builder::Bytes{'R', 'I', 'F', 'F'},
                                      builder::Bytes{'M', 'T', 'h', 'd', 0, 0}}) {
    builder::WriteFile(path, bytes);
    const Opened fromFile = Open(path, nullptr);
    std::remove(path.c_str());
    const Opened fromImage = Open(path, &bytes);
    EXPECT_EQ(fromImage.outcome, fromFile.outcome) << bytes.size();
    EXPECT_EQ(fromImage.caption, "Veltrix   " + path);
    EXPECT_EQ(fromImage.fileName, path);
    EXPECT_EQ(fromImage.rows, fromFile.rows) << bytes.size();
    EXPECT_EQ(fromImage.messages, fromFile.messages) << bytes.size();
  }
  EXPECT_EQ(Open(path, &song).outcome, OpenOutcome::Listed);
}

}  // namespace
}  // namespace veltrix
