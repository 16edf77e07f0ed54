#include "app/open_dialog.h"

#include <QFileDialog>
#include <QFileInfo>

#include "app/file_dialog_size.h"

namespace veltrix::app {

namespace {

// The two halves of the filter's pattern text; the second ends in one blank.
constexpr const char* kPatternsA =
    "*.mid;*.sty;*.pcs;*.bcs;*.sst;*.prs;*.pst;*.kar;*.wav;*.mp3;*.pad;*.fps;";
constexpr const char* kPatternsB =
    "*.vce;*.VCE;*.mgv;*.liv;*.sar;*.clv;*.swv;*.org;*.drm;*.ldr;*.sfx;*.lsf ";

QString AnyCase(const QString& pattern) {
  QString result;
  for (QChar c : pattern) {
    QChar lower = c.toLower();
    QChar upper = c.toUpper();
    if (lower == upper) {
      result.append(c);
    } else {
      result.append(u'[').append(lower).append(upper).append(u']');
    }
  }
  return result;
}

// Offered with the MIDI types though the filter's description does not name it.
constexpr const char* kLongMidiPattern = "*.midi";

}  // namespace

QString AllFilesFilter() {
  return QStringLiteral("All files (*)");
}

QString OpenFilterPatternText() {
  return QString::fromLatin1(kPatternsA) + QString::fromLatin1(kPatternsB);
}

QString OpenFilterDescription() {
  return "Files(" + OpenFilterPatternText() + ")";
}

QStringList CaseInsensitivePatterns(const QString& patternText) {
  QStringList patterns;
  for (const QString& part : patternText.split(u';', Qt::SkipEmptyParts)) {
    QString pattern = AnyCase(part.trimmed());
    if (!pattern.isEmpty() && !patterns.contains(pattern)) patterns.append(pattern);
  }
  return patterns;
}

QString OpenNameFilter() {
  QStringList patterns = CaseInsensitivePatterns(OpenFilterPatternText());
  patterns.insert(1, AnyCase(QString::fromLatin1(kLongMidiPattern)));
  return OpenFilterDescription() + " (" + patterns.join(u' ') + ")";
}

void ConfigureOpenDialog(QFileDialog& dialog) {
  // The Qt dialog is used everywhere so the filter behaves the same on every desktop.
  dialog.setOption(QFileDialog::DontUseNativeDialog, true);
  dialog.setOption(QFileDialog::HideNameFilterDetails, true);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setNameFilters({OpenNameFilter(), AllFilesFilter()});
  GiveFileDialogRoom(dialog);
}

std::optional<QString> FileOpenDialog::ChooseFile(QWidget* parent, const QString& currentFile) {
  QFileDialog dialog(parent, QStringLiteral("Open"));
  ConfigureOpenDialog(dialog);
  if (!currentFile.isEmpty()) {
    QFileInfo current(currentFile);
    dialog.setDirectory(current.absolutePath());
    dialog.selectFile(current.fileName());
  }
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.front();
}

}  // namespace veltrix::app
