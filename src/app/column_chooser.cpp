#include "app/column_chooser.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QTableView>

namespace veltrix::app {

namespace {

QString HeaderOf(const QTableView& list, int column) {
  return list.model()->headerData(column, Qt::Horizontal).toString();
}

}  // namespace

ColumnChooser::ColumnChooser(QTableView& list, std::function<QString()> view)
    : QObject(&list), list_(list), view_(std::move(view)) {
  QHeaderView* header = list_.horizontalHeader();
  header->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(header, &QWidget::customContextMenuRequested, this, [this, header](const QPoint& at) {
    QMenu* menu = MakeMenu(header);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(header->mapToGlobal(at));
  });
  // A new listing resets the header; the view's hidden columns are hidden again.
  connect(list_.model(), &QAbstractItemModel::modelReset, this, &ColumnChooser::Apply);
}

QStringList ColumnChooser::Hidden(const QString& view) const {
  const auto found = hidden_.find(view);
  return found == hidden_.end() ? QStringList() : found->second;
}

void ColumnChooser::SetHidden(const QString& view, const QStringList& headers) {
  hidden_[view] = headers;
  if (view == view_()) Apply();
}

QMenu* ColumnChooser::MakeMenu(QWidget* parent) {
  auto* menu = new QMenu(parent);
  menu->setObjectName(QStringLiteral("columnMenu"));
  const int count = list_.model()->columnCount();
  for (int column = 1; column < count; ++column) {
    QAction* action = menu->addAction(HeaderOf(list_, column));
    action->setCheckable(true);
    action->setChecked(!list_.isColumnHidden(column));
    connect(action, &QAction::toggled, this, [this, column](bool shown) { Toggle(column, shown); });
  }
  return menu;
}

void ColumnChooser::Toggle(int column, bool shown) {
  if (column <= 0 || column >= list_.model()->columnCount()) return;
  list_.setColumnHidden(column, !shown);
  const QString view = view_();
  // Headers hidden in this view that the list lacks now (the Time column) stay hidden.
  QStringList headers;
  for (int c = 0; c < list_.model()->columnCount(); ++c) headers.append(HeaderOf(list_, c));
  QStringList hidden;
  for (const QString& header : Hidden(view))
    if (!headers.contains(header)) hidden.append(header);
  for (int c = 1; c < headers.size(); ++c)
    if (list_.isColumnHidden(c)) hidden.append(headers[c]);
  hidden_[view] = hidden;
  emit hiddenChanged(view);
}

void ColumnChooser::Apply() {
  const QStringList hidden = Hidden(view_());
  // The first column always shows.
  for (int column = 0; column < list_.model()->columnCount(); ++column)
    list_.setColumnHidden(column, column > 0 && hidden.contains(HeaderOf(list_, column)));
}

std::vector<bool> ShownColumns(const QTableView& list) {
  std::vector<bool> shown;
  const int count = list.model() != nullptr ? list.model()->columnCount() : 0;
  for (int column = 0; column < count; ++column) shown.push_back(!list.isColumnHidden(column));
  return shown;
}

}  // namespace veltrix::app
