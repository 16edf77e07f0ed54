#include "app/export_action.h"

#include <QFileDialog>
#include <QFileInfo>

#include "app/file_dialog_size.h"

namespace veltrix::app {

namespace {

struct FormatFilter {
  ExportFormat format;
  const char* filter;
  const char* extension;
};

constexpr FormatFilter kFormatFilters[] = {
    {ExportFormat::Tsv, "Tab-separated text (*.tsv)", "tsv"},
    {ExportFormat::Csv, "Comma-separated values (*.csv)", "csv"},
    {ExportFormat::Json, "JSON (*.json)", "json"},
};

}  // namespace

std::optional<ExportFormat> ExportFormatOfPath(const QString& path) {
  return ExportFormatNamed(QFileInfo(path).suffix().toLower().toStdString());
}

QString SuggestedExportPath(const QString& listedFile) {
  if (listedFile.isEmpty()) return {};
  const QFileInfo info(listedFile);
  return info.dir().filePath(info.completeBaseName() + QStringLiteral(".tsv"));
}

std::optional<ExportChoice> FileExportDialog::ChooseTarget(QWidget* parent,
                                                           const QString& suggested) {
  QStringList filters;
  for (const FormatFilter& entry : kFormatFilters) filters << QString::fromLatin1(entry.filter);
  QFileDialog dialog(parent, QString::fromLatin1(kExportCaption));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilters(filters);
  dialog.selectFile(suggested);
  GiveFileDialogRoom(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  const QString path = dialog.selectedFiles().front();
  const QString selected = dialog.selectedNameFilter();
  if (path.isEmpty()) return std::nullopt;
  // The extension typed wins; else the chosen filter's format, its extension added.
  if (std::optional<ExportFormat> named = ExportFormatOfPath(path))
    return ExportChoice{path, *named};
  for (const FormatFilter& entry : kFormatFilters) {
    if (selected != QString::fromLatin1(entry.filter)) continue;
    return ExportChoice{path + u'.' + QString::fromLatin1(entry.extension), entry.format};
  }
  return ExportChoice{path, ExportFormat::Tsv};
}

}  // namespace veltrix::app
