#pragma once

#include <QDockWidget>
#include <QString>
#include <cstddef>
#include <functional>
#include <optional>

#include "core/session.h"
#include "core/shown_list.h"

class QMainWindow;

namespace veltrix::app {

// What a dock beside the list may see of the window and ask of it. The main window is the
// one host; a dock holds a reference to it and nothing else of the window.
class DockHost {
 public:
  // Names the event a dock wants selected: given the Midi view's listing (its event index
  // `events` has one record per table row, in the list's order), the table row of the event,
  // or nothing when the listing has no row for it.
  using RowOfEvent = std::function<std::optional<size_t>(const WindowModel& midiListing)>;

  virtual ~DockHost() = default;

  // The open file's session: the window model with its event index, the file image listed
  // and the code page of the files' texts.
  virtual Session& session() = 0;
  // The window as the list shows it: only the rows the filter keeps and the columns shown
  // (read with a ListRows), good until the list next changes.
  virtual ShownList ShownWindow() = 0;
  // The table row (an index of session().window.events) of the list's current row.
  virtual std::optional<size_t> CurrentTableRow() const = 0;
  // Lists the Midi view when another view shows, asks `rowOf` for the event's table row and
  // selects that row. An event with no row, or one the filter hides, leaves the selection as
  // it is and says kNoRowForEvent in the status bar.
  virtual void SelectEvent(const RowOfEvent& rowOf) = 0;
  // Puts `text` in the status bar's first panel until a command sets another.
  virtual void ShowStatusText(const QString& text) = 0;
};

inline constexpr const char* kNoRowForEvent = "No row in the list for this event";

// A dock beside the list: a QDockWidget that reaches the window only through its DockHost.
// A new dock derives from it, fills its widget, and overrides the hooks it needs; the window
// creates it, and MainWindow::AddDock puts it in the right dock area (hidden) and its menu
// entry in the Options menu. Whether it shows is kept with the window's state under the
// object name.
//
// The hooks are called while the dock shows; what happens while it is hidden is held back
// and called once, in the order below, when it shows again, so a hidden dock does no work.
class DockPanel : public QDockWidget {
  Q_OBJECT

 public:
  // `objectName` names the dock in the saved window state; `menuText` is the Options menu's
  // entry, which stays as it is when the dock's title changes.
  DockPanel(DockHost& host, const QString& objectName, const QString& title,
            const QString& menuText, QWidget* parent = nullptr);

  // The checkable Options menu entry that shows and hides the dock.
  QAction* menuAction() const { return toggleViewAction(); }
  const QString& menuText() const { return menuText_; }

  // Called by the window; each reaches the hook of the same name, at once or when the dock
  // next shows.
  void NotifyFileOpened();
  void NotifyListingChanged();
  void NotifyCurrentRowChanged();

  // The width the dock opens with: enough for its content. Opening it from the menu widens a
  // narrower dock to it (the window grows when the list has no room to give); a wider one
  // keeps its width.
  virtual int ContentWidth() const;

 protected:
  DockHost& host() const { return host_; }

  // A command opened a file (perhaps the same one again, or one that was refused).
  virtual void FileOpened() {}
  // The list shows other rows: a new listing, another view, a sort or a filter.
  virtual void ListingChanged() {}
  // The list's current row moved.
  virtual void CurrentRowChanged() {}

  bool event(QEvent* event) override;

 private:
  void RunPending();
  void OpenWideEnough();

  DockHost& host_;
  QString menuText_;
  bool fileOpenedPending_ = true;
  bool listingPending_ = true;
  bool currentRowPending_ = true;
};

}  // namespace veltrix::app
