#pragma once

#include "core/window_model.h"

namespace veltrix {

// After a file was refused or could not be read: the list and the Data labels are emptied so
// nothing of the previous file stays in view, and the Filename label names the refused file.
// The columns stay, so the list keeps its headers.
void ShowRefusedFile(WindowModel& window);

}  // namespace veltrix
