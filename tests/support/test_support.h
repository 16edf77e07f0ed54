#pragma once

#include <optional>
#include <string>
#include <vector>

#include "builder/smf_builder.h"
#include "core/list_rows.h"
#include "core/error_reporter.h"
#include "core/window_model.h"

namespace veltrix::testing {

// The folder of real files beside the repository, when this clone has it.
std::optional<std::string> RealDataDir();
// The files of a sub-folder of the real data ("midi", "styles"), sorted; empty when absent.
std::vector<std::string> RealFiles(const std::string& subFolder);

// A private temporary folder, removed with everything in it.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// An error reporter that keeps every report.
struct CollectingReporter {
  CollectingReporter();
  ErrorReporter reporter;
  std::vector<ErrorReport> reports;
};

// What the window shows after opening a file and switching to a view.
struct Listing {
  WindowModel window;
  std::vector<std::string> messages;
  std::vector<ErrorReport> reports;
  size_t RowCount() const { return ListRows(window).size(); }
  std::string Cell(size_t row, size_t column) const {
    return std::string(ListRows(window).Cell(row, column));
  }
  // The last column of a row (the Command of the Midi and Ots views).
  std::string Command(size_t row) const { return Cell(row, window.columns.size() - 1); }
  std::vector<std::string> Commands() const;
};

// Writes the bytes to a temporary file named `fileName`, opens it as the Open command does
// and switches to `view` when it is not "Midi".
Listing ListBytes(const builder::Bytes& bytes, const std::string& view = "Midi",
                  Options options = {}, const std::string& fileName = "test.mid");
// Opens a file that exists.
Listing ListFile(const std::string& path, const std::string& view = "Midi", Options options = {});

// A format-0 file of one track holding the given track.
builder::Bytes SingleTrackFile(const builder::TrackBuilder& track, uint16_t division = 480);

// Runs a shell command and gives what it wrote to standard output; `status` is its exit status.
std::string RunCommand(const std::string& command, int& status);

}  // namespace veltrix::testing
