#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/command_messages.h"
#include "app/dock_panel.h"
#include "core/session.h"
#include "shell/open_command.h"

class QAction;
class QGroupBox;
class QDragEnterEvent;
class QDropEvent;
class QLabel;
class QProgressBar;
class QTableView;
class QToolBar;

namespace veltrix::app {

class AboutDialog;
class DetailPane;
class DockPanel;
class ExportDialog;
class FilterBar;
class DesktopServices;
class MessagePresenter;
class OpenDialog;
class PrintPreview;
class ProblemsPane;
class RowTableModel;
class SearchPrompt;
struct ToolButton;

// The main window frmVeltrix. The core fills the session's window model; this window shows
// that model and turns menu and tool-bar clicks into the core's commands.
class MainWindow : public QMainWindow, public DockHost {
  Q_OBJECT

 public:
  MainWindow(std::unique_ptr<MessagePresenter> presenter, std::unique_ptr<OpenDialog> openDialog,
             QWidget* parent = nullptr);
  ~MainWindow() override;

  // The start-up's load: lists the file the command line names, or shows the empty Midi view.
  void LoadCommandLine(const std::string& commandLine);
  // The Open command of the menu and the tool bar.
  void OpenCommand();
  // The tool-bar dispatchers, by button key.
  void ActionBarAction(const QString& key);
  void ViewBarAction(const QString& key);
  // What an ActionBar key does; a button whose key has no action is disabled.
  void SetActionHandler(const QString& key, std::function<void()> handler);

  // A click on the header of `column` (0 for the first): sorts the list by it, the direction
  // alternating on every click, and shows the sort on the header.
  void SortByColumn(int column);

  // Exact Match from row `searchIndex` (1-based): the first row whose first cell, or else one
  // of its other cells, begins with the text. A hit is selected and scrolled to, and its row
  // goes to `searchIndex`; no hit shows " No Match Found". A start row past the last row is
  // reported as "SearchList".
  void searchList(const QString& searchText, int32_t& searchIndex);
  // Partial Match: the first row from `searchIndex` with a cell containing the text, letter
  // case ignored. No hit shows nothing.
  void findPartialMatches(const QString& searchText, int32_t& searchIndex);
  // The Find entries: asks for the text, then searches from the first row.
  void FindCommand(bool exactMatch);
  // The Find Next entries: searches on from the row after the last hit.
  void FindNextCommand(bool exactMatch);
  QString LastSearchText;
  int32_t LastSearchIndex = 0;

  // Puts the header line and the selected rows (every row with `copyAll`) of columns
  // firstColumn..lastColumn (from 1; -1 for the last, replaced by the column count) on the
  // clipboard as tab-separated lines. Returns the rows copied, or -1 when the copy failed.
  int LvCopyToClipboard(bool includeHeaders, int firstColumn, int& lastColumn, bool copyAll);
  // Prints the whole list under its heading, after a preview.
  void listviewPrint();
  // Opens the manual Veltrix.pdf.
  void HelpCommand();
  // Shows the About box, or brings the open one forward.
  void AboutCommand();
  AboutDialog* aboutBox() const;

  // Selects list row `row` (from 1, in the list's order) and scrolls it into view.
  void SelectListRow(int32_t row);
  // Opens a file dropped on the window as the Open command opens the chosen file.
  void OpenDroppedFile(const QString& path);
  // Options > Export...: writes the rows shown to a new TSV, CSV or JSON file.
  void ExportCommand();
  void SetExportDialog(std::unique_ptr<ExportDialog> dialog);
  // Options > Text Encoding: reads the files' texts in this code page and lists again.
  void SetTextEncoding(const QString& name);
  // The window as the list shows it: only the rows the filter keeps and the columns shown.
  ShownList ShownWindow() override;
  FilterBar* filterBar() const { return filterBar_; }
  DetailPane* detailPane() const { return detailPane_; }
  ProblemsPane* problemsPane() const { return problemsPane_; }

  // What the docks beside the list see of the window (see DockHost).
  std::optional<size_t> CurrentTableRow() const override;
  void SelectEvent(const RowOfEvent& rowOf) override;
  void ShowStatusText(const QString& text) override;
  // True when the last file opened was refused or could not be read: the list is empty.
  bool showsRefusedFile() const { return refusedFile_; }

  // The desktop pieces of the list commands; the window starts with the real ones.
  void SetSearchPrompt(std::unique_ptr<SearchPrompt> prompt);
  void SetPrintPreview(std::unique_ptr<PrintPreview> preview);
  void SetDesktop(std::unique_ptr<DesktopServices> desktop);
  void SetManualFolders(const QStringList& folders);

  Session& session() override { return session_; }
  QTableView* listView() const { return listView_; }
  RowTableModel* tableModel() const { return model_; }
  QString statusText() const;    // panel 1: the texts the commands set
  QString rowCountText() const;  // panel 2: "N of M rows" while a filter is on

 signals:
  // The listing moved the progress bar (emitted on every move, repainted far less often).
  void listingProgress(qint64 value);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void BuildControls();
  void BuildMenus();
  void BuildToolBars();
  QAction* AddToolButton(QToolBar* bar, const ToolButton& button);
  void ConnectModel();
  void UpdateActionButtons();
  void ConnectListCommands();

  // Runs one user command: its messages gathered (repeats held back), the hourglass while
  // a command that lists runs, the window brought up to date with the model at its end.
  void RunCommand(const char* routine, bool lists, const std::function<void()>& body);
  // Opens a file through `open`: nothing of the previous file stays in view (its warning, its
  // rows after a refusal, its scroll position).
  void OpenAndShow(const std::function<OpenOutcome()>& open);
  void ShowModel();
  void ShowProgress();
  void ShowMessage(const std::string& text);
  void RememberColumnFit(bool fitHeader);
  void ApplyColumnWidths();
  // The width the list needs beyond its design width to show the Midi view's columns.
  int ListWidthWanted() const;
  // Widens the last column over the width the others leave free in the list.
  void StretchLastColumn();
  // Places every control for its text and the client size (labels never cut off).
  void LayoutControls();
  void ShowSortIndicator();
  void RunSearch(bool exactMatch);
  void BuildExtras();
  void ShowFilterStatus();
  // Puts `dock` in the right dock area, hidden, with its entry in the Options menu; the
  // window tells it of opened files, new listings and the current row from then on.
  void AddDock(DockPanel* dock);

  Session session_;
  std::unique_ptr<MessagePresenter> presenter_;
  std::unique_ptr<OpenDialog> openDialog_;
  std::unique_ptr<SearchPrompt> searchPrompt_;
  std::unique_ptr<PrintPreview> printPreview_;
  std::unique_ptr<DesktopServices> desktop_;
  QStringList manualFolders_;
  QPointer<AboutDialog> about_;
  CommandMessages messages_;
  int commandDepth_ = 0;
  bool relistPending_ = false;

  // Widths asked for by the readers' FitColumns during a command, kept with the headers they
  // were measured for and applied once the list shows the new rows.
  struct ColumnFit {
    std::vector<std::string> headers;
    std::vector<int> widths;
  };
  std::optional<ColumnFit> pendingFit_;

  QElapsedTimer progressClock_;
  std::map<QString, std::function<void()>> actionHandlers_;

  QWidget* client_ = nullptr;
  QGroupBox* frameFilename_ = nullptr;
  QGroupBox* frameData_ = nullptr;
  QGroupBox* frameViewBar_ = nullptr;
  QGroupBox* frameActionBar_ = nullptr;
  QLabel* lblFilename_ = nullptr;
  QLabel* lblTracks_ = nullptr;
  QLabel* lblTicksPerQtrNote_ = nullptr;
  QLabel* lblTracklength_ = nullptr;
  QLabel* lblWarning_ = nullptr;
  QLabel* statusPanel_ = nullptr;
  QLabel* rowCountPanel_ = nullptr;
  QProgressBar* pbr1_ = nullptr;
  QTableView* listView_ = nullptr;
  RowTableModel* model_ = nullptr;
  QToolBar* viewBar_ = nullptr;
  QToolBar* actionBar_ = nullptr;
  std::array<QAction*, 4> viewActions_{};
  QAction* mnuDecode_ = nullptr;
  QAction* mnuHideGridlines_ = nullptr;
  QAction* mnuRunningStatus_ = nullptr;

  FilterBar* filterBar_ = nullptr;
  std::vector<DockPanel*> docks_;
  DetailPane* detailPane_ = nullptr;
  ProblemsPane* problemsPane_ = nullptr;
  bool fileOpenPending_ = true;
  bool refusedFile_ = false;
  bool showFirstRow_ = false;
  int lastColumnWidth_ = 0;  // the last column's own width, before it took the free width
  bool stretching_ = false;
  std::unique_ptr<ExportDialog> exportDialog_;
};

// The caption as a window title: Qt reads "[*]" as a placeholder, so it is doubled.
QString WindowTitleText(const std::string& caption);

}  // namespace veltrix::app
