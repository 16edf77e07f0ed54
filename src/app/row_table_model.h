#pragma once

#include <QAbstractTableModel>
#include <optional>
#include <vector>

#include "core/file_image.h"
#include "core/list_rows.h"
#include "core/window_model.h"
#include "views/row_filter.h"

namespace veltrix::app {

// The list's rows as a Qt table model, read straight from the window model's RowTable: no
// object per cell, texts made only for the cells on screen.
//
// The readers change the RowTable while a command runs; the counts the view sees are the
// ones taken at the last Refresh(), and cells outside the table read as empty, so a repaint
// in the middle of a command (behind a message box) is always safe.
class RowTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  // Holds the column tag ("NUMBER" or empty) in the horizontal header data.
  static constexpr int kColumnTagRole = Qt::UserRole + 1;

  explicit RowTableModel(const WindowModel& window, QObject* parent = nullptr);

  // Takes over the window model's columns and rows as they stand now, and applies the filter
  // to them again.
  void Refresh();

  // Shows only the rows the criteria keep; the model's rows are then the shown rows, in
  // table order.
  void SetFilter(const RowFilterCriteria& criteria);
  const RowFilterCriteria& filter() const { return filter_; }
  // The file image the window's event index points into, for the filter's event choices;
  // without it those choices keep every row.
  void SetEventImage(const FileImage* image) { image_ = image; }
  // True while the filter hides rows.
  bool Filtered() const { return shown_.has_value(); }
  // The table row (0-based) behind a shown row.
  size_t TableRow(int shownRow) const;
  // The table rows taken at the last Refresh().
  size_t TableRows() const { return tableRows_; }
  // The shown rows (the window's rows when nothing is hidden), read as they are now.
  ListRows ShownRows() const;
  // The table rows shown, in list order, until the next Refresh() or filter change; nullptr
  // while every row is shown.
  const std::vector<uint32_t>* ShownTableRows() const { return shown_ ? &*shown_ : nullptr; }

 signals:
  // The rows shown were worked out again: after every Refresh() and filter change.
  void filterApplied();

 public:
  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  const WindowModel& window_;
  void ApplyFilter();

  std::vector<Column> columns_;
  int rows_ = 0;
  size_t tableRows_ = 0;
  RowFilterCriteria filter_;
  const FileImage* image_ = nullptr;
  std::optional<std::vector<uint32_t>> shown_;  // nothing while every row is shown
};

// The Qt alignment of a column.
Qt::Alignment QtAlignment(Alignment alignment);

}  // namespace veltrix::app
