// Runs the four views over one mutated file image, the way a user switches through them after
// opening the file. Any crash, sanitizer report or hang is a finding, and so is a list of the
// wrong shape, a report that names no known routine or work that outgrows the input.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/session.h"
#include "fuzz_checks.h"
#include "views/select_view.h"

using namespace veltrix::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  veltrix::Session session;
  session.image = veltrix::FileImage(std::vector<uint8_t>(data, data + size));
  session.window.fileName = "fuzz.sty";
  // Both option flags change the walk; let the input's length choose them.
  session.window.options.DecodeSysex = size % 2 == 0;
  session.window.options.MarkRunningStatus = size % 3 == 0;
  ReportCheck reports;
  reports.Attach(session.reporter);
  for (const char* view : {"Midi", "Casm", "Ots", "Mfd"}) {
    const size_t before = reports.reports();
    veltrix::SelectView(session, view);
    CheckListWork(view, session.window, reports.reports() - before, size);
  }
  return 0;
}
