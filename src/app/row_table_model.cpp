#include "app/row_table_model.h"

#include "app/display_text.h"

#include <algorithm>
#include <limits>

namespace veltrix::app {

RowTableModel::RowTableModel(const WindowModel& window, QObject* parent)
    : QAbstractTableModel(parent), window_(window) {
  columns_ = window_.columns;
  ApplyFilter();
}

void RowTableModel::Refresh() {
  beginResetModel();
  columns_ = window_.columns;
  ApplyFilter();
  endResetModel();
  emit filterApplied();
}

void RowTableModel::SetFilter(const RowFilterCriteria& criteria) {
  beginResetModel();
  filter_ = criteria;
  ApplyFilter();
  endResetModel();
  emit filterApplied();
}

void RowTableModel::ApplyFilter() {
  tableRows_ = window_.RowCount();
  shown_.reset();
  if (filter_.Active()) {
    std::optional<RowEvents> events;
    if (image_ != nullptr && !window_.events.view().empty())
      events.emplace(RowEvents{window_.events, image_->bytes()});
    std::vector<uint32_t> kept =
        FilterRows(ListRows(window_), columns_, filter_, events ? &*events : nullptr);
    if (kept.size() != tableRows_) shown_ = std::move(kept);
  }
  const size_t count = shown_ ? shown_->size() : tableRows_;
  rows_ = static_cast<int>(std::min<size_t>(count, std::numeric_limits<int>::max()));
}

size_t RowTableModel::TableRow(int shownRow) const {
  if (shownRow < 0) return tableRows_;
  const auto row = static_cast<size_t>(shownRow);
  if (!shown_) return row;
  return row < shown_->size() ? (*shown_)[row] : tableRows_;
}

ListRows RowTableModel::ShownRows() const {
  return ListRows(window_, ShownTableRows());
}

int RowTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int RowTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

Qt::Alignment QtAlignment(Alignment alignment) {
  switch (alignment) {
    case Alignment::Right:
      return Qt::AlignRight | Qt::AlignVCenter;
    case Alignment::Centre:
      return Qt::AlignHCenter | Qt::AlignVCenter;
    case Alignment::Left:
      break;
  }
  return Qt::AlignLeft | Qt::AlignVCenter;
}

QVariant RowTableModel::data(const QModelIndex& index, int role) const {
  if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
    return {};
  switch (role) {
    case Qt::DisplayRole: {
      // Read afresh: a listing in progress may have replaced the rows since the last Refresh().
      const ListRows rows(window_);
      const size_t row = TableRow(index.row());
      return row < rows.size() ? DisplayText(rows.Cell(row, static_cast<size_t>(index.column())))
                               : DisplayText({});
    }
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(
          QtAlignment(columns_[static_cast<size_t>(index.column())].alignment));
    default:
      return {};
  }
}

QVariant RowTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= static_cast<int>(columns_.size()))
    return {};
  const Column& column = columns_[static_cast<size_t>(section)];
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromUtf8(column.header.data(), static_cast<qsizetype>(column.header.size()));
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(QtAlignment(column.alignment));
    case kColumnTagRole:
      return QString::fromUtf8(column.tag.data(), static_cast<qsizetype>(column.tag.size()));
    default:
      return {};
  }
}

Qt::ItemFlags RowTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

}  // namespace veltrix::app
