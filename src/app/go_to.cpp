#include "app/go_to.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>
#include <optional>
#include <string>

#include "app/main_window.h"
#include "app/row_table_model.h"
#include "app/window_layout.h"
#include "timing/go_to.h"
#include "timing/time_column_sort.h"

namespace veltrix::app {

namespace {

// Over the right end of the Data frame's caption line, clear of its three labels.
constexpr TwipsRect kLengthPlace = {3015, 15, 1800, 225};

constexpr const char* kNoMarkersText = "No markers in this file";
constexpr int kStatusMessageMs = 5000;
// The dialog's kind of place, kept on the window between dialogs.
constexpr const char* kKindProperty = "goToKind";

struct KindChoice {
  GoToPlace::Kind kind;
  const char* caption;
  const char* forms;
};
constexpr KindChoice kKinds[] = {
    {GoToPlace::Kind::Measure, "Measure", "Measure (12, 12:3, 12:03:240):"},
    {GoToPlace::Kind::Time, "Time", "Time (0:30, 1:23.5, 1:02:03.5, 83.5s):"},
    {GoToPlace::Kind::Offset, "Offset", "File offset (1234, #1234, 0x4D2):"},
};

// The rows the list shows as table rows, when a filter hides some; nothing while it shows all.
std::optional<ShownRows> ShownTableRows(const MainWindow& window) {
  const RowTableModel& model = *window.tableModel();
  if (!model.Filtered()) return std::nullopt;
  ShownRows rows(static_cast<size_t>(model.rowCount()));
  for (size_t row = 0; row < rows.size(); ++row) rows[row] = model.TableRow(static_cast<int>(row));
  return rows;
}

QString GoTo(MainWindow& window, GoToPlace::Kind kind, const QString& entry) {
  std::string error;
  const std::optional<GoToPlace> place = ReadGoToEntryAs(kind, entry.toStdString(), error);
  if (!place) return QString::fromStdString(error);
  const std::optional<ShownRows> shown = ShownTableRows(window);
  const std::optional<size_t> row =
      FirstRowAtOrAfter(window.session(), *place, error, shown ? &*shown : nullptr);
  if (!row) return QString::fromStdString(error);
  window.SelectListRow(static_cast<int32_t>(*row) + 1);
  return {};
}

void JumpToMarker(MainWindow& window, bool forward) {
  const QModelIndex current = window.listView()->currentIndex();
  std::optional<size_t> from;
  if (current.isValid()) from = static_cast<size_t>(current.row());
  const std::optional<ShownRows> shown = ShownTableRows(window);
  const std::optional<size_t> row =
      MarkerRow(window.session(), from, forward, shown ? &*shown : nullptr);
  if (row) {
    window.SelectListRow(static_cast<int32_t>(*row) + 1);
    return;
  }
  // Past the last marker nothing happens; with none at all the user is told why.
  if (!MarkerRow(window.session(), std::nullopt, true, shown ? &*shown : nullptr))
    window.statusBar()->showMessage(QString::fromLatin1(kNoMarkersText), kStatusMessageMs);
}

// The list moves its current row on Ctrl+Up and Ctrl+Down itself, before a window shortcut
// sees the keys: while it has the focus they go to the marker jumps instead.
class MarkerKeys final : public QObject {
 public:
  MarkerKeys(QObject* parent, QAction* next, QAction* previous)
      : QObject(parent), next_(next), previous_(previous) {}

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
      return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    QAction* action = nullptr;
    if (key->modifiers() == Qt::ControlModifier && key->key() == Qt::Key_Down) action = next_;
    if (key->modifiers() == Qt::ControlModifier && key->key() == Qt::Key_Up) action = previous_;
    if (action == nullptr) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) action->trigger();
    event->accept();
    return true;
  }

 private:
  QAction* next_;
  QAction* previous_;
};

QAction* AddCommand(QMenu* menu, const char* name, const char* caption, QKeySequence keys) {
  QAction* action = menu->addAction(QString::fromLatin1(caption));
  action->setObjectName(QString::fromLatin1(name));
  action->setShortcut(keys);
  return action;
}

}  // namespace

GoToDialog::GoToDialog(QWidget* parent, GoToPlace::Kind kind, Go go)
    : QDialog(parent), go_(std::move(go)) {
  setObjectName(QStringLiteral("dlgGoTo"));
  setWindowTitle(QStringLiteral("Go To"));
  auto* layout = new QVBoxLayout(this);
  kind_ = new QComboBox(this);
  kind_->setObjectName(QStringLiteral("cboGoToKind"));
  for (const KindChoice& choice : kKinds) {
    kind_->addItem(QString::fromLatin1(choice.caption));
    if (choice.kind == kind) kind_->setCurrentIndex(kind_->count() - 1);
  }
  layout->addWidget(kind_);
  forms_ = new QLabel(this);
  forms_->setObjectName(QStringLiteral("lblGoToForms"));
  layout->addWidget(forms_);
  entry_ = new QLineEdit(this);
  entry_->setObjectName(QStringLiteral("txtGoTo"));
  layout->addWidget(entry_);
  reason_ = new QLabel(this);
  reason_->setObjectName(QStringLiteral("lblGoToReason"));
  reason_->setWordWrap(true);
  reason_->setTextFormat(Qt::PlainText);
  layout->addWidget(reason_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &GoToDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &GoToDialog::reject);
  layout->addWidget(buttons);
  connect(kind_, &QComboBox::currentIndexChanged, this, &GoToDialog::ShowForms);
  ShowForms();
  entry_->setFocus();
}

GoToPlace::Kind GoToDialog::kind() const {
  return kKinds[std::clamp(kind_->currentIndex(), 0, static_cast<int>(std::size(kKinds)) - 1)].kind;
}

void GoToDialog::ShowForms() {
  for (const KindChoice& choice : kKinds)
    if (choice.kind == kind()) forms_->setText(QString::fromLatin1(choice.forms));
  reason_->clear();
}

void GoToDialog::accept() {
  const QString reason = go_(kind(), entry_->text());
  reason_->setText(reason);
  if (reason.isEmpty()) {
    QDialog::accept();
    return;
  }
  // Taller at the same width, so every line of the reason shows.
  layout()->activate();
  resize(width(), std::max(height(), layout()->totalHeightForWidth(width())));
}

void AddTimeCommands(MainWindow& window) {
  WindowModel& model = window.session().window;

  auto* options = window.findChild<QMenu*>(QStringLiteral("mnuOptions"));
  QAction* timeColumn = options->addAction(QStringLiteral("Time Column"));
  timeColumn->setObjectName(QStringLiteral("mnuTimeColumn"));
  timeColumn->setCheckable(true);
  timeColumn->setChecked(model.options.TimeColumn);

  auto* data = window.findChild<QGroupBox*>(QStringLiteral("Frame4"));
  auto* length = new QLabel(data);
  length->setObjectName(QStringLiteral("lblLength"));
  length->setTextFormat(Qt::PlainText);
  length->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  length->setGeometry(ToPixels(kLengthPlace));
  length->hide();
  auto showLength = [&model, length] {
    length->setText(QString::fromStdString(model.lblLength));
    length->setVisible(model.options.TimeColumn && !model.lblLength.empty());
  };
  QObject::connect(window.tableModel(), &RowTableModel::filterApplied, length, showLength);

  QObject::connect(timeColumn, &QAction::toggled, &window, [&window, &model](bool checked) {
    model.options.TimeColumn = checked;
    const std::string view = model.PressedView();
    if (view.empty() || model.fileName.empty()) return;
    // The sort stays on its column; a sort by the Time column leaves the rows in time order.
    const std::optional<int> timeOrder = FollowTimeColumn(model, checked);
    window.ViewBarAction(QString::fromStdString(view));
    if (timeOrder) {
      OrderRowsByTime(window.session(), *timeOrder);
      window.tableModel()->Refresh();
    }
  });
  QObject::connect(timeColumn, &QAction::toggled, length, showLength);

  auto* find = window.findChild<QMenu*>(QStringLiteral("mnuFind"));
  find->addSeparator();
  QAction* goTo = AddCommand(find, "mnuGoTo", "Go To...", QKeySequence(Qt::CTRL | Qt::Key_G));
  QObject::connect(goTo, &QAction::triggered, &window, [&window] {
    const QVariant kept = window.property(kKindProperty);
    const auto kind =
        kept.isValid() ? static_cast<GoToPlace::Kind>(kept.toInt()) : GoToPlace::Kind::Measure;
    auto* dialog =
        new GoToDialog(&window, kind, [&window](GoToPlace::Kind chosen, const QString& entry) {
          window.setProperty(kKindProperty, static_cast<int>(chosen));
          return GoTo(window, chosen, entry);
        });
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(dialog, &QDialog::finished, &window, [&window, dialog] {
      window.setProperty(kKindProperty, static_cast<int>(dialog->kind()));
    });
    dialog->open();
  });
  QAction* next =
      AddCommand(find, "mnuNextMarker", "Next Marker", QKeySequence(Qt::CTRL | Qt::Key_Down));
  QObject::connect(next, &QAction::triggered, &window, [&window] { JumpToMarker(window, true); });
  QAction* previous =
      AddCommand(find, "mnuPreviousMarker", "Previous Marker", QKeySequence(Qt::CTRL | Qt::Key_Up));
  QObject::connect(previous, &QAction::triggered, &window,
                   [&window] { JumpToMarker(window, false); });
  window.listView()->installEventFilter(new MarkerKeys(window.listView(), next, previous));
}

}  // namespace veltrix::app
