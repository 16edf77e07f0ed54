#pragma once

#include <QString>
#include <optional>

#include "views/export_file.h"

class QWidget;

namespace veltrix::app {

// Where and how to export the list.
struct ExportChoice {
  QString path;
  ExportFormat format = ExportFormat::Tsv;
};

// Asks where to export the list; nothing when the user cancels. Tests put a stub in its place.
class ExportDialog {
 public:
  virtual ~ExportDialog() = default;
  virtual std::optional<ExportChoice> ChooseTarget(QWidget* parent, const QString& suggested) = 0;
};

// The desktop's save dialog, with one filter per format.
class FileExportDialog final : public ExportDialog {
 public:
  std::optional<ExportChoice> ChooseTarget(QWidget* parent, const QString& suggested) override;
};

// The format a file name's extension names ("tsv", "csv", "json", any case); nothing for others.
std::optional<ExportFormat> ExportFormatOfPath(const QString& path);
// The name offered for an export of `listedFile`: beside it, its extension replaced by ".tsv"
// (so it can never be the listed file); an empty name when nothing is listed.
QString SuggestedExportPath(const QString& listedFile);

inline constexpr const char* kExportCaption = "Export List";
inline constexpr const char* kExportCompleted = "Export completed";

}  // namespace veltrix::app
