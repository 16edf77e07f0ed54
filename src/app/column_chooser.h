#pragma once

#include <QObject>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <vector>

class QMenu;
class QTableView;

namespace veltrix::app {

// The list header's right-click menu: every column but the first can be shown or hidden.
// The hidden columns are kept by header text for each view and hidden again whenever that
// view is listed.
class ColumnChooser : public QObject {
  Q_OBJECT

 public:
  // `view` names the view the list shows now.
  ColumnChooser(QTableView& list, std::function<QString()> view);

  // The headers hidden in `view`.
  QStringList Hidden(const QString& view) const;
  // Hides these headers in `view` (and shows its others), at once if it is the view listed.
  void SetHidden(const QString& view, const QStringList& headers);
  // The menu the header's right-click shows, for the list as it is now.
  QMenu* MakeMenu(QWidget* parent);

 signals:
  // The user showed or hid a column of `view`.
  void hiddenChanged(const QString& view);

 private:
  void Apply();
  void Toggle(int column, bool shown);

  QTableView& list_;
  std::function<QString()> view_;
  std::map<QString, QStringList> hidden_;
};

// Which of the list's columns are shown, in model order.
std::vector<bool> ShownColumns(const QTableView& list);

}  // namespace veltrix::app
