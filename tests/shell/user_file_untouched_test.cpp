// Opening, converting and listing a file in every view, in the window's road and through the
// lister, never writes the user's file nor leaves anything behind: the file keeps its bytes,
// its modification time and its inode, its folder gains nothing, and the temporary folder
// ($TMPDIR, a fresh one for each test) is empty afterwards.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "builder/style_builder.h"
#include "cli/lister.h"
#include "core/session.h"
#include "shell/open_command.h"
#include "support/test_support.h"
#include "views/select_view.h"

namespace veltrix {
namespace {

namespace fs = std::filesystem;
using builder::Bytes;
using builder::SmfBuilder;
using builder::TrackBuilder;

TrackBuilder NotesOn(uint8_t channel) {
  TrackBuilder track;
  track.Meta(0, 0x03, "Part")
      .Event(0, {static_cast<uint8_t>(0x90 | channel), 0x3C, 0x64})
      .Event(240, {0x3C, 0x00})
      .EndOfTrack();
  return track;
}

Bytes Format0() {
  return testing::SingleTrackFile(NotesOn(0));
}

Bytes Format1() {
  TrackBuilder tempo;
  tempo.Tempo(0, 500000).TimeSignature(0, 4, 2).EndOfTrack();
  return SmfBuilder(1, 480).Track(tempo).Track(NotesOn(0)).Track(NotesOn(1)).Build();
}

Bytes Style() {
  builder::OtsBuilder ots;
  ots.Track(builder::SampleOtsTrack(3));
  return builder::StyleBuilder(builder::SampleStyleTrack())
      .Casm(builder::CasmBuilder().Cseg().Sdec("Main A"))
      .Ots(ots)
      .Raw(Bytes(32, 0))
      .Build();
}

// A format-1 file whose second track claims more bytes than the file has: the conversion
// refuses it.
Bytes DamagedFormat1() {
  Bytes bytes = Format1();
  bytes.resize(bytes.size() - 5);
  return bytes;
}

// A format-0 file cut inside its track: the listing reports it.
Bytes DamagedFormat0() {
  Bytes bytes = Format0();
  bytes.resize(bytes.size() - 6);
  return bytes;
}

struct UserFile {
  const char* name;
  Bytes (*bytes)();
};

const UserFile kUserFiles[] = {
    {"song.mid", Format0},
    {"song1.mid", Format1},
    {"Song.kar", Format1},
    {"SONG.KAR", Format1},
    {"style.sty", Style},
    {"damaged1.mid", DamagedFormat1},
    {"damaged0.mid", DamagedFormat0},
    {"damaged.kar", DamagedFormat1},
};

struct FileState {
  Bytes bytes;
  struct timespec modified {};
  ino_t inode = 0;
};

FileState StateOf(const std::string& path) {
  FileState state;
  std::ifstream in(path, std::ios::binary);
  state.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  struct stat info {};
  if (stat(path.c_str(), &info) == 0) {
    state.modified = info.st_mtim;
    state.inode = info.st_ino;
  }
  return state;
}

std::vector<std::string> EntriesOf(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  return names;
}

class UserFileUntouched : public ::testing::TestWithParam<UserFile> {
 protected:
  void SetUp() override {
    if (const char* old = std::getenv("TMPDIR")) oldTemporary_ = old;
    temporary_ = user_.File("tmp");
    fs::create_directory(temporary_);
    fs::create_directory(user_.File("music"));
    setenv("TMPDIR", temporary_.c_str(), 1);

    path_ = user_.File("music/") + GetParam().name;
    builder::WriteFile(path_, GetParam().bytes());
    // A modification time far in the past, so that any write would show.
    const struct timespec past[2] = {{1000000000, 123456789}, {1000000000, 123456789}};
    ASSERT_EQ(utimensat(AT_FDCWD, path_.c_str(), past, 0), 0);
    before_ = StateOf(path_);
  }
  void TearDown() override {
    if (oldTemporary_)
      setenv("TMPDIR", oldTemporary_->c_str(), 1);
    else
      unsetenv("TMPDIR");
  }

  void ExpectUntouched(const std::string& after) {
    const FileState now = StateOf(path_);
    EXPECT_EQ(now.bytes, before_.bytes) << after;
    EXPECT_EQ(now.modified.tv_sec, before_.modified.tv_sec) << after;
    EXPECT_EQ(now.modified.tv_nsec, before_.modified.tv_nsec) << after;
    EXPECT_EQ(now.inode, before_.inode) << after;
    EXPECT_EQ(EntriesOf(user_.File("music")), std::vector<std::string>{GetParam().name}) << after;
    EXPECT_TRUE(EntriesOf(temporary_).empty()) << after;
  }

  testing::TempDir user_;
  std::string temporary_;
  std::string path_;
  FileState before_;
  std::optional<std::string> oldTemporary_;
};

TEST_P(UserFileUntouched, ByTheOpenCommandAndEveryView) {
  for (bool decode : {true, false}) {
    Session session;
    session.window.options.DecodeSysex = decode;
    OpenFile(session, path_);
    for (const char* view : kViewKeys) SelectView(session, view);
    ExpectUntouched(std::string("after the views, decode ") + (decode ? "on" : "off"));
  }
  Session session;
  OpenCommandLineFile(session, path_);
  ExpectUntouched("after the command-line road");
}

TEST_P(UserFileUntouched, ByTheListerInEveryViewAndFormat) {
  for (const char* view : {"Midi", "Casm", "Ots", "Mfd"}) {
    for (const char* format : {"tsv", "json"}) {
      ListerOptions options;
      options.file = path_;
      options.view = view;
      options.format = format;
      RunLister(options);
      ExpectUntouched(std::string("after the lister's ") + view + " view as " + format);
    }
  }
}

TEST_P(UserFileUntouched, ByTheListerProgram) {
  for (const char* view : {"midi", "casm", "ots", "mfd"}) {
    const std::string command = std::string("'") + VELTRIX_LIST_BINARY + "' --view " + view + " '" +
                                path_ + "' >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status)) << command;
    EXPECT_LE(WEXITSTATUS(status), 1) << command;
    ExpectUntouched(std::string("after veltrix-list --view ") + view);
  }
}

INSTANTIATE_TEST_SUITE_P(Files, UserFileUntouched, ::testing::ValuesIn(kUserFiles),
                         [](const ::testing::TestParamInfo<UserFile>& info) {
                           std::string name;
                           for (const char* c = info.param.name; *c; ++c)
                             name.push_back(std::isalnum(static_cast<unsigned char>(*c)) ? *c
                                                                                         : '_');
                           return name;
                         });

}  // namespace
}  // namespace veltrix
