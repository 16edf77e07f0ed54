// Runs the four views over one mutated file image, the way a user switches through them after
// opening the file. Any crash, sanitizer report or hang is a finding.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/session.h"
#include "views/select_view.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  veltrix::Session session;
  session.image = veltrix::FileImage(std::vector<uint8_t>(data, data + size));
  session.window.fileName = "fuzz.sty";
  // Both option flags change the walk; let the input's length choose them.
  session.window.options.DecodeSysex = size % 2 == 0;
  session.window.options.MarkRunningStatus = size % 3 == 0;
  for (const char* view : {"Midi", "Casm", "Ots", "Mfd"}) veltrix::SelectView(session, view);
  return 0;
}
