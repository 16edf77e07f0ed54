#pragma once

#include <QObject>

class QSettings;

namespace veltrix::app {

class MainWindow;

// Keeps the filter bar's event choices (kinds, channels, controllers, notes, invert) and the
// columns hidden in each view between runs. The filter's text is not kept: a run starts with
// it empty or as the command line gives it.
class FilterSettings : public QObject {
  Q_OBJECT

 public:
  FilterSettings(MainWindow& window, QSettings& settings);

  // Puts back what was saved; called before the window lists anything.
  void Restore();

 private:
  MainWindow& window_;
  QSettings& settings_;
};

}  // namespace veltrix::app
