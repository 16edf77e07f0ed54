#include "app/busy_cursor.h"

#include <QApplication>
#include <QCursor>

namespace veltrix::app {

namespace {
int activeBusyCursors = 0;
}

BusyCursor::BusyCursor() {
  QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  ++activeBusyCursors;
}

BusyCursor::~BusyCursor() {
  --activeBusyCursors;
  QApplication::restoreOverrideCursor();
}

BusyCursorPause::BusyCursorPause() {
  for (; paused_ < activeBusyCursors; ++paused_) QApplication::restoreOverrideCursor();
}

BusyCursorPause::~BusyCursorPause() {
  for (; paused_ > 0; --paused_) QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

}  // namespace veltrix::app
