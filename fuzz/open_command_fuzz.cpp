// The roads of a file the user opens: the Open command on the file (loading, the checks, the
// format-0 conversion of a file that is not format 0, the Midi listing) followed by every view
// the view bar offers; the lister's JSON rendering of one view; and the lister's streamed
// listing against the whole window's. Each input takes one of the three, chosen by its length
// like the options, so every road meets every kind of file while an input costs one opening
// instead of five. Besides crashes, hangs and leaks it fails an input when a list has the
// wrong shape, a report names no known routine, the work outgrows the input, the JSON does not
// parse, the streamed listing differs from the whole window's, the user's file changes or a
// temporary file stays behind. One input in four is listed with the Time column.
// The Midi listing's events are read as the filter reads them.
// Most inputs are opened from memory, as if already read, which spares a file's writing,
// reading and removal. An input that is not format 0 is written to a file, since the
// conversion reads the file itself, and so is one input in eight, so that loading from a path
// and the user-file-unchanged check keep their share.

#include <cstddef>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>

#include "cli/lister.h"
#include "core/session.h"
#include "fuzz_checks.h"
#include "fuzz_files.h"
#include "midi/smf_layout.h"
#include "shell/open_command.h"
#include "views/event_filter.h"
#include "views/export_writers.h"
#include "views/select_view.h"

using namespace veltrix;
using namespace veltrix::fuzz;

namespace {

// The input's length chooses the options, the code page and the file name's extension, so
// that every choice meets every kind of file.
struct Choices {
  explicit Choices(size_t size)
      : decodeSysex(size % 2 == 0),
        markRunningStatus(size % 3 == 0),
        codePage(size % 7 == 0 ? "SHIFT_JIS" : "WINDOWS-1252"),
        fileName(size % 5 == 0 ? "input.kar" : "input.mid"),
        listerView(kViewKeys[(size / 2) % kViewKeys.size()]),
        timeColumn(size % 4 == 1),
        road((size / 13) % 3),
        fromPath((size / 17) % 8 == 0),
        backToMidi((size / 5) % 4 == 0) {}
  bool decodeSysex;
  bool markRunningStatus;
  std::string codePage;
  std::string fileName;
  std::string listerView;
  bool timeColumn;
  size_t road;      // 0 the Open command and the views, 1 the JSON listing, 2 streamed and whole
  bool fromPath;    // read from the file although it needs no conversion
  bool backToMidi;  // the Midi view chosen again after the other views
};

// The file the roads open: its path, and its bytes when they are taken from memory.
struct Input {
  std::string path;
  const FileImage* image;  // null when the file is read from `path`
};

void OpenAndSwitchViews(const Input& input, const Choices& choices, size_t size) {
  // The code pages are made once for the run: a copy of one is a table copy, where making
  // one anew opens a converter each time.
  static const CodePage kShiftJis("SHIFT_JIS");
  static const CodePage kWindows1252("WINDOWS-1252");
  Session session;
  session.codePage = choices.codePage == "SHIFT_JIS" ? kShiftJis : kWindows1252;
  session.window.options.DecodeSysex = choices.decodeSysex;
  session.window.options.MarkRunningStatus = choices.markRunningStatus;
  session.window.options.TimeColumn = choices.timeColumn;
  ReportCheck reports;
  reports.Attach(session.reporter);
  session.messageSink = [&](const std::string&) { reports.CountMessage(); };

  const OpenOutcome outcome = input.image != nullptr
                                  ? OpenFileImage(session, input.path, *input.image)
                                  : OpenFile(session, input.path);
  CheckListWork("Open", session.window, reports.reports() + reports.messages(), size);
  if (outcome != OpenOutcome::Listed) {
    if (!session.window.rows.empty()) Fail("a refused file left rows in the list");
    return;
  }
  // The filter's event choices read every listed event's bytes through its record.
  for (size_t row = 0; row < session.window.events.size(); ++row) {
    const EventFacts facts = FactsOf(*session.window.events.Of(row), session.image.bytes());
    if (facts.channel < 0 || facts.channel > 16 || facts.note > 127 || facts.controller > 127)
      Fail("row %zu has the event facts of no event", row);
  }
  // The Midi listing after the other views repeats the opening's for the most part: one
  // input in four takes it.
  static constexpr const char* kViews[] = {"Casm", "Ots", "Mfd", "Midi"};
  const size_t views = choices.backToMidi ? 4 : 3;
  for (size_t index = 0; index < views; ++index) {
    const char* view = kViews[index];
    const size_t before = reports.reports();
    SelectView(session, view);
    if (session.window.PressedView() != view) Fail("view %s is not the pressed one", view);
    CheckListWork(view, session.window, reports.reports() - before, size);
  }
}

void ListAsJson(const Input& input, const Choices& choices, size_t size) {
  ListerOptions options;
  options.file = input.path;
  options.format = "json";
  options.view = choices.listerView;
  options.time = choices.timeColumn;
  options.decodeSysex = choices.decodeSysex;
  options.markRunningStatus = choices.markRunningStatus;
  options.codePage = choices.codePage;
  const ListerResult result = RunLister(options, nullptr, input.image);
  if (result.exitStatus != 0 && result.exitStatus != 1)
    Fail("lister exit status %d", result.exitStatus);
  // JSON escapes a control character as six bytes.
  CheckBudget("JSON bytes", result.output.size(), size, 6 * kOutputBytesPerByte);
  // Validated without building the document, which would cost more than the listing.
  if (!nlohmann::json::accept(result.output)) Fail("the lister's JSON is malformed");
}

// veltrix-list writes the rows of a Midi listing as they are made; the text must equal the
// rendering of the whole window afterwards.
void CompareStreamedWithWhole(const Input& input, const Choices& choices, size_t size) {
  static constexpr const char* kFormats[] = {"tsv", "csv", "json"};
  ListerOptions options;
  options.file = input.path;
  options.format = kFormats[(size / 3) % 3];
  options.decodeSysex = choices.decodeSysex;
  options.markRunningStatus = choices.markRunningStatus;
  options.codePage = choices.codePage;
  options.time = choices.timeColumn;
  const ListerResult streamed = RunLister(options, nullptr, input.image);
  std::string whole;
  ListFileWith(
      options, input.path,
      [&](const WindowModel& window, const std::vector<std::string>& messages) {
        WriteWindow(options.format, window, messages,
                    [&](std::string_view text) { whole.append(text); });
      },
      nullptr, input.image);
  if (streamed.output != whole)
    Fail("the streamed %s listing differs from the whole window's", options.format.c_str());
}

}  // namespace

// ASan keeps 256 MB of freed memory from reuse by default, so each allocation lands on memory
// last touched long ago: a third of every run went to page faults and cache misses. One input
// of up to 8 KiB frees less than 2 MB, so 16 MB still catches a use after free within an input
// several times over. ASAN_OPTIONS given at the start overrides this.
extern "C" const char* __asan_default_options() {
  return "quarantine_size_mb=16";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const FuzzFolder& folder = FuzzFolder::Get();
  const Choices choices(size);
  // A format field whose low byte is not 0 has the file converted.
  constexpr size_t kFormatLowByte = kFormatOffset + 1;
  const bool converted = size > kFormatLowByte && data[kFormatLowByte] != 0;
  const FileImage image(std::vector<uint8_t>(data, data + size));
  const Input input{folder.Input(choices.fileName),
                    converted || choices.fromPath ? nullptr : &image};
  if (input.image == nullptr) WriteBytes(input.path, data, size);

  if (choices.road == 0) {
    OpenAndSwitchViews(input, choices, size);
  } else if (choices.road == 1) {
    ListAsJson(input, choices, size);
  } else {
    CompareStreamedWithWhole(input, choices, size);
  }
  // Only a file on disk is converted through a temporary copy.
  if (input.image == nullptr) {
    folder.CheckNoLeftovers();
    CheckUnchanged(input.path, data, size);
    std::remove(input.path.c_str());
  }
  return 0;
}
