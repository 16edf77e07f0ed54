#pragma once

#include <QAbstractTableModel>
#include <vector>

#include "core/window_model.h"

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

  // Takes over the window model's columns and rows as they stand now.
  void Refresh();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  const WindowModel& window_;
  std::vector<Column> columns_;
  int rows_ = 0;
};

// The Qt alignment of a column.
Qt::Alignment QtAlignment(Alignment alignment);

}  // namespace veltrix::app
