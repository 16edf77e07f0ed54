#pragma once

#include <QDialog>
#include <functional>

#include "timing/go_to.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace veltrix::app {

class MainWindow;

// The Go To dialog: a choice of Measure, Time or Offset and one field read as the choice
// says. OK hands the entry to the window; when the window refuses it, the reason shows under
// the field, the dialog grows to show all of it and stays open.
class GoToDialog final : public QDialog {
  Q_OBJECT

 public:
  // `go` returns the reason an entry is refused, or an empty text once it has gone there.
  using Go = std::function<QString(GoToPlace::Kind kind, const QString& entry)>;
  GoToDialog(QWidget* parent, GoToPlace::Kind kind, Go go);

  void accept() override;
  GoToPlace::Kind kind() const;

 private:
  void ShowForms();

  Go go_;
  QComboBox* kind_;
  QLabel* forms_;
  QLineEdit* entry_;
  QLabel* reason_;
};

// Adds the time commands to the window: Options > "Time Column" (off at start), Find >
// "Go To..." (Ctrl+G; the dialog opens with the kind of place chosen last), "Next Marker"
// (Ctrl+Down) and "Previous Marker" (Ctrl+Up), which say "No markers in this file" in the
// status bar when there is none, and the song's length in the Data frame while the Time
// column is on.
void AddTimeCommands(MainWindow& window);

}  // namespace veltrix::app
