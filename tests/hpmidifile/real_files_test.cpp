#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "hpmidifile/hp_midifile.h"
#include "support/required_data.h"
#include "support/test_support.h"

namespace veltrix {
namespace {

using builder::Bytes;

// An event as a reader of the file sees it: where it lies in time, its status byte and the
// bytes after it (a meta event's type first).
struct Event {
  uint64_t tick;
  size_t track;
  uint8_t status;
  Bytes data;
  bool operator==(const Event& other) const {
    return tick == other.tick && status == other.status && data == other.data;
  }
};

struct ReadFile {
  uint16_t format = 0;
  uint16_t division = 0;
  size_t tracks = 0;
  size_t runningStatusEvents = 0;
  uint64_t endTick = 0;  // the latest End of Track
  std::vector<Event> events;
};

// A plain reader of its own, independent of the library's, for checking the conversion. It
// throws on what the format does not allow, so files it refuses are not compared.
class Reader {
 public:
  explicit Reader(const Bytes& bytes) : bytes_(bytes) {}

  ReadFile Read() {
    ReadFile file;
    Expect("MThd");
    uint64_t headerLength = Number(4);
    size_t headerEnd = pos_ + headerLength;
    file.format = static_cast<uint16_t>(Number(2));
    uint64_t declaredTracks = Number(2);
    file.division = static_cast<uint16_t>(Number(2));
    pos_ = headerEnd;
    // The song is the tracks the header declares (all chunks when it declares none).
    const uint64_t wanted = declaredTracks == 0 ? UINT64_MAX : declaredTracks;
    while (pos_ + 8 <= bytes_.size() && file.tracks < wanted) {
      bool track = Tag() == "MTrk";
      pos_ += 4;
      uint64_t length = Number(4);
      size_t end = pos_ + length;
      if (end > bytes_.size()) throw std::out_of_range("chunk past the end");
      if (track) ReadTrack(file, end);
      pos_ = end;
    }
    if (file.tracks == 0 || file.tracks < declaredTracks) throw std::runtime_error("tracks");
    return file;
  }

 private:
  uint8_t Next() {
    if (pos_ >= end_) throw std::out_of_range("past the end");
    return bytes_[pos_++];
  }
  uint64_t Number(int count) {
    uint64_t value = 0;
    while (count-- > 0) value = value * 256 + Next();
    return value;
  }
  uint64_t VarLen() {
    uint64_t value = 0;
    for (int count = 1;; ++count) {
      uint8_t byte = Next();
      value = value * 128 + (byte & 0x7F);
      if (byte < 0x80) return value;
      if (count == 4) throw std::runtime_error("variable-length quantity too long");
    }
  }
  std::string Tag() const {
    if (pos_ + 4 > bytes_.size()) return {};
    return std::string(bytes_.begin() + pos_, bytes_.begin() + pos_ + 4);
  }
  void Expect(const char* tag) {
    if (Tag() != tag) throw std::runtime_error("expected " + std::string(tag));
    pos_ += 4;
  }
  Bytes Take(uint64_t count) {
    if (pos_ + count > end_) throw std::out_of_range("event past the end");
    Bytes data(bytes_.begin() + pos_, bytes_.begin() + pos_ + count);
    pos_ += count;
    return data;
  }

  void ReadTrack(ReadFile& file, size_t end) {
    end_ = end;
    size_t track = file.tracks++;
    uint64_t tick = 0;
    uint8_t running = 0;
    while (pos_ < end) {
      tick += VarLen();
      uint8_t status = Next();
      if (status < 0x80) {
        --pos_;
        status = running;
        ++file.runningStatusEvents;
        if (status == 0) throw std::runtime_error("no running status");
      }
      Event event{tick, track, status, {}};
      if (status == 0xFF) {
        uint8_t type = Next();
        event.data = Take(VarLen());
        if (type == 0x2F) break;
        event.data.insert(event.data.begin(), type);
      } else if (status == 0xF0 || status == 0xF7) {
        event.data = Take(VarLen());
      } else if (status < 0xF0) {
        running = status;
        event.data = Take((status >> 4) == 0xC || (status >> 4) == 0xD ? 1 : 2);
        for (uint8_t byte : event.data)
          if (byte >= 0x80) throw std::runtime_error("status byte inside data");
      } else {
        throw std::runtime_error("system common or real-time status");
      }
      file.events.push_back(std::move(event));
    }
    file.endTick = std::max(file.endTick, tick);
    end_ = bytes_.size();
  }

  const Bytes& bytes_;
  size_t pos_ = 0;
  size_t end_ = bytes_.size();  // the end of the chunk being read
};

Bytes ReadBytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(RealFiles, FormatOneFilesConvertToTheirMergedTracks) {
  std::vector<std::string> files = testing::RealFiles("midi");
  if (files.empty()) VELTRIX_SKIP_WHEN_MISSING("no real MIDI files in this clone");
  int converted = 0;
  for (const std::string& path : files) {
    Bytes source = ReadBytes(path);
    if (source.size() < 14 || source[0] != 'M' || source[1] != 'T' || source[9] != 1) continue;
    SCOPED_TRACE(path);
    ReadFile original;
    try {
      original = Reader(source).Read();
    } catch (const std::exception&) {
      continue;  // a damaged file has no merged stream to compare with
    }
    std::stable_sort(original.events.begin(), original.events.end(),
                     [](const Event& a, const Event& b) { return a.tick < b.tick; });

    testing::TempDir folder;
    void* handle = HP_Init();
    ASSERT_EQ(HP_Load(handle, path.c_str()), 0u);
    ASSERT_EQ(HP_Save(handle, folder.File("out.mid").c_str(), 0), 0u);
    HP_Free(handle);
    ReadFile result = Reader(ReadBytes(folder.File("out.mid"))).Read();

    EXPECT_EQ(result.format, 0);
    EXPECT_EQ(result.tracks, 1u);
    EXPECT_EQ(result.division, original.division);
    EXPECT_EQ(result.runningStatusEvents, 0u);
    EXPECT_EQ(result.endTick, original.endTick);
    ASSERT_EQ(result.events.size(), original.events.size());
    for (size_t i = 0; i < result.events.size(); ++i)
      ASSERT_EQ(result.events[i], original.events[i]) << "event " << i;
    ++converted;
  }
  EXPECT_GT(converted, 0);
}

}  // namespace
}  // namespace veltrix
