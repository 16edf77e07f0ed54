// The sections of the real styles against the markers of their style track as Debian's
// python3-mido (a published MIDI library) reads them: every marker but the format marker starts
// a section, which ends at the next marker or at End of Track.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "overview/file_overview.h"
#include "support/required_data.h"
#include "support/test_support.h"

namespace veltrix {
namespace {

// "T numerator denominator ticks-per-quarter" of the first time signature, "E tick" of End of
// Track, then "M tick text" per marker; exit status 3 when mido cannot read the file.
constexpr const char* kMidoMarkers = R"(import sys
import mido
try:
    song = mido.MidiFile(sys.argv[1], clip=True)
except Exception:
    sys.exit(3)
tick = 0
signature = None
for message in song.tracks[0]:
    tick += message.time
    if message.type == "time_signature" and signature is None:
        signature = (message.numerator, message.denominator)
        print("T", message.numerator, message.denominator, song.ticks_per_beat)
    elif message.type == "marker":
        print("M", tick, message.text)
    elif message.type == "end_of_track":
        print("E", tick)
        break
)";

struct Marker {
  int64_t tick;
  std::string text;
};

struct MidoStyle {
  double ticksPerMeasure = 0;
  int64_t end = -1;
  std::vector<Marker> markers;
};

std::optional<MidoStyle> ReadWithMido(const std::string& script, const std::string& path) {
  int status = 0;
  const std::string output =
      testing::RunCommand("/usr/bin/python3 '" + script + "' '" + path + "' 2>/dev/null", status);
  if (status != 0) return std::nullopt;
  MidoStyle style;
  std::istringstream lines(output);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string kind;
    fields >> kind;
    if (kind == "T") {
      double numerator, denominator, perQuarter;
      fields >> numerator >> denominator >> perQuarter;
      style.ticksPerMeasure = perQuarter * 4 * numerator / denominator;
    } else if (kind == "E") {
      fields >> style.end;
    } else if (kind == "M") {
      Marker marker;
      fields >> marker.tick;
      fields.get();
      std::getline(fields, marker.text);
      style.markers.push_back(marker);
    }
  }
  return style;
}

TEST(MidoSections, SectionLengthsOfTheRealStyles) {
  int status = 0;
  testing::RunCommand("/usr/bin/python3 -c 'import mido' 2>/dev/null", status);
  if (status != 0) VELTRIX_SKIP_WHEN_MISSING("python3-mido is not installed");
  const std::vector<std::string> styles = testing::RealFiles("styles");
  if (styles.empty()) VELTRIX_SKIP_WHEN_MISSING("no real styles in this clone");
  testing::TempDir folder;
  const std::string script = folder.File("mido_markers.py");
  std::ofstream(script) << kMidoMarkers;
  size_t compared = 0;
  for (const std::string& path : styles) {
    const std::optional<MidoStyle> reference = ReadWithMido(script, path);
    const overview::FileOverview found = overview::OverviewOfFile(path);
    if (!reference || reference->end < 0 || !found.style) continue;
    std::vector<Marker> starts;
    for (const Marker& marker : reference->markers)
      if (marker.text != "SFF1" && marker.text != "SFF2") starts.push_back(marker);
    const std::vector<overview::StyleSection>& sections = found.style->sections;
    ASSERT_EQ(sections.size(), starts.size()) << path;
    for (size_t i = 0; i < starts.size(); ++i) {
      const int64_t end = i + 1 < starts.size() ? starts[i + 1].tick : reference->end;
      EXPECT_EQ(sections[i].name, starts[i].text) << path;
      EXPECT_EQ(sections[i].tick, starts[i].tick) << path << " " << starts[i].text;
      EXPECT_EQ(sections[i].ticks, end - starts[i].tick) << path << " " << starts[i].text;
      if (reference->ticksPerMeasure > 0) {
        EXPECT_NEAR(sections[i].bars, (end - starts[i].tick) / reference->ticksPerMeasure, 0.005)
            << path << " " << starts[i].text;
      }
      ++compared;
    }
  }
  EXPECT_GT(compared, 20u);
}

}  // namespace
}  // namespace veltrix
