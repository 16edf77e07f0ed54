#pragma once

#include <QDockWidget>
#include <QString>
#include <optional>

#include "check/finding.h"

class QTreeWidget;

namespace veltrix::app {

// The pane beside the list with what is wrong with the open file: one line per finding with
// its severity icon, code, place and message. The title counts them. A double-click asks
// for the finding's event in the list. It never shows a message box.
class ProblemsPane : public QDockWidget {
  Q_OBJECT

 public:
  explicit ProblemsPane(QWidget* parent = nullptr);

  // Shows the findings of a file, or nothing when no file could be checked.
  void ShowCheck(std::optional<check::FileCheck> check);
  const std::optional<check::FileCheck>& shownCheck() const { return check_; }
  QTreeWidget* list() const { return list_; }

 signals:
  // The finding at `index` of the shown check was double-clicked.
  void findingActivated(int index);

 private:
  QTreeWidget* list_ = nullptr;
  std::optional<check::FileCheck> check_;
};

// "Problems", and with a check "Problems: 1 error, 2 warnings, 0 notes".
QString ProblemsTitle(const std::optional<check::FileCheck>& check);

}  // namespace veltrix::app
