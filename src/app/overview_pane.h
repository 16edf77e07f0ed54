#pragma once

#include <QString>
#include <optional>

#include "app/dock_panel.h"
#include "overview/file_overview.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace veltrix::app {

// The dock with what the open file holds: a header block (length, tempo, time signature,
// key, format), its channels with voice, notes and range, and for a style its sections, parts
// and one-touch-setting voices. Clicking a marker, a section or a program change selects its
// event in the Midi view. Made anew each time a file is opened, once the dock shows.
class OverviewPane : public DockPanel {
  Q_OBJECT

 public:
  explicit OverviewPane(DockHost& host, QWidget* parent = nullptr);

  // Shows an overview, or nothing.
  void ShowOverview(const std::optional<overview::FileOverview>& overview);
  QTreeWidget* tree() const { return tree_; }
  int ContentWidth() const override;

 protected:
  void FileOpened() override;

 private:
  void SelectEventOf(QTreeWidgetItem* item);

  QTreeWidget* tree_ = nullptr;
};

}  // namespace veltrix::app
