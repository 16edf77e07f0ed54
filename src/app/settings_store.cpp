#include "app/settings_store.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>
#include <QSettings>
#include <QTableView>
#include <QTimer>

#include "app/encoding_menu.h"
#include "app/main_window.h"
#include "app/row_table_model.h"

namespace veltrix::app {

namespace {

constexpr const char* kGeometryKey = "window/geometry";
constexpr const char* kStateKey = "window/state";
constexpr const char* kEncodingKey = "list/textEncoding";
constexpr const char* kLastFolderKey = "open/lastFolder";
constexpr const char* kTimeColumnKey = "list/timeColumn";

QString ColumnsKey(MainWindow& window, const char* part) {
  const std::string view = window.session().window.PressedView();
  return QStringLiteral("columns/%1/%2")
      .arg(QString::fromStdString(view), QString::fromLatin1(part));
}

QStringList Headers(const QAbstractItemModel& model) {
  QStringList headers;
  for (int c = 0; c < model.columnCount(); ++c)
    headers.append(model.headerData(c, Qt::Horizontal).toString());
  return headers;
}

}  // namespace

std::unique_ptr<QSettings> UserSettings() {
  return std::make_unique<QSettings>(QStringLiteral("Veltrix"), QStringLiteral("Veltrix"));
}

WindowSettings::WindowSettings(MainWindow& window, QSettings& settings)
    : QObject(&window), window_(window), settings_(settings) {
  window_.installEventFilter(this);

  // A listing sets the widths its readers ask for once the command is over; only widths
  // changed after that are the user's.
  RowTableModel* model = window_.tableModel();
  connect(model, &QAbstractItemModel::modelAboutToBeReset, this, [this] { placing_ = true; });
  connect(model, &QAbstractItemModel::modelReset, this, [this] {
    QTimer::singleShot(0, this, [this] {
      ApplyColumns();
      placing_ = false;
    });
  });
  connect(window_.listView()->horizontalHeader(), &QHeaderView::sectionResized, this, [this] {
    if (!placing_) SaveColumns();
  });

  if (auto* timeColumn = window_.findChild<QAction*>(QStringLiteral("mnuTimeColumn")))
    connect(timeColumn, &QAction::toggled, this, [this](bool checked) {
      settings_.setValue(QString::fromLatin1(kTimeColumnKey), checked);
    });
  for (QAction* action : window_.findChildren<QAction*>()) {
    if (!action->objectName().startsWith(QStringLiteral("mnuEncoding_"))) continue;
    connect(action, &QAction::triggered, this, [this, action] {
      settings_.setValue(QString::fromLatin1(kEncodingKey), action->data());
    });
  }
}

void WindowSettings::Restore() {
  const QByteArray geometry = settings_.value(QString::fromLatin1(kGeometryKey)).toByteArray();
  if (!geometry.isEmpty()) window_.restoreGeometry(geometry);
  const QByteArray state = settings_.value(QString::fromLatin1(kStateKey)).toByteArray();
  if (!state.isEmpty()) window_.restoreState(state);

  if (settings_.value(QString::fromLatin1(kTimeColumnKey)).toBool())
    if (auto* timeColumn = window_.findChild<QAction*>(QStringLiteral("mnuTimeColumn")))
      timeColumn->setChecked(true);

  const QString encoding = settings_.value(QString::fromLatin1(kEncodingKey)).toString();
  if (encoding == QLatin1String(kDetectEncoding))
    if (auto* detect = window_.findChild<QAction*>(QStringLiteral("mnuEncoding_") + encoding))
      detect->trigger();
  for (const TextEncoding& known : kTextEncodings) {
    if (encoding != QString::fromLatin1(known.name)) continue;
    auto* action = window_.findChild<QAction*>(QStringLiteral("mnuEncoding_") + encoding);
    if (action != nullptr) action->setChecked(true);
    window_.session().codePage = CodePage(known.name);
  }
}

bool WindowSettings::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_ && event->type() == QEvent::Close) SaveWindow();
  return QObject::eventFilter(watched, event);
}

void WindowSettings::SaveWindow() {
  settings_.setValue(QString::fromLatin1(kGeometryKey), window_.saveGeometry());
  settings_.setValue(QString::fromLatin1(kStateKey), window_.saveState());
  settings_.sync();
}

void WindowSettings::SaveColumns() {
  QHeaderView* header = window_.listView()->horizontalHeader();
  QStringList widths;
  for (int c = 0; c < header->count(); ++c) widths.append(QString::number(header->sectionSize(c)));
  settings_.setValue(ColumnsKey(window_, "headers"), Headers(*window_.tableModel()));
  settings_.setValue(ColumnsKey(window_, "widths"), widths);
}

void WindowSettings::ApplyColumns() {
  const QStringList headers = settings_.value(ColumnsKey(window_, "headers")).toStringList();
  const QStringList widths = settings_.value(ColumnsKey(window_, "widths")).toStringList();
  if (headers.isEmpty() || headers != Headers(*window_.tableModel()) ||
      widths.size() != headers.size())
    return;
  QHeaderView* header = window_.listView()->horizontalHeader();
  for (int c = 0; c < widths.size(); ++c) {
    bool number = false;
    const int width = widths[c].toInt(&number);
    if (number && width > 0) header->resizeSection(c, width);
  }
}

RememberingOpenDialog::RememberingOpenDialog(std::unique_ptr<OpenDialog> dialog,
                                             QSettings& settings)
    : dialog_(std::move(dialog)), settings_(settings) {}

std::optional<QString> RememberingOpenDialog::ChooseFile(QWidget* parent,
                                                         const QString& currentFile) {
  QString start = currentFile;
  const QString folder = settings_.value(QString::fromLatin1(kLastFolderKey)).toString();
  // A folder with a closing separator: the dialog opens in it with no file chosen.
  if (start.isEmpty() && !folder.isEmpty() && QFileInfo(folder).isDir())
    start = QDir(folder).absolutePath() + u'/';
  std::optional<QString> chosen = dialog_->ChooseFile(parent, start);
  if (chosen)
    settings_.setValue(QString::fromLatin1(kLastFolderKey), QFileInfo(*chosen).absolutePath());
  return chosen;
}

}  // namespace veltrix::app
