#pragma once

// What every fuzz target checks about the program's answer to one input, besides crashes and
// sanitizer reports: the list has the shape its view lays out, every error report names one of
// the program's reporting routines, and the work done stays within a fixed amount per input
// byte, so no input can make the program's work grow faster than the input.

#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/error_reporter.h"
#include "core/window_model.h"

namespace veltrix::fuzz {

// The routine names an error report may carry.
inline constexpr std::string_view kRoutineNames[] = {
    "getMidiList", "GetMidiEvent", "NoteName",         "GetSysex",        "YamahaSequencerInfo",
    "GetOTS",      "Get MFD Data", "Casm View Update", "View Bar Action", "Action Bar Action",
    "SaveFile",    "SearchList"};

[[noreturn]] inline void Fail(const char* format, ...) {
  std::va_list arguments;
  va_start(arguments, format);
  std::fputs("FUZZ CHECK FAILED: ", stderr);
  std::vfprintf(stderr, format, arguments);
  std::fputs("\n", stderr);
  va_end(arguments);
  std::abort();
}

inline bool IsRoutineName(std::string_view name) {
  for (std::string_view known : kRoutineNames)
    if (known == name) return true;
  return false;
}

// Collects the error reports and the plain messages of one input and checks each as it comes.
class ReportCheck {
 public:
  void Attach(ErrorReporter& reporter) {
    reporter.SetSink([this](const ErrorReport& report) {
      if (!IsRoutineName(report.routine))
        Fail("error report from an unknown routine \"%s\"", report.routine.c_str());
      if (report.message.empty() && report.number != 384)
        Fail("error report %d from %s has no message", report.number, report.routine.c_str());
      ++reports_;
    });
  }
  void CountMessage() { ++messages_; }
  size_t reports() const { return reports_; }
  size_t messages() const { return messages_; }

 private:
  size_t reports_ = 0;
  size_t messages_ = 0;
};

// Work allowed for an input of `size` bytes: `perByte` units for each byte, and for 64 more so
// that tiny inputs with a fixed cost (headers, labels) pass.
inline size_t Budget(size_t size, size_t perByte) {
  return perByte * (size + 64);
}

inline void CheckBudget(const char* what, size_t used, size_t size, size_t perByte) {
  if (used > Budget(size, perByte))
    Fail("%s: %zu for an input of %zu bytes, more than %zu per byte", what, used, size, perByte);
}

// The rows' cells as the list shows them: every row has one cell per column of the view.
// Returns the number of bytes in all cells.
inline size_t CheckWindowShape(const WindowModel& window) {
  if (window.rows.ColumnCount() != window.columns.size())
    Fail("rows of %zu cells under %zu columns", window.rows.ColumnCount(), window.columns.size());
  std::vector<std::string_view> cells(window.columns.size());
  size_t bytes = 0;
  for (size_t row = 0; row < window.rows.size(); ++row) {
    window.rows.CellsOf(row, cells.data());
    for (std::string_view cell : cells) bytes += cell.size();
  }
  return bytes;
}

// Rows, reports and output bytes of a list built from an input of `size` bytes, checked against
// the work budget. The constants hold the densest listings of real and built files with room
// to spare; a quadratic walk exceeds them by far on inputs of a few kilobytes.
inline constexpr size_t kRowsPerByte = 8;
inline constexpr size_t kOutputBytesPerByte = 512;

inline void CheckListWork(const char* view, const WindowModel& window, size_t reports,
                          size_t size) {
  const size_t bytes = CheckWindowShape(window);
  std::string what = std::string(view) + " rows and reports";
  CheckBudget(what.c_str(), window.rows.size() + reports, size, kRowsPerByte);
  what = std::string(view) + " output bytes";
  CheckBudget(what.c_str(), bytes, size, kOutputBytesPerByte);
}

}  // namespace veltrix::fuzz
