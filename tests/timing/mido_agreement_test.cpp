#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>

#include "core/session.h"
#include "shell/open_command.h"
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

// The seconds mido gives each tick that holds an event; empty when it cannot read the file.
std::map<int64_t, double> MidoSeconds(const std::string& path) {
  const std::string script =
      (std::filesystem::path(__FILE__).parent_path() / "mido_times.py").string();
  int status = 0;
  const std::string output = testing::RunCommand(
      std::string(kPython) + " '" + script + "' '" + path + "' 2>/dev/null", status);
  std::map<int64_t, double> seconds;
  if (status != 0) return seconds;
  std::istringstream lines(output);
  int64_t tick;
  double at;
  while (lines >> tick >> at) seconds.emplace(tick, at);
  return seconds;
}

TEST(MidoAgreement, EveryEventOfTheRealFilesWithinAMillisecond) {
  if (!MidoPresent()) GTEST_SKIP() << "python3-mido is not installed";
  std::vector<std::string> files = testing::RealFiles("midi");
  for (const std::string& style : testing::RealFiles("styles")) files.push_back(style);
  if (files.empty()) GTEST_SKIP() << "no real files";
  size_t compared = 0;
  for (const std::string& path : files) {
    const std::map<int64_t, double> reference = MidoSeconds(path);
    Session session;
    if (reference.empty() || OpenFile(session, path) != OpenOutcome::Listed) continue;
    // The library reads an SMPTE division as ticks per beat: no reference for it.
    if (!DivisionOfFile(session.image).GivesTime() || DivisionOfFile(session.image).IsSmpte())
      continue;
    const EventTimes times(session.image, session.window.events);
    for (size_t row = 0; row < session.window.events.size(); ++row) {
      const EventRecord& record = *session.window.events.Of(row);
      auto it = reference.find(record.tick);
      if (it == reference.end()) continue;
      ++compared;
      ASSERT_LE(std::abs(static_cast<double>(times.Of(record)) - it->second * 1e6), 1000.0)
          << path << " row " << row << " tick " << record.tick;
    }
  }
  EXPECT_GT(compared, 100000u);
}

}  // namespace
}  // namespace veltrix
