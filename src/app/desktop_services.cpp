#include "app/desktop_services.h"

#include <QDesktopServices>
#include <QMimeDatabase>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace veltrix::app {

namespace {

constexpr int kQueryMs = 5000;

}  // namespace

bool HasViewerFor(const QString& path) {
  const QString query = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
  if (query.isEmpty()) return true;
  const QString type = QMimeDatabase().mimeTypeForFile(path).name();
  QProcess process;
  process.start(query, {QStringLiteral("query"), QStringLiteral("default"), type});
  if (!process.waitForFinished(kQueryMs) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0)
    return true;
  return !process.readAllStandardOutput().trimmed().isEmpty();
}

bool SystemDesktop::OpenDocument(const QString& path) {
  if (!HasViewerFor(path)) return false;
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
