// The main window's list commands: column sorting, search, clipboard copy, printing, help
// and About.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPrinter>
#include <QTableView>
#include <algorithm>
#include <limits>
#include <new>
#include <optional>

#include "app/about_dialog.h"
#include "app/busy_cursor.h"
#include "app/desktop_services.h"
#include "app/help_opener.h"
#include "app/list_printer.h"
#include "app/main_window.h"
#include "app/print_preview.h"
#include "app/print_progress.h"
#include "app/row_table_model.h"
#include "app/search_prompt.h"
#include "core/list_sort.h"
#include "views/about_info.h"
#include "views/clipboard_text.h"
#include "views/list_search.h"

namespace veltrix::app {

void MainWindow::ConnectListCommands() {
  auto action = [this](const char* name) { return findChild<QAction*>(QString::fromLatin1(name)); };
  connect(action("mnuPrint"), &QAction::triggered, this, &MainWindow::listviewPrint);
  connect(action("mnuFindPartialMatch"), &QAction::triggered, this, [this] { FindCommand(false); });
  connect(action("mnuFindExactMatch"), &QAction::triggered, this, [this] { FindCommand(true); });
  connect(action("mnuFindNextPartialMatch"), &QAction::triggered, this,
          [this] { FindNextCommand(false); });
  connect(action("mnuFindNextExactMatch"), &QAction::triggered, this,
          [this] { FindNextCommand(true); });
  connect(action("mnuCopy"), &QAction::triggered, this, [this] {
    RunCommand("Action Bar Action", false, [this] {
      int lastColumn = -1;
      LvCopyToClipboard(true, 1, lastColumn, false);
    });
  });
  connect(action("mnuHelp"), &QAction::triggered, this, &MainWindow::HelpCommand);
  connect(action("mnuAbout"), &QAction::triggered, this, &MainWindow::AboutCommand);

  // The window sorts by the core's rules; the table view itself never sorts.
  listView_->setSortingEnabled(false);
  QHeaderView* header = listView_->horizontalHeader();
  header->setSectionsClickable(true);
  header->setSortIndicatorShown(false);
  connect(header, &QHeaderView::sectionClicked, this, &MainWindow::SortByColumn);
}

void MainWindow::SetSearchPrompt(std::unique_ptr<SearchPrompt> prompt) {
  searchPrompt_ = std::move(prompt);
}

void MainWindow::SetPrintPreview(std::unique_ptr<PrintPreview> preview) {
  printPreview_ = std::move(preview);
}

void MainWindow::SetDesktop(std::unique_ptr<DesktopServices> desktop) {
  desktop_ = std::move(desktop);
}

void MainWindow::SetManualFolders(const QStringList& folders) {
  manualFolders_ = folders;
}

// ---- Sorting ----

void MainWindow::SortByColumn(int column) {
  if (commandDepth_ > 0 || column < 0) return;
  {
    BusyCursor busy;
    // A sort that cannot be done leaves the rows as they were; there is nothing to report.
    try {
      SortByColumnClick(session_.window, static_cast<size_t>(column));
    } catch (const std::exception&) {
    }
    model_->Refresh();
  }
  ShowSortIndicator();
}

void MainWindow::ShowSortIndicator() {
  const ListSort& sort = session_.window.sort;
  QHeaderView* header = listView_->horizontalHeader();
  const bool shown = sort.sorted && sort.key < static_cast<size_t>(header->count());
  header->setSortIndicatorShown(shown);
  if (shown)
    header->setSortIndicator(static_cast<int>(sort.key),
                             sort.order == 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
}

// ---- Search ----

void MainWindow::FindCommand(bool exactMatch) {
  LastSearchIndex = 1;
  LastSearchText = searchPrompt_->Ask(this, QString::fromLatin1(kSearchPromptText),
                                      QString::fromLatin1(kSearchPromptTitle), LastSearchText);
  RunSearch(exactMatch);
}

void MainWindow::FindNextCommand(bool exactMatch) {
  if (LastSearchText.isEmpty()) return;
  if (LastSearchIndex < std::numeric_limits<int32_t>::max()) ++LastSearchIndex;
  RunSearch(exactMatch);
}

void MainWindow::RunSearch(bool exactMatch) {
  messages_.Begin();
  // searchList reports its own failures; anything else that reaches here is let go.
  try {
    if (exactMatch) {
      searchList(LastSearchText, LastSearchIndex);
    } else {
      findPartialMatches(LastSearchText, LastSearchIndex);
    }
  } catch (const std::exception&) {
  }
  messages_.End();
}

void MainWindow::searchList(const QString& searchText, int32_t& searchIndex) {
  if (searchText.isEmpty()) return;
  const std::string text = searchText.toStdString();
  Guarded(session_.reporter, "SearchList", 0, [&] {
    const std::optional<int32_t> hit =
        FindItemBeginningWith(model_->ShownRows(), text, searchIndex);
    if (!hit) {
      session_.ShowMessage(kNoMatchMessage);
      return 0;
    }
    SelectListRow(*hit);
    searchIndex = *hit;
    return 0;
  });
}

void MainWindow::findPartialMatches(const QString& searchText, int32_t& searchIndex) {
  if (model_->ShownRows().empty()) return;
  const std::optional<int32_t> hit =
      FindRowContaining(model_->ShownRows(), searchText.toStdString(), searchIndex);
  if (!hit) return;
  SelectListRow(*hit);
  searchIndex = *hit;
}

void MainWindow::SelectListRow(int32_t row) {
  const QModelIndex index = model_->index(row - 1, 0);
  if (!index.isValid()) return;
  listView_->selectionModel()->setCurrentIndex(
      index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  listView_->scrollTo(index);
}

// ---- Copy ----

int MainWindow::LvCopyToClipboard(bool includeHeaders, int firstColumn, int& lastColumn,
                                  bool copyAll) {
  try {
    std::vector<bool> selected;
    if (!copyAll) {
      selected.assign(model_->ShownRows().size(), false);
      for (const QItemSelectionRange& range : listView_->selectionModel()->selection())
        for (int row = std::max(range.top(), 0);
             row <= range.bottom() && static_cast<size_t>(row) < selected.size(); ++row)
          selected[static_cast<size_t>(row)] = true;
    }
    int32_t last = lastColumn;
    int32_t copied = 0;
    const std::string text =
        ListCopyText(ShownWindow(), selected, includeHeaders, firstColumn, last, copyAll, copied);
    lastColumn = last;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    session_.window.statusText = kCopyCompleted;
    statusPanel_->setText(QString::fromLatin1(kCopyCompleted));
    return copied;
  } catch (const std::exception&) {
    return -1;
  }
}

// ---- Print ----

void MainWindow::listviewPrint() {
  const QString heading = PrintHeading(session_.window.fileName);
  {
    QPrinter estimate(QPrinter::HighResolution);
    const int pages = EstimatedPrintPages(ShownWindow(), estimate);
    if (pages > kPagesAskedAbout && !printPreview_->AgreeToLongList(this, pages)) return;
  }
  std::optional<Failure> failure;
  auto keep = [&failure](const Failure& found) {
    if (!failure) failure = found;
  };
  auto paint = [&](QPrinter& printer) {
    BusyCursor busy;
    PrintProgress progress(this);
    try {
      PrintList(ShownWindow(), heading, printer, progress.Steps());
    } catch (const Failure& found) {
      keep(found);
    } catch (const std::bad_alloc&) {
      keep(Failure(kOutOfMemory));
    } catch (const std::exception&) {
      keep(Failure(kInvalidCall));
    }
  };
  try {
    printPreview_->Show(this, QString::fromLatin1(kPrintPreviewCaption), paint);
  } catch (const Failure& found) {
    keep(found);
  } catch (const std::exception&) {
    keep(Failure(kInvalidCall));
  }
  if (failure) ShowMessage(PrintFailureText(*failure).toStdString());
}

// ---- Help and About ----

void MainWindow::HelpCommand() {
  if (!OpenManual(manualFolders_, *desktop_)) ShowMessage(kManualMissingMessage);
}

void MainWindow::AboutCommand() {
  if (!about_) {
    about_ = new AboutDialog(
        [this] {
          StartSystemInformation(*desktop_,
                                 [this](const QString& text) { ShowMessage(text.toStdString()); });
        },
        this);
  }
  about_->show();
  about_->raise();
  about_->activateWindow();
}

AboutDialog* MainWindow::aboutBox() const {
  return about_.data();
}

}  // namespace veltrix::app
