#include "views/select_view.h"

#include "core/column_layouts.h"
#include "core/list_sort.h"
#include "midi/midi_list.h"
#include "style/casm.h"
#include "style/mfd.h"
#include "style/ots.h"
#include "timing/time_column.h"

namespace veltrix {

void SelectView(Session& session, std::string_view key) {
  WindowModel& window = session.window;
  window.viewPressed = {};
  Guarded(session.reporter, "View Bar Action", 0, [&] {
    for (size_t index = 0; index < kViewKeys.size(); ++index) {
      if (key != kViewKeys[index]) continue;
      window.viewPressed[index] = true;
      if (key == "Casm") session.window.CasmRowCounter = 1;
      window.SetColumns(ColumnsOfView(key));
      if (key == "Midi") {
        if (!window.fileName.empty()) ListMidiView(session);
      } else if (key == "Casm") {
        GetCasmInfo(session);
      } else if (key == "Ots") {
        window.FitColumns(true);
        GetOTS(session);
      } else {
        GetMfdData(session);
      }
      if (key != "Midi") AddTimeColumn(session);
      ApplyListSort(window);
      break;
    }
    return 0;
  });
}

}  // namespace veltrix
