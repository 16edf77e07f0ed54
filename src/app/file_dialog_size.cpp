#include "app/file_dialog_size.h"

#include <QFileDialog>
#include <QScreen>
#include <algorithm>

namespace veltrix::app {

namespace {

// Room for the side bar and the four columns of the details view at the usual font sizes.
constexpr int kWidth = 960;
constexpr int kHeight = 600;

}  // namespace

void GiveFileDialogRoom(QFileDialog& dialog) {
  QSize size(kWidth, kHeight);
  if (const QScreen* screen = dialog.screen()) {
    const QSize room = screen->availableSize() * 9 / 10;
    size = size.boundedTo(room);
  }
  dialog.resize(size.expandedTo(dialog.minimumSizeHint()));
}

}  // namespace veltrix::app
