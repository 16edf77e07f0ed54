#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/command_messages.h"
#include "core/session.h"

class QAction;
class QGroupBox;
class QLabel;
class QProgressBar;
class QTableView;
class QToolBar;

namespace veltrix::app {

class MessagePresenter;
class OpenDialog;
class RowTableModel;
struct ToolButton;

// The main window frmVeltrix. The core fills the session's window model; this window shows
// that model and turns menu and tool-bar clicks into the core's commands.
class MainWindow : public QMainWindow {
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

  // Puts the header line and the selected rows (every row with `copyAll`) of columns
  // firstColumn..lastColumn (from 1; -1 for the last, replaced by the column count) on the
  // clipboard as tab-separated lines. Returns the rows copied, or -1 when the copy failed.
  int LvCopyToClipboard(bool includeHeaders, int firstColumn, int& lastColumn, bool copyAll);
  // Prints the list. Not provided yet: the command does nothing.
  void listviewPrint();

  Session& session() { return session_; }
  QTableView* listView() const { return listView_; }
  RowTableModel* tableModel() const { return model_; }
  QString statusText() const;

 signals:
  // The listing moved the progress bar (emitted on every move, repainted far less often).
  void listingProgress(qint64 value);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildMenus();
  void BuildToolBars();
  QAction* AddToolButton(QToolBar* bar, const ToolButton& button);
  void ConnectModel();
  void UpdateActionButtons();

  // Runs one user command: its messages gathered (repeats held back), the hourglass while
  // a command that lists runs, the window brought up to date with the model at its end.
  void RunCommand(const char* routine, bool lists, const std::function<void()>& body);
  void ShowModel();
  void ShowProgress();
  void ShowMessage(const std::string& text);
  void RememberColumnFit(bool fitHeader);
  void ApplyColumnWidths();
  void LayoutListArea();

  Session session_;
  std::unique_ptr<MessagePresenter> presenter_;
  std::unique_ptr<OpenDialog> openDialog_;
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
  QProgressBar* pbr1_ = nullptr;
  QTableView* listView_ = nullptr;
  RowTableModel* model_ = nullptr;
  QToolBar* viewBar_ = nullptr;
  QToolBar* actionBar_ = nullptr;
  std::array<QAction*, 4> viewActions_{};
  QAction* mnuDecode_ = nullptr;
  QAction* mnuHideGridlines_ = nullptr;
  QAction* mnuRunningStatus_ = nullptr;
};

// The caption as a window title: Qt reads "[*]" as a placeholder, so it is doubled.
QString WindowTitleText(const std::string& caption);

}  // namespace veltrix::app
