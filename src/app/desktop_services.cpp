#include "app/desktop_services.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace veltrix::app {

bool SystemDesktop::OpenDocument(const QString& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

std::optional<QString> SystemDesktop::FindProgram(const QString& name) {
  const QString path = QStandardPaths::findExecutable(name);
  if (path.isEmpty()) return std::nullopt;
  return path;
}

bool SystemDesktop::StartProgram(const QString& path) {
  return QProcess::startDetached(path, {});
}

}  // namespace veltrix::app
