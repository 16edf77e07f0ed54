// The overview's notes per channel over the real files against Debian's python3-mido (a
// published MIDI library) reading the same files with their tracks merged.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <tuple>

#include "check/file_check.h"
#include "core/file_image.h"
#include "overview/file_overview.h"
#include "support/required_data.h"
#include "support/test_support.h"

namespace veltrix {
namespace {

constexpr const char* kPython = "/usr/bin/python3";

// For each channel (1-16) with notes in the merged tracks: the channel, the number of
// note-ons with a velocity above 0 and the lowest and highest such note; exit status 3 when
// mido cannot read the file.
constexpr const char* kMidoNotes = R"(import sys
import mido
try:
    song = mido.MidiFile(sys.argv[1], clip=True)
except Exception:
    sys.exit(3)
if song.type == 2:
    sys.exit(3)
notes = {}
for message in mido.merge_tracks(song.tracks):
    if message.type == "note_on" and message.velocity > 0:
        count, low, high = notes.get(message.channel, (0, 127, 0))
        notes[message.channel] = (count + 1, min(low, message.note), max(high, message.note))
for channel in sorted(notes):
    count, low, high = notes[channel]
    print(channel + 1, count, low, high)
)";

using Notes = std::map<int, std::tuple<int64_t, int, int>>;  // channel: count, lowest, highest

// Nothing when mido cannot read the file.
std::optional<Notes> MidoNotes(const std::string& script, const std::string& path) {
  int status = 0;
  const std::string output = testing::RunCommand(
      std::string(kPython) + " '" + script + "' '" + path + "' 2>/dev/null", status);
  if (status != 0) return std::nullopt;
  Notes notes;
  std::istringstream lines(output);
  int channel, low, high;
  int64_t count;
  while (lines >> channel >> count >> low >> high) notes[channel] = {count, low, high};
  return notes;
}

// The listing, and with it the overview, ends a track at its first End of Track and at a
// time it cannot count (an SMPTE division whose ticks overflow); mido reads on.
bool ListingStopsEarly(const std::string& path) {
  const FileImage file = LoadFileImage(path);
  const check::FileCheck found = check::CheckFile(file.bytes(), path);
  for (const check::Finding& finding : found.findings)
    if (finding.code == "data-after-end-of-track" || finding.code == "smpte-division") return true;
  return false;
}

TEST(MidoNotes, NotesAndRangePerChannelOfTheRealFiles) {
  int status = 0;
  testing::RunCommand(std::string(kPython) + " -c 'import mido' 2>/dev/null", status);
  if (status != 0) VELTRIX_SKIP_WHEN_MISSING("python3-mido is not installed");
  std::vector<std::string> files = testing::RealFiles("midi");
  for (const std::string& style : testing::RealFiles("styles")) files.push_back(style);
  if (files.empty()) VELTRIX_SKIP_WHEN_MISSING("no real files");
  testing::TempDir folder;
  const std::string script = folder.File("mido_notes.py");
  std::ofstream(script) << kMidoNotes;
  size_t compared = 0;
  for (const std::string& path : files) {
    const std::optional<Notes> reference = MidoNotes(script, path);
    const overview::FileOverview found = overview::OverviewOfFile(path);
    if (!reference || !found.readable || ListingStopsEarly(path)) continue;
    Notes ours;
    for (const overview::ChannelUse& use : found.channels)
      if (use.notes > 0) ours[use.channel] = {use.notes, *use.lowest, *use.highest};
    EXPECT_EQ(ours, *reference) << path;
    ++compared;
  }
  EXPECT_GT(compared, 20u);
}

}  // namespace
}  // namespace veltrix
