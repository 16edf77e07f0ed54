#include "app/shortcuts.h"

#include <QAction>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTableView>

#include "app/detail_pane.h"
#include "app/filter_bar.h"
#include "app/main_window.h"

namespace veltrix::app {

void AddShortcuts(MainWindow& window) {
  for (const MenuShortcut& shortcut : kMenuShortcuts) {
    auto* action = window.findChild<QAction*>(QString::fromLatin1(shortcut.entry));
    if (action != nullptr) action->setShortcut(QKeySequence(QString::fromLatin1(shortcut.keys)));
  }

  QLineEdit* field = window.filterBar()->textField();
  auto* toField = new QShortcut(QKeySequence(QString::fromLatin1(kFilterFieldKeys)), &window);
  QObject::connect(toField, &QShortcut::activated, field, [field] {
    field->setFocus(Qt::ShortcutFocusReason);
    field->selectAll();
  });
  // Escape in the filter bar clears the text and every choice.
  FilterBar* bar = window.filterBar();
  auto* clear = new QShortcut(QKeySequence(Qt::Key_Escape), bar);
  clear->setContext(Qt::WidgetWithChildrenShortcut);
  QObject::connect(clear, &QShortcut::activated, bar, &FilterBar::ClearAll);

  // Tab leaves the list instead of moving from cell to cell; the arrow keys move in it.
  window.listView()->setTabKeyNavigation(false);
  QWidget* order[] = {field, window.filterBar()->typeChoice(), window.filterBar()->channelChoice(),
                      window.listView(), window.detailPane()->widget()};
  for (size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
  // The list keeps the focus the window starts with.
  window.listView()->setFocus(Qt::OtherFocusReason);
}

}  // namespace veltrix::app
