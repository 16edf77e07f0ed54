#include "app/dock_panel.h"

#include <QAction>
#include <QEvent>
#include <QMainWindow>
#include <QScreen>
#include <QTimer>
#include <algorithm>

namespace veltrix::app {

DockPanel::DockPanel(DockHost& host, const QString& objectName, const QString& title,
                     const QString& menuText, QWidget* parent)
    : QDockWidget(title, parent), host_(host), menuText_(menuText) {
  setObjectName(objectName);
  setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
              QDockWidget::DockWidgetFloatable);
  toggleViewAction()->setText(menuText_);
  connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    if (visible) RunPending();
  });
  // Only a dock the user opens is widened: one the saved state shows keeps the saved sizes.
  connect(toggleViewAction(), &QAction::triggered, this, [this](bool checked) {
    if (checked) OpenWideEnough();
  });
}

void DockPanel::NotifyFileOpened() {
  fileOpenedPending_ = true;
  RunPending();
}

void DockPanel::NotifyListingChanged() {
  listingPending_ = true;
  RunPending();
}

void DockPanel::NotifyCurrentRowChanged() {
  currentRowPending_ = true;
  RunPending();
}

void DockPanel::RunPending() {
  if (isHidden()) return;
  if (fileOpenedPending_) {
    fileOpenedPending_ = false;
    FileOpened();
  }
  if (listingPending_) {
    listingPending_ = false;
    ListingChanged();
  }
  if (currentRowPending_) {
    currentRowPending_ = false;
    CurrentRowChanged();
  }
}

int DockPanel::ContentWidth() const {
  return widget() != nullptr ? widget()->sizeHint().width() : 0;
}

// The list keeps its minimum width, so a dock opened beside it in a window of the designed
// size would get the few pixels left over. Once the layout has placed the dock, a narrower
// one takes the width it needs, from the list where it can and else by widening the window
// (within the screen; a maximized window stays as it is).
void DockPanel::OpenWideEnough() {
  auto* window = qobject_cast<QMainWindow*>(parentWidget());
  if (window == nullptr) return;
  QTimer::singleShot(0, this, [this, window] {
    if (!isVisible() || isFloating()) return;
    const int need = ContentWidth();
    const int shortfall = need - width();
    if (shortfall <= 0) return;
    if (!(window->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
      int wider = window->width() + shortfall;
      if (const QScreen* screen = window->screen())
        wider = std::min(wider, screen->availableGeometry().width());
      window->resize(std::max(wider, window->width()), window->height());
    }
    window->resizeDocks({this}, {need}, Qt::Horizontal);
  });
}

bool DockPanel::event(QEvent* event) {
  const bool handled = QDockWidget::event(event);
  // QDockWidget names its menu entry after the title; the entry keeps its own text.
  if (event->type() == QEvent::WindowTitleChange) toggleViewAction()->setText(menuText_);
  return handled;
}

}  // namespace veltrix::app
