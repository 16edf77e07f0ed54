#include "app/problems_pane.h"

#include <QHeaderView>
#include <QStyle>
#include <QTreeWidget>

#include "check/file_check.h"
#include "core/file_image.h"
#include "views/finding_row.h"

namespace veltrix::app {

namespace {

QString Counted(size_t count, const char* one, const char* many) {
  return QStringLiteral("%1 %2").arg(count).arg(QString::fromLatin1(count == 1 ? one : many));
}

QString Utf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Where a finding is: the offset, and the track with its measure when known.
QString PlaceText(const check::Finding& finding) {
  QString place = finding.offset >= 0 ? QStringLiteral("#%1").arg(finding.offset) : QString();
  if (finding.track >= 1) place += QStringLiteral("  track %1").arg(finding.track);
  if (!finding.measure.empty()) place += QStringLiteral("  ") + Utf8(finding.measure);
  return place;
}

}  // namespace

QString ProblemsTitle(const std::optional<check::FileCheck>& check) {
  if (!check) return QStringLiteral("Problems");
  const auto counts = check->Counts();
  return QStringLiteral("Problems: ") + Counted(counts[0], "error", "errors") +
         QStringLiteral(", ") + Counted(counts[1], "warning", "warnings") + QStringLiteral(", ") +
         Counted(counts[2], "note", "notes");
}

ProblemsPane::ProblemsPane(DockHost& host, QWidget* parent)
    : DockPanel(host, QStringLiteral("ProblemsPane"), ProblemsTitle(std::nullopt),
                QStringLiteral("Problems"), parent) {
  list_ = new QTreeWidget(this);
  list_->setObjectName(QStringLiteral("problemsList"));
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setHeaderLabels(
      {QStringLiteral("Code"), QStringLiteral("Where"), QStringLiteral("Problem")});
  list_->header()->setStretchLastSection(true);
  setWidget(list_);
  connect(list_, &QTreeWidget::itemActivated, this,
          [this](QTreeWidgetItem* item) { GoToFinding(list_->indexOfTopLevelItem(item)); });
}

void ProblemsPane::FileOpened() {
  const std::string& path = host().session().window.fileName;
  std::optional<check::FileCheck> found;
  if (!path.empty()) {
    try {
      // The file as it is on disk, so offsets are the file's even when the list shows the
      // merged copy of a format-1 file.
      const FileImage file = LoadFileImage(path);
      found = check::CheckFile(file.bytes(), path);
    } catch (const std::exception&) {
      // A file that cannot be read has no findings to show; the Open command said why.
    }
  }
  ShowCheck(std::move(found));
}

void ProblemsPane::GoToFinding(int index) {
  if (!check_ || index < 0 || static_cast<size_t>(index) >= check_->findings.size()) return;
  const check::Finding finding = check_->findings[static_cast<size_t>(index)];
  // A file of format 1 or 2 is listed from its merged copy, whose offsets are not the file's.
  const bool mergedCopy = check_->format && (*check_->format & 0xFF) != 0;
  host().SelectEvent([finding, mergedCopy](const WindowModel& listing) {
    return RowOfFinding(listing.events, finding, mergedCopy);
  });
}

// The code and place columns as wide as their longest texts, and room for a short message.
int ProblemsPane::ContentWidth() const {
  const QFontMetrics metrics = list_->fontMetrics();
  const int code = metrics.horizontalAdvance(QStringLiteral("note-left-sounding"));
  const int place = metrics.horizontalAdvance(QStringLiteral("#000000  track 00  000:00:000"));
  const int message = metrics.averageCharWidth() * 40;
  return code + place + message + 64;
}

void ProblemsPane::ShowCheck(std::optional<check::FileCheck> check) {
  check_ = std::move(check);
  setWindowTitle(ProblemsTitle(check_));
  list_->clear();
  if (!check_) return;
  QList<QTreeWidgetItem*> items;
  for (const check::Finding& finding : check_->findings) {
    auto* item =
        new QTreeWidgetItem({Utf8(finding.code), PlaceText(finding), Utf8(finding.message)});
    const QStyle::StandardPixmap icon =
        finding.severity == check::Severity::Error     ? QStyle::SP_MessageBoxCritical
        : finding.severity == check::Severity::Warning ? QStyle::SP_MessageBoxWarning
                                                       : QStyle::SP_MessageBoxInformation;
    item->setIcon(0, style()->standardIcon(icon));
    item->setToolTip(0, Utf8(check::SeverityName(finding.severity)));
    items.append(item);
  }
  list_->addTopLevelItems(items);
  for (int column = 0; column < 2; ++column) list_->resizeColumnToContents(column);
}

}  // namespace veltrix::app
