// The main window's additions to the list: drag and drop, the filter bar, the event detail
// pane and the Problems pane, export and the text encoding of the files' texts.
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
#include <algorithm>

#include "app/column_chooser.h"
#include "app/detail_pane.h"
#include "app/drop_opener.h"
#include "app/encoding_detect.h"
#include "app/encoding_menu.h"
#include "app/event_choices.h"
#include "app/export_action.h"
#include "app/filter_bar.h"
#include "app/go_to.h"
#include "app/lyrics_pane.h"
#include "app/main_window.h"
#include "app/overview_pane.h"
#include "app/problems_pane.h"
#include "app/row_table_model.h"
#include "app/universal_option.h"
#include "shell/open_command.h"
#include "views/row_filter.h"
#include "views/select_view.h"
#include "views/shown_columns.h"

namespace veltrix::app {

void MainWindow::BuildExtras() {
  setAcceptDrops(true);
  exportDialog_ = std::make_unique<FileExportDialog>();

  filterBar_ = new FilterBar(this);
  addToolBar(Qt::TopToolBarArea, filterBar_);
  model_->SetEventImage(&session_.image);
  new ColumnChooser(*listView_,
                    [this] { return QString::fromStdString(session_.window.PressedView()); });
  connect(filterBar_, &FilterBar::criteriaChanged, this,
          [this] { model_->SetFilter(filterBar_->criteria()); });
  connect(model_, &RowTableModel::filterApplied, this, [this] {
    filterBar_->SetColumns(session_.window.columns);
    filterBar_->eventChoices()->SetAvailable(!session_.window.events.view().empty());
    // The quick choices follow the view's columns, so the criteria may have changed; the
    // filter applied again comes back here with equal criteria.
    if (!(filterBar_->criteria() == model_->filter())) {
      model_->SetFilter(filterBar_->criteria());
      return;
    }
    ShowFilterStatus();
    for (DockPanel* dock : docks_) dock->NotifyListingChanged();
  });
  connect(listView_->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] {
    for (DockPanel* dock : docks_) dock->NotifyCurrentRowChanged();
  });

  auto* options = findChild<QMenu*>(QStringLiteral("mnuOptions"));
  options->addSeparator();
  QAction* exportAction = options->addAction(QStringLiteral("Export..."));
  exportAction->setObjectName(QStringLiteral("mnuExport"));
  connect(exportAction, &QAction::triggered, this, &MainWindow::ExportCommand);
  detailPane_ = new DetailPane(*this, this);
  AddDock(detailPane_);
  problemsPane_ = new ProblemsPane(*this, this);
  AddDock(problemsPane_);
  AddDock(new OverviewPane(*this, this));
  AddDock(new LyricsPane(*this, this));
  auto* detector = new EncodingDetector(*this);
  AddEncodingMenu(options, [detector](const QString& name) { detector->Choose(name); });
  AddTimeCommands(*this);
  AddUniversalDecodeOption(*this);
}

// ---- Filter ----

// Only the rows the filter keeps, and only the columns the list shows.
ShownList MainWindow::ShownWindow() {
  return ShownListOf(session_.window, model_->ShownTableRows(), ShownColumns(*listView_));
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

// ---- Docks ----

void MainWindow::AddDock(DockPanel* dock) {
  addDockWidget(Qt::RightDockWidgetArea, dock);
  dock->hide();
  QAction* entry = dock->menuAction();
  // mnuEventDetail, mnuProblems: the menu entry is named after the menu text.
  entry->setObjectName(QStringLiteral("mnu") + QString(dock->menuText()).remove(u' '));
  findChild<QMenu*>(QStringLiteral("mnuOptions"))->addAction(entry);
  docks_.push_back(dock);
}

std::optional<size_t> MainWindow::CurrentTableRow() const {
  const QModelIndex current = listView_->currentIndex();
  if (!current.isValid()) return std::nullopt;
  return model_->TableRow(current.row());
}

void MainWindow::SelectEvent(const RowOfEvent& rowOf) {
  if (session_.window.PressedView() != "Midi") ViewBarAction(QStringLiteral("Midi"));
  if (session_.window.PressedView() == "Midi") {
    if (const std::optional<size_t> row = rowOf(session_.window))
      for (int shownRow = 0; shownRow < model_->rowCount(); ++shownRow)
        if (model_->TableRow(shownRow) == *row) {
          SelectListRow(shownRow + 1);
          return;
        }
  }
  ShowStatusText(QString::fromLatin1(kNoRowForEvent));
}

void MainWindow::ShowStatusText(const QString& text) {
  session_.window.statusText = text.toStdString();
  statusPanel_->setText(text);
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
  OpenAndShow([&] { return OpenFile(session_, file); });
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

}  // namespace veltrix::app
