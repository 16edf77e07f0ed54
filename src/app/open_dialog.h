#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QFileDialog;
class QWidget;

namespace veltrix::app {

// The file-open dialog of the Open command; tests put a stub in its place.
class OpenDialog {
 public:
  virtual ~OpenDialog() = default;
  // The chosen file's path, or nothing when the user cancels.
  virtual std::optional<QString> ChooseFile(QWidget* parent, const QString& currentFile) = 0;
};

// A Qt file dialog with the filter below.
class FileOpenDialog final : public OpenDialog {
 public:
  std::optional<QString> ChooseFile(QWidget* parent, const QString& currentFile) override;
};

// The filter's one entry: its description ("Files(" + patterns + ")") and its pattern text,
// the patterns joined by ";".
QString OpenFilterDescription();
QString OpenFilterPatternText();

// Each pattern of the pattern text in a form that matches any letter case ("*.sty" becomes
// "*.[sS][tT][yY]"), blanks trimmed, each once. Keyboards write names like "POPS.STY".
QStringList CaseInsensitivePatterns(const QString& patternText);

// The name filter as the Qt dialog takes it: the description, then the patterns in
// parentheses (with "*.midi" behind "*.mid"); the dialog is told to show only the description.
QString OpenNameFilter();
// The dialog's second choice, every file.
QString AllFilesFilter();

// Filters, file mode, options and size of the Open dialog.
void ConfigureOpenDialog(QFileDialog& dialog);

}  // namespace veltrix::app
