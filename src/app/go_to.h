#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;

namespace veltrix::app {

class MainWindow;

// The Go To dialog: one field for a measure, a time or a file offset. OK hands the entry to
// the window; when the window refuses it, the reason shows under the field and the dialog
// stays open.
class GoToDialog final : public QDialog {
  Q_OBJECT

 public:
  // `go` returns the reason an entry is refused, or an empty text once it has gone there.
  GoToDialog(QWidget* parent, std::function<QString(const QString&)> go);

  void accept() override;

 private:
  std::function<QString(const QString&)> go_;
  QLineEdit* entry_;
  QLabel* reason_;
};

// Adds the time commands to the window: Options > "Time Column" (off at start), Find >
// "Go To..." (Ctrl+G), "Next Marker" (Ctrl+Down) and "Previous Marker" (Ctrl+Up), and the
// song's length in the Data frame while the Time column is on.
void AddTimeCommands(MainWindow& window);

}  // namespace veltrix::app
