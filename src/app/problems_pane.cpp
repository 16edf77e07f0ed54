#include "app/problems_pane.h"

#include <QHeaderView>
#include <QStyle>
#include <QTreeWidget>

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

ProblemsPane::ProblemsPane(QWidget* parent) : QDockWidget(ProblemsTitle(std::nullopt), parent) {
  setObjectName(QStringLiteral("ProblemsPane"));
  setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
              QDockWidget::DockWidgetFloatable);
  list_ = new QTreeWidget(this);
  list_->setObjectName(QStringLiteral("problemsList"));
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setHeaderLabels(
      {QStringLiteral("Code"), QStringLiteral("Where"), QStringLiteral("Problem")});
  list_->header()->setStretchLastSection(true);
  setWidget(list_);
  connect(list_, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
    emit findingActivated(list_->indexOfTopLevelItem(item));
  });
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
