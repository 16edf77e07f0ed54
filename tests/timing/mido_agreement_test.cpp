#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "core/session.h"
#include "shell/open_command.h"
#include "support/required_data.h"
#include "support/test_support.h"
#include "timing/event_times.h"

namespace veltrix {
namespace {

// Debian's python3-mido (a published MIDI library) as the independent reference. The
// library's own interpreter is used, whatever python3 comes first on the path.
constexpr const char* kPython = "/usr/bin/python3";

bool MidoPresent() {
  int status = 0;
  testing::RunCommand(std::string(kPython) + " -c 'import mido' 2>/dev/null", status);
  return status == 0;
}

struct Reference {
  bool read = false;                               // false when mido cannot read the file
  std::vector<std::pair<int64_t, double>> events;  // tick and seconds, in mido's merged order
};

Reference MidoReading(const std::string& path) {
  const std::string script = std::string(VELTRIX_TESTS_DIR) + "/timing/mido_times.py";
  int status = 0;
  const std::string output = testing::RunCommand(
      std::string(kPython) + " '" + script + "' '" + path + "' 2>/dev/null", status);
  Reference reference;
  reference.read = status == 0;
  std::istringstream lines(output);
  int64_t tick;
  double at;
  while (lines >> tick >> at) reference.events.emplace_back(tick, at);
  return reference;
}

// Files on which the two readings differ for a known reason, each checked to still differ.
// mido refuses a file with a data byte before any status, a status byte F1-FE, a track
// running past the end of the file or a chunk other than MTrk where a track should be.
const std::map<std::string, std::string> kKnownDifferences = {
    {"IsLove.mid", "mido refuses it"},
    {"MIDIBadTrackLength.mid", "mido refuses it"},
    {"test-corrupt-file-missing-byte.mid", "mido refuses it"},
    {"test-illegal-message-all.mid", "mido refuses it"},
    {"test-non-midi-track.mid", "mido refuses it"},
    {"test-not-a-midi-file.mid", "mido refuses it"},
    {"test-running-status-sysex.mid", "mido refuses it"},
    // Its SMPTE division is refused here; mido reads the division as ticks per beat.
    {"MIDIBadHeaderSMTPE.mid", "no rows here"},
    // The track's length field runs far past its End of Track, where the walk stops; mido
    // reads on to the field's end.
    {"MORRISSETTE.You_oughta_know_K.mid", "rows after End of Track"},
};

// Per file: as many rows as mido gives events, the same ticks, and every row's clock time
// within a millisecond of mido's.
TEST(MidoAgreement, EveryFileHasMidosRowsTicksAndTimes) {
  if (!MidoPresent()) VELTRIX_SKIP_WHEN_MISSING("python3-mido is not installed");
  std::vector<std::string> files = testing::RealFiles("midi");
  for (const std::string& style : testing::RealFiles("styles")) files.push_back(style);
  if (files.empty()) VELTRIX_SKIP_WHEN_MISSING("no real files");
  size_t agreeing = 0;
  for (const std::string& path : files) {
    SCOPED_TRACE(path);
    const Reference reference = MidoReading(path);
    Session session;
    OpenFile(session, path);
    const EventIndex& index = session.window.events;
    std::vector<int64_t> ticks, midoTicks;
    for (size_t row = 0; row < index.size(); ++row) ticks.push_back(index.Of(row)->tick);
    for (const auto& [tick, seconds] : reference.events) midoTicks.push_back(tick);
    std::sort(ticks.begin(), ticks.end());
    std::sort(midoTicks.begin(), midoTicks.end());
    const bool same = reference.read && ticks == midoTicks;
    const std::string name = std::filesystem::path(path).filename().string();
    if (kKnownDifferences.count(name)) {
      EXPECT_FALSE(same) << "agrees now: take it off the list";
      continue;
    }
    ASSERT_TRUE(reference.read);
    ASSERT_EQ(index.size(), reference.events.size());
    ASSERT_EQ(ticks, midoTicks);
    ++agreeing;
    const std::map<int64_t, double> secondsAt(reference.events.begin(), reference.events.end());
    const EventTimes times(session.image, index);
    for (size_t row = 0; row < index.size(); ++row) {
      const EventRecord record = *index.Of(row);
      ASSERT_LE(std::abs(static_cast<double>(times.Of(record)) - secondsAt.at(record.tick) * 1e6),
                1000.0)
          << "row " << row << " tick " << record.tick;
    }
  }
  EXPECT_EQ(agreeing + kKnownDifferences.size(), files.size());
}

}  // namespace
}  // namespace veltrix
