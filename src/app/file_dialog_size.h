#pragma once

class QFileDialog;

namespace veltrix::app {

// Opens a Qt file dialog large enough for its details view to show names, sizes, types and
// dates side by side, within the screen it opens on.
void GiveFileDialogRoom(QFileDialog& dialog);

}  // namespace veltrix::app
