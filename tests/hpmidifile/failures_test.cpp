#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <random>

#include "hpmidifile/hp_midifile.h"
#include "support/test_support.h"

namespace veltrix {
namespace {

using builder::Bytes;
using builder::SmfBuilder;
using builder::TrackBuilder;

// HP_Load's result for a file holding the bytes; when it loads, saving must work too.
uint32_t LoadBytes(const Bytes& bytes) {
  testing::TempDir folder;
  builder::WriteFile(folder.File("in.mid"), bytes);
  void* handle = HP_Init();
  uint32_t result = HP_Load(handle, folder.File("in.mid").c_str());
  if (result == 0) {
    EXPECT_EQ(HP_Save(handle, folder.File("out.mid").c_str(), 0), 0u);
    void* again = HP_Init();  // what was saved loads again
    EXPECT_EQ(HP_Load(again, folder.File("out.mid").c_str()), 0u);
    HP_Free(again);
  }
  HP_Free(handle);
  return result;
}

Bytes ValidFile() {
  return SmfBuilder(1, 96)
      .Track(TrackBuilder().Tempo(0, 500000).Meta(0, 0x03, "Piano").EndOfTrack())
      .Track(TrackBuilder()
                 .Event(0, {0x90, 0x3C, 0x64})
                 .Event(96, {0x3C, 0x00})
                 .Sysex(0, {0x43, 0x10, 0x4C, 0x00, 0x00, 0x7E, 0x00, 0xF7})
                 .EndOfTrack(10))
      .Build();
}

Bytes Header(uint16_t format, uint16_t tracks) {
  return SmfBuilder(format, 96).TrackCount(tracks).Build();
}

Bytes WithTrack(uint16_t format, const Bytes& body) {
  TrackBuilder track;
  track.Raw(body);
  return SmfBuilder(format, 96).Track(track).Build();
}

struct BadFile {
  const char* name;
  Bytes bytes;
};

class RefusedFile : public ::testing::TestWithParam<BadFile> {};

TEST_P(RefusedFile, LoadFails) {
  EXPECT_GT(LoadBytes(GetParam().bytes), 0u);
}

Bytes Concat(Bytes a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedFile,
    ::testing::Values(
        BadFile{"Empty", {}}, BadFile{"NotMidi", {'R', 'I', 'F', 'F', 0, 0, 0, 4, 'W', 'A'}},
        BadFile{"MtButNoHeader", {'M', 'T', 'x', 'x', 0, 0, 0, 6, 0, 1, 0, 1, 0, 96}},
        BadFile{"ShortHeaderLength", {'M', 'T', 'h', 'd', 0, 0, 0, 4, 0, 1, 0, 1, 0, 96}},
        BadFile{"HeaderLengthPastEnd", {'M', 'T', 'h', 'd', 0xFF, 0, 0, 6, 0, 1, 0, 1, 0, 96}},
        BadFile{"UnknownFormat", WithTrack(3, {0x00, 0xFF, 0x2F, 0x00})},
        BadFile{"NoTrack", Header(1, 0)}, BadFile{"FewerTracksThanDeclared", Header(1, 2)},
        BadFile{"DataByteBeforeStatus", WithTrack(1, {0x00, 0x3C, 0x64, 0x00, 0xFF, 0x2F, 0x00})},
        BadFile{"SystemCommonStatus", WithTrack(1, {0x00, 0xF1, 0x01, 0x00, 0xFF, 0x2F, 0x00})},
        BadFile{"StatusInsideData", WithTrack(1, {0x00, 0x90, 0x3C, 0x80, 0x00, 0xFF, 0x2F, 0x00})},
        BadFile{"FiveByteVarLen", WithTrack(1, {0x81, 0x80, 0x80, 0x80, 0x00, 0xC0, 0x01})},
        BadFile{"EventPastChunkEnd",
                Concat(WithTrack(1, {0x00, 0xFF, 0x01, 0x05, 'a'}), Bytes{'b', 'c', 'd', 'e'})},
        BadFile{"SysexLengthPastEnd", WithTrack(1, {0x00, 0xF0, 0x7F, 0x43})},
        BadFile{"ChannelEventCut", WithTrack(1, {0x00, 0x90, 0x3C})}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RefusedFile, EveryCutOfAValidFileFails) {
  Bytes valid = ValidFile();
  ASSERT_EQ(LoadBytes(valid), 0u);
  for (size_t length = 0; length < valid.size(); ++length)
    EXPECT_GT(LoadBytes(Bytes(valid.begin(), valid.begin() + length)), 0u) << length;
}

TEST(RefusedFile, RandomBytesFail) {
  std::mt19937 random(20240607);
  for (int round = 0; round < 200; ++round) {
    Bytes bytes(random() % 300);
    for (uint8_t& byte : bytes) byte = static_cast<uint8_t>(random());
    EXPECT_GT(LoadBytes(bytes), 0u) << round;
  }
}

// Damaged valid files must never crash or read outside the data (the sanitizer build checks);
// whatever loads must also save, and load again (LoadBytes checks both). A changed byte may
// leave a loadable file (a note number, a delta) or not (a status, a length): both occur.
TEST(RefusedFile, DamagedFilesNeverCrash) {
  std::mt19937 random(77);
  const Bytes valid = ValidFile();
  int loaded = 0;
  for (int round = 0; round < 500; ++round) {
    Bytes bytes = valid;
    for (int flips = 1 + random() % 4; flips > 0; --flips)
      bytes[14 + random() % (bytes.size() - 14)] = static_cast<uint8_t>(random());
    if (LoadBytes(bytes) == 0) ++loaded;
  }
  EXPECT_GT(loaded, 0);
  EXPECT_LT(loaded, 500);
}

TEST(LibraryCalls, SaveWithoutLoadFails) {
  testing::TempDir folder;
  void* handle = HP_Init();
  ASSERT_NE(handle, nullptr);
  EXPECT_GT(HP_Save(handle, folder.File("out.mid").c_str(), 0), 0u);
  EXPECT_FALSE(std::filesystem::exists(folder.File("out.mid")));
  EXPECT_EQ(HP_Free(handle), 0u);
}

TEST(LibraryCalls, FailedLoadLeavesNothingToSave) {
  testing::TempDir folder;
  builder::WriteFile(folder.File("good.mid"), ValidFile());
  builder::WriteFile(folder.File("bad.mid"), Header(1, 2));
  void* handle = HP_Init();
  EXPECT_EQ(HP_Load(handle, folder.File("good.mid").c_str()), 0u);
  EXPECT_GT(HP_Load(handle, folder.File("bad.mid").c_str()), 0u);
  EXPECT_GT(HP_Save(handle, folder.File("out.mid").c_str(), 0), 0u);
  HP_Free(handle);
}

TEST(LibraryCalls, NullArgumentsAreRefused) {
  EXPECT_EQ(HP_Free(nullptr), 0u);
  EXPECT_GT(HP_Load(nullptr, "x.mid"), 0u);
  EXPECT_GT(HP_Save(nullptr, "x.mid", 0), 0u);
  void* handle = HP_Init();
  EXPECT_GT(HP_Load(handle, nullptr), 0u);
  EXPECT_GT(HP_Load(handle, ""), 0u);
  HP_Free(handle);
}

TEST(LibraryCalls, UnreadableAndUnwritablePathsFail) {
  testing::TempDir folder;
  builder::WriteFile(folder.File("good.mid"), ValidFile());
  ASSERT_EQ(mkfifo(folder.File("pipe.mid").c_str(), 0600), 0);
  void* handle = HP_Init();
  EXPECT_GT(HP_Load(handle, folder.File("missing.mid").c_str()), 0u);
  EXPECT_GT(HP_Load(handle, folder.path().c_str()), 0u);
  EXPECT_GT(HP_Load(handle, folder.File("pipe.mid").c_str()), 0u);  // must not wait for a writer
  ASSERT_EQ(HP_Load(handle, folder.File("good.mid").c_str()), 0u);
  EXPECT_GT(HP_Save(handle, folder.File("no/such/folder.mid").c_str(), 0), 0u);
  EXPECT_GT(HP_Save(handle, folder.path().c_str(), 0), 0u);
  EXPECT_GT(HP_Save(handle, folder.File("other-mode.mid").c_str(), 1), 0u);
  EXPECT_EQ(HP_Save(handle, folder.File("out.mid").c_str(), 0), 0u);
  HP_Free(handle);
}

}  // namespace
}  // namespace veltrix
