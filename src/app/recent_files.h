#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QMenu;
class QSettings;

namespace veltrix::app {

class MainWindow;

inline constexpr int kRecentFilesKept = 8;

// The list of recent files, newest first: `path` goes to the front, once, and the list keeps
// at most kRecentFilesKept entries.
QStringList WithRecentFile(QStringList files, const QString& path);

// The message for a recent file that is no longer there.
QString RecentFileGoneMessage(const QString& path);

// Options > Recent Files: the last eight files listed, kept in the settings. Choosing one
// opens it as the Open command does; one that has gone is taken off the list with a message.
class RecentFiles : public QObject {
  Q_OBJECT

 public:
  RecentFiles(MainWindow& window, QSettings& settings,
              std::function<void(const QString& text)> showMessage);

  QStringList files() const;
  QMenu* menu() const { return menu_; }
  // Opens the entry as a user choosing it in the menu.
  void OpenRecent(const QString& path);

 private:
  void NoteListedFile();
  void Store(const QStringList& files);
  void FillMenu();

  MainWindow& window_;
  QSettings& settings_;
  std::function<void(const QString& text)> showMessage_;
  QMenu* menu_ = nullptr;
};

}  // namespace veltrix::app
