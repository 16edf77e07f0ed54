// The main window's additions to the list: drag and drop, the filter bar, the event detail
// pane, export and the text encoding of the files' texts.
#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QTableView>
#include <QTimer>

#include "app/detail_pane.h"
#include "app/drop_opener.h"
#include "app/encoding_detect.h"
#include "app/encoding_menu.h"
#include "app/export_action.h"
#include "app/filter_bar.h"
#include "app/go_to.h"
#include "app/lyrics_pane.h"
#include "app/main_window.h"
#include "app/problems_pane.h"
#include "app/row_table_model.h"
#include "check/file_check.h"
#include "core/file_image.h"
#include "shell/open_command.h"
#include "views/event_detail.h"
#include "views/finding_row.h"
#include "views/row_filter.h"
#include "views/select_view.h"

namespace veltrix::app {

void MainWindow::BuildExtras() {
  setAcceptDrops(true);
  exportDialog_ = std::make_unique<FileExportDialog>();

  filterBar_ = new FilterBar(this);
  addToolBar(Qt::TopToolBarArea, filterBar_);
  connect(filterBar_, &FilterBar::criteriaChanged, this,
          [this] { model_->SetFilter(filterBar_->criteria()); });
  connect(model_, &RowTableModel::filterApplied, this, [this] {
    filterBar_->SetColumns(session_.window.columns);
    // The quick choices follow the view's columns, so the criteria may have changed; the
    // filter applied again comes back here with equal criteria.
    if (!(filterBar_->criteria() == model_->filter())) {
      model_->SetFilter(filterBar_->criteria());
      return;
    }
    ShowFilterStatus();
    ShowEventDetail();
  });

  detailPane_ = new DetailPane(this);
  addDockWidget(Qt::RightDockWidgetArea, detailPane_);
  detailPane_->hide();
  connect(detailPane_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    if (visible) ShowEventDetail();
  });
  connect(listView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this] { ShowEventDetail(); });

  auto* options = findChild<QMenu*>(QStringLiteral("mnuOptions"));
  options->addSeparator();
  QAction* exportAction = options->addAction(QStringLiteral("Export..."));
  exportAction->setObjectName(QStringLiteral("mnuExport"));
  connect(exportAction, &QAction::triggered, this, &MainWindow::ExportCommand);
  QAction* detail = detailPane_->toggleViewAction();
  detail->setObjectName(QStringLiteral("mnuEventDetail"));
  options->addAction(detail);
  problemsPane_ = new ProblemsPane(this);
  addDockWidget(Qt::RightDockWidgetArea, problemsPane_);
  problemsPane_->hide();
  connect(problemsPane_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
    if (visible && problemsStale_) ShowProblems();
  });
  connect(problemsPane_, &ProblemsPane::findingActivated, this, &MainWindow::GoToFinding);
  QAction* problems = problemsPane_->toggleViewAction();
  problems->setObjectName(QStringLiteral("mnuProblems"));
  options->addAction(problems);
  AddLyricsPane(*this);
  auto* detector = new EncodingDetector(*this);
  AddEncodingMenu(options, [detector](const QString& name) { detector->Choose(name); });
  AddTimeCommands(*this);
}

// ---- Filter ----

const WindowModel& MainWindow::ShownWindow() {
  if (!model_->Filtered()) return session_.window;
  shownWindow_ = WindowWithRows(session_.window, model_->ShownRows());
  return *shownWindow_;
}

// Panel 1 keeps the texts the program sets ("Copy completed", the sort hint); the row count
// of a filtered list has a panel of its own.
void MainWindow::ShowFilterStatus() {
  const std::string& text = session_.window.statusText;
  statusPanel_->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  rowCountPanel_->setText(model_->Filtered()
                              ? QString::fromStdString(FilteredRowsText(
                                    static_cast<size_t>(model_->rowCount()), model_->TableRows()))
                              : QString());
}

// ---- Event detail ----

void MainWindow::ShowEventDetail() {
  if (detailPane_ == nullptr || detailPane_->isHidden()) return;
  const QModelIndex current = listView_->currentIndex();
  std::optional<EventDetail> detail;
  if (current.isValid()) {
    try {
      detail = DescribeEvent(session_, model_->TableRow(current.row()));
    } catch (const std::exception&) {
      // An event whose bytes the image lacks has no detail; the list reports its faults.
      detail.reset();
    }
  }
  detailPane_->ShowDetail(detail);
}

// ---- Problems ----

void MainWindow::ShowProblems() {
  if (problemsPane_ == nullptr) return;
  if (problemsPane_->isHidden()) return;  // checked once the pane shows
  problemsStale_ = false;
  const std::string& path = session_.window.fileName;
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
  problemsPane_->ShowCheck(std::move(found));
}

void MainWindow::GoToFinding(int index) {
  const std::optional<check::FileCheck>& shown = problemsPane_->shownCheck();
  if (!shown || index < 0 || static_cast<size_t>(index) >= shown->findings.size()) return;
  const check::Finding finding = shown->findings[static_cast<size_t>(index)];
  // A file of format 1 or 2 is listed from its merged copy, whose offsets are not the file's.
  const bool mergedCopy = shown->format && (*shown->format & 0xFF) != 0;
  if (session_.window.PressedView() != "Midi") ViewBarAction(QStringLiteral("Midi"));
  const std::optional<size_t> row = RowOfFinding(session_.window.events, finding, mergedCopy);
  if (!row) return;
  for (int shownRow = 0; shownRow < model_->rowCount(); ++shownRow)
    if (model_->TableRow(shownRow) == *row) {
      SelectListRow(shownRow + 1);
      return;
    }
}

// ---- Drag and drop ----

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (FirstLocalFile(event->mimeData())) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  const std::optional<QString> path = FirstLocalFile(event->mimeData());
  if (!path) return;
  event->acceptProposedAction();
  // Opened once the drop has returned, so the program the file came from is not held up.
  QTimer::singleShot(0, this, [this, file = *path] { OpenDroppedFile(file); });
}

void MainWindow::OpenDroppedFile(const QString& path) {
  if (commandDepth_ > 0) return;
  const std::string file = QFile::encodeName(path).toStdString();
  RunCommand("Action Bar Action", true, [&] { OpenFile(session_, file); });
}

// ---- Export ----

void MainWindow::SetExportDialog(std::unique_ptr<ExportDialog> dialog) {
  exportDialog_ = std::move(dialog);
}

void MainWindow::ExportCommand() {
  const QString listed = QFile::decodeName(QByteArray::fromStdString(session_.window.fileName));
  const std::optional<ExportChoice> choice =
      exportDialog_->ChooseTarget(this, SuggestedExportPath(listed));
  if (!choice) return;
  const std::string path = QFile::encodeName(choice->path).toStdString();
  RunCommand("ExportList", false, [&] {
    ExportFile(ShownWindow(), {}, path, choice->format);
    shownWindow_.reset();
    session_.window.statusText = kExportCompleted;
  });
}

// ---- Text encoding ----

void MainWindow::SetTextEncoding(const QString& name) {
  RunCommand("Text Encoding", true, [&] {
    session_.codePage = CodePage(name.toStdString());
    const std::string view = session_.window.PressedView();
    if (!view.empty() && !session_.window.fileName.empty()) SelectView(session_, view);
  });
}

void MainWindow::ShowStatus(const std::string& text) {
  session_.window.statusText = text;
  ShowFilterStatus();
}

}  // namespace veltrix::app
