#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

#include "app/open_dialog.h"

class QSettings;

namespace veltrix::app {

class MainWindow;

// The user's settings file, ~/.config/Veltrix/Veltrix.conf.
std::unique_ptr<QSettings> UserSettings();

// Keeps what the window's user arranged between runs: the window's size and place, its bars
// and panes (the event detail pane and its size), the column widths the user set in each
// view, and the text encoding. Nothing is restored that was not saved, so a first run starts
// as the window always has; the list's own options (sysex decoding, grid lines, the
// running-status mark) are not kept.
class WindowSettings : public QObject {
  Q_OBJECT

 public:
  WindowSettings(MainWindow& window, QSettings& settings);

  // Puts back what was saved; called before the window is shown and lists anything.
  void Restore();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SaveWindow();
  void SaveColumns();
  void ApplyColumns();

  MainWindow& window_;
  QSettings& settings_;
  bool placing_ = false;  // the program, not the user, is setting the column widths
};

// The Open dialog that starts, while no file is listed, in the folder of the last file
// chosen in it, which it keeps in the settings.
class RememberingOpenDialog final : public OpenDialog {
 public:
  RememberingOpenDialog(std::unique_ptr<OpenDialog> dialog, QSettings& settings);
  std::optional<QString> ChooseFile(QWidget* parent, const QString& currentFile) override;

 private:
  std::unique_ptr<OpenDialog> dialog_;
  QSettings& settings_;
};

}  // namespace veltrix::app
