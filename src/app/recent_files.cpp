#include "app/recent_files.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "app/main_window.h"
#include "app/row_table_model.h"

namespace veltrix::app {

namespace {
constexpr const char* kRecentKey = "recentFiles";
}

QStringList WithRecentFile(QStringList files, const QString& path) {
  files.removeAll(path);
  files.prepend(path);
  while (files.size() > kRecentFilesKept) files.removeLast();
  return files;
}

QString RecentFileGoneMessage(const QString& path) {
  return QStringLiteral("The file %1 is no longer there. It is taken off the Recent Files list.")
      .arg(path);
}

RecentFiles::RecentFiles(MainWindow& window, QSettings& settings,
                         std::function<void(const QString& text)> showMessage)
    : QObject(&window), window_(window), settings_(settings), showMessage_(std::move(showMessage)) {
  auto* options = window_.findChild<QMenu*>(QStringLiteral("mnuOptions"));
  menu_ = options->addMenu(QStringLiteral("Recent Files"));
  menu_->setObjectName(QStringLiteral("mnuRecentFiles"));
  FillMenu();
  connect(window_.tableModel(), &QAbstractItemModel::modelReset, this,
          &RecentFiles::NoteListedFile);
}

QStringList RecentFiles::files() const {
  return settings_.value(QString::fromLatin1(kRecentKey)).toStringList();
}

void RecentFiles::OpenRecent(const QString& path) {
  if (!QFileInfo(path).isFile()) {
    QStringList kept = files();
    kept.removeAll(path);
    Store(kept);
    showMessage_(RecentFileGoneMessage(path));
    return;
  }
  window_.OpenDroppedFile(path);
}

// A file counts as listed once the list shows it: it was read, it is a MIDI file and it was
// not refused.
void RecentFiles::NoteListedFile() {
  const Session& session = window_.session();
  const std::string& name = session.window.fileName;
  if (name.empty() || window_.showsRefusedFile() || session.image.FileLength() < 2 ||
      session.image.at(0) != 'M' || session.image.at(1) != 'T')
    return;
  const QString path =
      QFileInfo(QFile::decodeName(QByteArray::fromStdString(name))).absoluteFilePath();
  const QStringList current = files();
  if (current.value(0) != path) Store(WithRecentFile(current, path));
}

void RecentFiles::Store(const QStringList& files) {
  settings_.setValue(QString::fromLatin1(kRecentKey), files);
  FillMenu();
}

void RecentFiles::FillMenu() {
  // The entries go later, as the one chosen may be the one whose signal runs this.
  for (QAction* old : menu_->actions()) {
    menu_->removeAction(old);
    old->deleteLater();
  }
  const QStringList list = files();
  int number = 0;
  for (const QString& path : list) {
    ++number;
    QString caption = path;
    caption.replace(u'&', QStringLiteral("&&"));
    QAction* action = menu_->addAction(QStringLiteral("&%1 %2").arg(number).arg(caption));
    action->setObjectName(QStringLiteral("mnuRecentFile%1").arg(number));
    action->setData(path);
    connect(action, &QAction::triggered, this, [this, path] { OpenRecent(path); });
  }
  menu_->setEnabled(!list.isEmpty());
}

}  // namespace veltrix::app
