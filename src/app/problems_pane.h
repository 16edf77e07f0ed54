#pragma once

#include <QString>
#include <optional>

#include "app/dock_panel.h"
#include "check/finding.h"

class QTreeWidget;

namespace veltrix::app {

// The pane beside the list with what is wrong with the open file: one line per finding with
// its severity icon, code, place and message. The title counts them. A double-click asks
// selects the finding's event in the Midi view. It never shows a message box. The file is
// checked as it is on disk each time a file is opened (once the pane shows).
class ProblemsPane : public DockPanel {
  Q_OBJECT

 public:
  explicit ProblemsPane(DockHost& host, QWidget* parent = nullptr);

  // Shows the findings of a file, or nothing when no file could be checked.
  void ShowCheck(std::optional<check::FileCheck> check);
  const std::optional<check::FileCheck>& shownCheck() const { return check_; }
  QTreeWidget* list() const { return list_; }
  // Selects, in the Midi view, the event of the finding at `index`.
  void GoToFinding(int index);
  int ContentWidth() const override;

 protected:
  void FileOpened() override;

 private:
  QTreeWidget* list_ = nullptr;
  std::optional<check::FileCheck> check_;
};

// "Problems", and with a check "Problems: 1 error, 2 warnings, 0 notes".
QString ProblemsTitle(const std::optional<check::FileCheck>& check);

}  // namespace veltrix::app
