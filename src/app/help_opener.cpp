#include "app/help_opener.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "app/desktop_services.h"
#include "views/about_info.h"

namespace veltrix::app {

QStringList ManualFolders() {
  const QString programFolder = QCoreApplication::applicationDirPath();
  // Beside the program in a build, then in the documentation folder of the installed tree,
  // wherever that tree was moved to.
  QStringList folders{programFolder,
                      QDir::cleanPath(programFolder + QStringLiteral("/../share/doc/veltrix"))};
#ifdef VELTRIX_DOC_DIR
  folders.append(QStringLiteral(VELTRIX_DOC_DIR));
#endif
  folders.append(QStringLiteral("/usr/share/doc/veltrix"));
  folders.removeDuplicates();
  return folders;
}

std::optional<QString> FindManual(const QStringList& folders) {
  for (const QString& folder : folders) {
    const QFileInfo manual(QDir(folder), QString::fromLatin1(kManualFileName));
    if (manual.isFile()) return manual.absoluteFilePath();
  }
  return std::nullopt;
}

bool OpenManual(const QStringList& folders, DesktopServices& desktop) {
  const std::optional<QString> manual = FindManual(folders);
  return manual && desktop.OpenDocument(*manual);
}

}  // namespace veltrix::app
