#pragma once

#include <QToolBar>
#include <vector>

#include "core/window_model.h"
#include "views/row_filter.h"

class QAction;
class QComboBox;
class QLineEdit;

namespace veltrix::app {

class EventChoices;

// The bar above the list that narrows it: a text field and quick choices for the Type and
// the Ch column, each choice shown only while the view has its column; then the choices of
// events (kinds, channels, notes, invert) and a Clear button shown while anything is set.
class FilterBar : public QToolBar {
  Q_OBJECT

 public:
  explicit FilterBar(QWidget* parent = nullptr);

  RowFilterCriteria criteria() const;
  // Shows the quick choices the view's columns allow.
  void SetColumns(const std::vector<Column>& columns);
  // Empties the text and every choice, with one criteriaChanged() at the end.
  void ClearAll();

  QLineEdit* textField() const { return text_; }
  QComboBox* typeChoice() const { return type_; }
  QComboBox* channelChoice() const { return channel_; }
  EventChoices* eventChoices() const { return events_; }
  QAction* clearAction() const { return clear_; }

 signals:
  void criteriaChanged();

 private:
  QLineEdit* text_ = nullptr;
  QComboBox* type_ = nullptr;
  QComboBox* channel_ = nullptr;
  QAction* typeAction_ = nullptr;
  QAction* channelAction_ = nullptr;
  EventChoices* events_ = nullptr;
  QAction* clear_ = nullptr;
  bool clearing_ = false;

  void Changed();
};

// The bar's fixed height, which the window adds to its start size so the list keeps its own.
int FilterBarHeight();

}  // namespace veltrix::app
