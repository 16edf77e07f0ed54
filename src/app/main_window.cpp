#include "app/main_window.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <cstdlib>
#include <limits>
#include <utility>

#include "app/about_dialog.h"
#include "app/busy_cursor.h"
#include "app/column_fit.h"
#include "app/command_tables.h"
#include "app/desktop_services.h"
#include "app/detail_pane.h"
#include "app/export_action.h"
#include "app/filter_bar.h"
#include "app/help_opener.h"
#include "app/hidpi_icons.h"
#include "app/message_presenter.h"
#include "app/open_dialog.h"
#include "app/print_preview.h"
#include "app/row_table_model.h"
#include "app/search_prompt.h"
#include "app/shortcuts.h"
#include "app/theme_colours.h"
#include "app/window_layout.h"
#include "core/column_layouts.h"
#include "shell/refused_file.h"
#include "timing/time_column.h"
#include "views/clipboard_text.h"
#include "views/select_view.h"

namespace veltrix::app {

namespace {

constexpr int kProgressRepaintMs = 50;

QString Text(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* MakeLabel(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(PlaceOf(name));
  return label;
}

QGroupBox* MakeFrame(QWidget* parent, const char* name, const char* caption) {
  auto* frame = new QGroupBox(QString::fromLatin1(caption), parent);
  frame->setObjectName(QString::fromLatin1(name));
  frame->setGeometry(PlaceOf(name));
  return frame;
}

// Arial, or a font of the same widths; where neither is installed, a condensed sans serif
// keeps the labels' texts inside their designed widths.
QFont WindowFont() {
  QFont font(QStringLiteral("Arial"), 8);
  font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                    QStringLiteral("Arimo"), QStringLiteral("DejaVu Sans Condensed")});
  return font;
}

// The room a tool bar's buttons need: the bar's own width hint, and the tallest button (the
// bar's height hint adds margins a bar over a frame does without).
QSize ToolBarNeed(const QToolBar* bar) {
  int height = 0;
  for (const QToolButton* button : bar->findChildren<QToolButton*>())
    if (button->isVisibleTo(bar)) height = std::max(height, button->sizeHint().height());
  return QSize(bar->sizeHint().width(), height);
}

std::vector<std::string> HeaderTexts(const WindowModel& window) {
  std::vector<std::string> headers;
  for (const Column& column : window.columns) headers.push_back(column.header);
  return headers;
}

// True when there is memory for the list to show `rows` rows: the list's header keeps a few
// bytes for every row, and the window needs room to draw. Qt cannot recover when such an
// allocation fails, so the room is tried first.
bool RoomToShow(size_t rows) {
  constexpr size_t kBytesPerRow = 16;
  constexpr size_t kDrawingRoom = size_t{64} << 20;
  // Through a volatile pointer, so that the compiler keeps the allocation it cannot see used.
  void* volatile probe = std::malloc(rows * kBytesPerRow + kDrawingRoom);
  const bool room = probe != nullptr;
  std::free(probe);
  return room;
}

}  // namespace

QString WindowTitleText(const std::string& caption) {
  return Text(caption).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

MainWindow::MainWindow(std::unique_ptr<MessagePresenter> presenter,
                       std::unique_ptr<OpenDialog> openDialog, QWidget* parent)
    : QMainWindow(parent),
      presenter_(std::move(presenter)),
      openDialog_(std::move(openDialog)),
      searchPrompt_(std::make_unique<InputDialogSearchPrompt>()),
      printPreview_(std::make_unique<PreviewDialogPrint>()),
      desktop_(std::make_unique<SystemDesktop>()),
      manualFolders_(ManualFolders()),
      messages_([this](const std::string& text) { ShowMessage(text); }) {
  setObjectName(QStringLiteral("frmVeltrix"));
  setFont(WindowFont());
  BuildControls();
  BuildMenus();
  BuildToolBars();
  BuildExtras();
  ConnectModel();
  AddShortcuts(*this);
  SharpenToolBarIcons(*this);
  ShowModel();
  LayoutControls();

  const QSize client = DesignClientSize();
  resize(client.width() + ListWidthWanted(),
         client.height() + menuBar()->sizeHint().height() + StatusBarHeight() + FilterBarHeight());
}

MainWindow::~MainWindow() {
  // The table and its model read the session, which goes before the child widgets do.
  delete listView_;
  delete model_;
}

void MainWindow::BuildControls() {
  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("client"));
  setCentralWidget(client_);
  client_->installEventFilter(this);

  frameFilename_ = MakeFrame(client_, "Frame3", "Filename");
  lblFilename_ = MakeLabel(frameFilename_, "lblFilename");
  frameData_ = MakeFrame(client_, "Frame4", "Data");
  lblTracks_ = MakeLabel(frameData_, "lblTracks");
  lblTicksPerQtrNote_ = MakeLabel(frameData_, "LblTicksPerQtrNote");
  lblTracklength_ = MakeLabel(frameData_, "lblTracklength");
  frameViewBar_ = MakeFrame(client_, "Frame1", "View Bar");
  frameActionBar_ = MakeFrame(client_, "Frame2", " Action Bar");

  model_ = new RowTableModel(session_.window, this);
  listView_ = new QTableView(client_);
  listView_->setObjectName(QStringLiteral("ListView1"));
  listView_->setGeometry(PlaceOf("ListView1"));
  listView_->setModel(model_);
  listView_->setSelectionBehavior(QAbstractItemView::SelectRows);
  listView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  listView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  listView_->setWordWrap(false);
  listView_->setCornerButtonEnabled(false);
  listView_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  listView_->verticalHeader()->hide();
  listView_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  listView_->verticalHeader()->setDefaultSectionSize(listView_->fontMetrics().height() + 4);
  listView_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  listView_->horizontalHeader()->setHighlightSections(false);
  listView_->horizontalHeader()->setMinimumSectionSize(8);
  // The last column takes the width the others leave free (StretchLastColumn).
  listView_->viewport()->installEventFilter(this);
  connect(listView_->horizontalHeader(), &QHeaderView::sectionResized, this,
          [this](int column, int, int size) {
            if (!stretching_ && column == listView_->horizontalHeader()->count() - 1)
              lastColumnWidth_ = size;
          });

  lblWarning_ = MakeLabel(client_, "lblWarning");
  QPalette warning = lblWarning_->palette();
  warning.setColor(QPalette::WindowText, WarningTextColour(warning));
  lblWarning_->setPalette(warning);

  pbr1_ = new QProgressBar(client_);
  pbr1_->setObjectName(QStringLiteral("pbr1"));
  pbr1_->setGeometry(PlaceOf("pbr1"));
  pbr1_->setTextVisible(false);
  pbr1_->setRange(0, 100);
  pbr1_->setValue(0);

  statusBar()->setObjectName(QStringLiteral("StatusBar1"));
  statusBar()->setFixedHeight(StatusBarHeight());
  statusBar()->setSizeGripEnabled(true);
  statusPanel_ = new QLabel(statusBar());
  statusPanel_->setObjectName(QStringLiteral("StatusBar1Panel1"));
  statusPanel_->setTextFormat(Qt::PlainText);
  statusBar()->addWidget(statusPanel_, 1);
  rowCountPanel_ = new QLabel(statusBar());
  rowCountPanel_->setObjectName(QStringLiteral("StatusBar1Panel2"));
  rowCountPanel_->setTextFormat(Qt::PlainText);
  statusBar()->addPermanentWidget(rowCountPanel_);
}

void MainWindow::BuildMenus() {
  for (const TopMenu& top : kMenuBar) {
    const QString name = QString::fromLatin1(top.name);
    const QString caption = QString::fromLatin1(top.caption);
    if (top.entries.empty()) {
      QAction* action = menuBar()->addAction(caption);
      action->setObjectName(name);
      continue;
    }
    QMenu* menu = menuBar()->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    for (const MenuEntry& entry : top.entries)
      menu->addAction(QString::fromLatin1(entry.caption))
          ->setObjectName(QString::fromLatin1(entry.name));
  }
  auto action = [this](const char* name) { return findChild<QAction*>(QString::fromLatin1(name)); };
  connect(action("mnuOpen"), &QAction::triggered, this, &MainWindow::OpenCommand);
  connect(action("mnuExit"), &QAction::triggered, this, &QWidget::close);
  ConnectListCommands();

  mnuDecode_ = action("mnuDecode");
  mnuHideGridlines_ = action("mnuHideGridlines");
  mnuRunningStatus_ = action("mnuRunningStatus");
  for (QAction* option : {mnuDecode_, mnuHideGridlines_, mnuRunningStatus_})
    option->setCheckable(true);
  connect(mnuDecode_, &QAction::triggered, this, [this](bool checked) {
    session_.window.options.DecodeSysex = checked;
    // With no file there is nothing to list again: the toggle only changes the option.
    if (session_.image.FileLength() == 0) return;
    RunCommand("getMidiList", true, [this] { ListMidiView(session_); });
  });
  connect(mnuHideGridlines_, &QAction::triggered, this, [this](bool checked) {
    session_.window.options.HideGridlines = checked;
    listView_->setShowGrid(!checked);
  });
  connect(mnuRunningStatus_, &QAction::triggered, this,
          [this](bool checked) { session_.window.options.MarkRunningStatus = checked; });
}

QAction* MainWindow::AddToolButton(QToolBar* bar, const ToolButton& button) {
  QIcon icon = QIcon::fromTheme(QString::fromLatin1(button.themeIcon),
                                style()->standardIcon(button.standardIcon));
  QAction* action = bar->addAction(icon, QString::fromLatin1(button.caption));
  action->setData(QString::fromLatin1(button.key));
  action->setObjectName(bar->objectName() + u'_' + QString::fromLatin1(button.key));
  return action;
}

void MainWindow::BuildToolBars() {
  auto makeBar = [this](const char* name) {
    auto* bar = new QToolBar(client_);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    bar->setContentsMargins(0, 0, 0, 0);
    bar->layout()->setSpacing(0);
    return bar;  // LayoutControls places it over its frame
  };

  viewBar_ = makeBar("Viewbar");
  viewBar_->setToolTip(QStringLiteral("Select data view"));
  auto* group = new QActionGroup(viewBar_);
  group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  size_t index = 0;
  for (const ToolButton& button : kViewButtons) {
    QAction* action = AddToolButton(viewBar_, button);
    action->setCheckable(true);
    group->addAction(action);
    viewActions_[index++] = action;
    const QString key = QString::fromLatin1(button.key);
    connect(action, &QAction::triggered, this, [this, key] { ViewBarAction(key); });
  }

  actionBar_ = makeBar("ActionBar");
  bool first = true;
  for (const ToolButton& button : kActionButtons) {
    if (!first) actionBar_->addSeparator();
    first = false;
    QAction* action = AddToolButton(actionBar_, button);
    const QString key = QString::fromLatin1(button.key);
    connect(action, &QAction::triggered, this, [this, key] { ActionBarAction(key); });
  }

  actionHandlers_[QStringLiteral("Open")] = [this] { OpenCommand(); };
  actionHandlers_[QStringLiteral("Print")] = [this] { listviewPrint(); };
  actionHandlers_[QStringLiteral("Copy")] = [this] {
    int lastColumn = -1;
    LvCopyToClipboard(true, 1, lastColumn, false);
    session_.window.statusText = kCopyCompleted;
  };
  actionHandlers_[QStringLiteral("Exit")] = [this] { close(); };
  UpdateActionButtons();
}

void MainWindow::UpdateActionButtons() {
  for (QAction* action : actionBar_->actions())
    if (!action->isSeparator())
      action->setEnabled(actionHandlers_.count(action->data().toString()));
}

void MainWindow::SetActionHandler(const QString& key, std::function<void()> handler) {
  if (handler) {
    actionHandlers_[key] = std::move(handler);
  } else {
    actionHandlers_.erase(key);
  }
  UpdateActionButtons();
}

void MainWindow::ConnectModel() {
  session_.ConnectMessages([this](const std::string& text) { messages_.Post(text); });
  session_.window.onProgress = [this] { ShowProgress(); };
  session_.window.onFitColumns = [this](bool fitHeader) { RememberColumnFit(fitHeader); };
}

void MainWindow::RunCommand(const char* routine, bool lists, const std::function<void()>& body) {
  if (lists) relistPending_ = true;
  // A command that lists a file may have opened another one: the docks hear of it.
  if (lists && std::string_view(routine) == "Action Bar Action") fileOpenPending_ = true;
  ++commandDepth_;
  messages_.Begin();
  {
    std::optional<BusyCursor> busy;
    if (lists) busy.emplace();
    Guarded(session_.reporter, routine, 0, [&] {
      body();
      return 0;
    });
    if (commandDepth_ == 1) ShowModel();
  }
  --commandDepth_;
  messages_.End();
}

void MainWindow::LoadCommandLine(const std::string& commandLine) {
  if (commandLine.empty()) {
    RunCommand("Action Bar Action", true, [&] { SelectView(session_, "Midi"); });
    return;
  }
  OpenAndShow([&] { return OpenCommandLineFile(session_, CommandLinePath(commandLine)); });
}

void MainWindow::OpenAndShow(const std::function<OpenOutcome()>& open) {
  RunCommand("Action Bar Action", true, [&] {
    session_.window.lblWarning.clear();
    refusedFile_ = open() != OpenOutcome::Listed;
    if (refusedFile_) ShowRefusedFile(session_.window);
    showFirstRow_ = true;
  });
}

void MainWindow::OpenCommand() {
  const QString current = QFile::decodeName(QByteArray::fromStdString(session_.window.fileName));
  std::optional<QString> chosen = openDialog_->ChooseFile(this, current);
  if (!chosen) return;
  const std::string path = QFile::encodeName(*chosen).toStdString();
  OpenAndShow([&] { return OpenFile(session_, path); });
}

void MainWindow::ActionBarAction(const QString& key) {
  RunCommand("Action Bar Action", false, [&] {
    auto handler = actionHandlers_.find(key);
    if (handler != actionHandlers_.end()) handler->second();
  });
}

void MainWindow::ViewBarAction(const QString& key) {
  RunCommand("View Bar Action", true, [&] { SelectView(session_, key.toStdString()); });
}

QString MainWindow::statusText() const {
  return statusPanel_->text();
}

QString MainWindow::rowCountText() const {
  return rowCountPanel_->text();
}

void MainWindow::ShowModel() {
  const WindowModel& window = session_.window;
  setWindowTitle(WindowTitleText(window.caption));
  lblFilename_->setText(Text(window.lblFilename));
  lblTracks_->setText(Text(window.lblTracks));
  lblTicksPerQtrNote_->setText(Text(window.LblTicksPerQtrNote));
  lblTracklength_->setText(Text(window.lblTracklength));
  lblWarning_->setText(Text(window.lblWarning));
  LayoutControls();
  ShowFilterStatus();
  for (size_t i = 0; i < viewActions_.size(); ++i)
    viewActions_[i]->setChecked(window.viewPressed[i]);
  mnuDecode_->setChecked(window.options.DecodeSysex);
  mnuHideGridlines_->setChecked(window.options.HideGridlines);
  mnuRunningStatus_->setChecked(window.options.MarkRunningStatus);
  listView_->setShowGrid(!window.options.HideGridlines);
  if (relistPending_) {
    relistPending_ = false;
    if (!RoomToShow(session_.window.RowCount())) {
      // The rows were made but cannot be shown: an empty list and the out-of-memory report,
      // as when the listing itself runs out of memory.
      const bool midi = session_.window.PressedView() == "Midi";
      session_.window.DropRows();
      session_.window.lblWarning = "File has errors";
      lblWarning_->setText(Text(session_.window.lblWarning));
      session_.reporter.Report(Failure(kOutOfMemory), midi ? "getMidiList" : "View Bar Action");
    }
    model_->Refresh();
    ApplyColumnWidths();
    ShowSortIndicator();
    const bool fileOpened = std::exchange(fileOpenPending_, false);
    for (DockPanel* dock : docks_) {
      if (fileOpened) dock->NotifyFileOpened();
      dock->NotifyListingChanged();
    }
    if (showFirstRow_) {
      showFirstRow_ = false;
      listView_->scrollToTop();
      listView_->horizontalScrollBar()->setValue(0);
    }
  }
  ShowProgress();
}

void MainWindow::ShowProgress() {
  const WindowModel& window = session_.window;
  int64_t maximum = std::max<int64_t>(window.progressMax, 1);
  int64_t value = std::clamp<int64_t>(window.progressValue, 0, maximum);
  // The bar counts in int; a longer track is shown in thousandths.
  if (maximum > std::numeric_limits<int>::max()) {
    value = value * 1000 / maximum;
    maximum = 1000;
  }
  emit listingProgress(window.progressValue);
  // Setting the value repaints the bar at once when it visibly moves; without an event loop
  // during a listing that is the only way it moves, so it is done at most every 50 ms.
  const bool due = !progressClock_.isValid() || progressClock_.elapsed() >= kProgressRepaintMs;
  if (value != 0 && !due) return;
  progressClock_.restart();
  pbr1_->setMaximum(static_cast<int>(maximum));
  pbr1_->setValue(static_cast<int>(value));
}

void MainWindow::ShowMessage(const std::string& text) {
  BusyCursorPause pause;
  presenter_->Show(this, Text(text));
}

void MainWindow::RememberColumnFit(bool fitHeader) {
  FitMetrics metrics{listView_->fontMetrics(), listView_->horizontalHeader()->fontMetrics()};
  pendingFit_ =
      ColumnFit{HeaderTexts(session_.window), FitColumnWidths(session_.window, metrics, fitHeader)};
}

void MainWindow::ApplyColumnWidths() {
  const WindowModel& window = session_.window;
  std::vector<int> widths;
  for (const Column& column : window.columns) widths.push_back(ToPixels(column.widthTwips));
  if (pendingFit_ && pendingFit_->headers == HeaderTexts(window)) {
    widths = pendingFit_->widths;
  } else {
    // A view the readers do not fit keeps its design widths, but no column cuts its cells.
    FitMetrics metrics{listView_->fontMetrics(), listView_->horizontalHeader()->fontMetrics()};
    const std::vector<int> fitted = FitColumnWidths(window, metrics, false);
    for (size_t c = 0; c < widths.size() && c < fitted.size(); ++c)
      widths[c] = std::max(widths[c], fitted[c]);
  }
  pendingFit_.reset();
  QHeaderView* header = listView_->horizontalHeader();
  for (int c = 0; c < static_cast<int>(widths.size()) && c < header->count(); ++c)
    header->resizeSection(c, widths[static_cast<size_t>(c)]);
  StretchLastColumn();
}

void MainWindow::StretchLastColumn() {
  QHeaderView* header = listView_->horizontalHeader();
  const int last = header->count() - 1;
  if (last < 0 || stretching_) return;
  // Never narrower than the width it was given or dragged to, so no text gets cut.
  const int free = listView_->viewport()->width() - (header->length() - header->sectionSize(last));
  stretching_ = true;
  header->resizeSection(last, std::max(lastColumnWidth_, free));
  stretching_ = false;
}

int MainWindow::ListWidthWanted() const {
  // The Midi view's columns side by side with the list's scroll bar, within the screen.
  int columns = 0;
  for (const Column& column : MidiColumns()) columns += ToPixels(column.widthTwips);
  const int wanted = columns + listView_->verticalScrollBar()->sizeHint().width() +
                     2 * listView_->frameWidth() - PlaceOf("ListView1").width();
  int room = wanted;
  if (const QScreen* shown = screen())
    room =
        shown->availableSize().width() - DesignClientSize().width() - frameSize().width() + width();
  return std::clamp(wanted, 0, std::max(room, 0));
}

void MainWindow::LayoutControls() {
  if (viewBar_ == nullptr || actionBar_ == nullptr) return;  // not built yet
  TopNeeds needs;
  needs.filename = lblFilename_->sizeHint();
  needs.tracks = lblTracks_->sizeHint();
  needs.ticks = lblTicksPerQtrNote_->sizeHint();
  needs.length = lblTracklength_->sizeHint();
  needs.viewBar = ToolBarNeed(viewBar_);
  needs.actionBar = ToolBarNeed(actionBar_);
  needs.frameTitleHeight = frameData_->fontMetrics().height();
  const TopLayout top = LayoutTop(needs);
  frameFilename_->setGeometry(top.frameFilename);
  lblFilename_->setGeometry(top.lblFilename);
  frameData_->setGeometry(top.frameData);
  lblTracks_->setGeometry(top.lblTracks);
  lblTicksPerQtrNote_->setGeometry(top.lblTicks);
  lblTracklength_->setGeometry(top.lblLength);
  // The song's length (Time Column) sits over the file length and moves with it.
  if (auto* length = frameData_->findChild<QLabel*>(QStringLiteral("lblLength")))
    length->setGeometry(top.lblLength.left(), length->y(),
                        std::max(top.lblLength.width(), length->sizeHint().width()),
                        length->height());
  frameViewBar_->setGeometry(top.frameViewBar);
  frameActionBar_->setGeometry(top.frameActionBar);
  viewBar_->setGeometry(top.viewBar);
  actionBar_->setGeometry(top.actionBar);

  const ListArea area = ListAreaFor(client_->size(), top.listTop);
  listView_->setGeometry(area.list);
  const QRect warningDesign = PlaceOf("lblWarning");
  const QSize warningNeed = lblWarning_->sizeHint();
  const QRect warning(warningDesign.left(), area.warningTop,
                      std::max(warningDesign.width(), warningNeed.width()),
                      std::max(warningDesign.height(), warningNeed.height()));
  lblWarning_->setGeometry(warning);
  const QRect barDesign = PlaceOf("pbr1");
  const int barLeft =
      std::max(barDesign.left(), warning.right() + barDesign.left() - warningDesign.right());
  pbr1_->setGeometry(barLeft, area.warningTop, barDesign.width(), barDesign.height());
  client_->setMinimumSize(MinimumClientSize(top, pbr1_->geometry().right() + 1));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ &&
      (event->type() == QEvent::Resize || event->type() == QEvent::FontChange))
    LayoutControls();
  if (listView_ != nullptr && watched == listView_->viewport() && event->type() == QEvent::Resize)
    StretchLastColumn();
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (about_) about_->close();
  event->accept();
}

}  // namespace veltrix::app
