#include "shell/refused_file.h"

#include "core/number_text.h"

namespace veltrix {

void ShowRefusedFile(WindowModel& window) {
  window.SetColumns(window.columns);
  window.lblFilename = FileNamePart(window.fileName);
  window.lblTracks.clear();
  window.LblTicksPerQtrNote.clear();
  window.lblTracklength.clear();
  window.lblWarning.clear();
  window.lblLength.clear();
  window.songMicroseconds.reset();
}

}  // namespace veltrix
