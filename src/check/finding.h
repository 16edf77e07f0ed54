#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltrix::check {

// How much a finding matters to whoever plays or edits the file.
enum class Severity : uint8_t {
  Error,    // data is lost or misread
  Warning,  // readers disagree, or the file breaks a rule most of them tolerate
  Note,     // unusual but legal
};
std::string_view SeverityName(Severity severity);

// One thing wrong with a file, and where. Unknown places are -1 (measure: empty).
struct Finding {
  Severity severity = Severity::Note;
  std::string_view code;  // stable, kebab-case: one of the codes of the checks
  std::string message;    // plain English with the numbers in it
  int64_t offset = -1;    // byte offset in the file as it is on disk
  int track = -1;         // MIDI track, counted from 1 in file order
  int64_t tick = -1;      // absolute tick within that track
  std::string measure;    // Measure:Beat:Tick, from the time signatures
};

// A finding with its offset; track, tick and measure unknown.
Finding MakeFinding(Severity severity, std::string_view code, std::string message,
                    int64_t offset = -1);

struct FileCheck {
  std::optional<int> format;  // the header's format, when there is a header
  std::optional<int> tracks;  // the MTrk chunks found
  std::vector<Finding> findings;
  // Findings by severity: error, warning, note.
  std::array<size_t, 3> Counts() const;
};

}  // namespace veltrix::check
