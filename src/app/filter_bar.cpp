#include "app/filter_bar.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "app/event_choices.h"

namespace veltrix::app {

namespace {

bool HasColumn(const std::vector<Column>& columns, const char* header) {
  return std::any_of(columns.begin(), columns.end(),
                     [header](const Column& column) { return column.header == header; });
}

}  // namespace

int FilterBarHeight() {
  return 28;
}

FilterBar::FilterBar(QWidget* parent) : QToolBar(parent) {
  setObjectName(QStringLiteral("FilterBar"));
  setWindowTitle(QStringLiteral("Filter"));
  setMovable(false);
  setFloatable(false);
  setFixedHeight(FilterBarHeight());

  addWidget(new QLabel(QStringLiteral(" Filter: "), this));
  text_ = new QLineEdit(this);
  text_->setObjectName(QStringLiteral("filterText"));
  text_->setPlaceholderText(QStringLiteral("text in any column"));
  text_->setClearButtonEnabled(true);
  text_->setMaximumWidth(220);
  addWidget(text_);

  type_ = new QComboBox(this);
  type_->setObjectName(QStringLiteral("filterType"));
  type_->addItem(QStringLiteral("Any type"), QString());
  for (const char* type : kFilterTypes)
    type_->addItem(QString::fromLatin1(type), QString::fromLatin1(type));
  typeAction_ = addWidget(type_);

  channel_ = new QComboBox(this);
  channel_->setObjectName(QStringLiteral("filterChannel"));
  channel_->addItem(QStringLiteral("Any channel"), 0);
  for (int channel = 1; channel <= 16; ++channel)
    channel_->addItem(QStringLiteral("Ch %1").arg(channel), channel);
  channelAction_ = addWidget(channel_);

  events_ = new EventChoices(*this);
  clear_ = addAction(QStringLiteral("Clear"));
  clear_->setObjectName(QStringLiteral("filterClear"));
  clear_->setToolTip(QStringLiteral("Show every row (Esc)"));
  clear_->setVisible(false);

  connect(text_, &QLineEdit::textChanged, this, &FilterBar::Changed);
  connect(type_, &QComboBox::currentIndexChanged, this, &FilterBar::Changed);
  connect(channel_, &QComboBox::currentIndexChanged, this, &FilterBar::Changed);
  connect(events_, &EventChoices::changed, this, &FilterBar::Changed);
  connect(clear_, &QAction::triggered, this, &FilterBar::ClearAll);
}

void FilterBar::Changed() {
  if (clearing_) return;
  clear_->setVisible(!text_->text().isEmpty() || type_->currentIndex() > 0 ||
                     channel_->currentIndex() > 0 || events_->filter().Active() ||
                     events_->invert());
  emit criteriaChanged();
}

void FilterBar::ClearAll() {
  clearing_ = true;
  text_->clear();
  type_->setCurrentIndex(0);
  channel_->setCurrentIndex(0);
  events_->Clear();
  clearing_ = false;
  Changed();
}

RowFilterCriteria FilterBar::criteria() const {
  RowFilterCriteria criteria;
  criteria.text = text_->text().toStdString();
  if (typeAction_->isVisible()) criteria.type = type_->currentData().toString().toStdString();
  if (channelAction_->isVisible()) criteria.channel = channel_->currentData().toInt();
  criteria.events = events_->filter();
  criteria.invert = events_->invert();
  return criteria;
}

void FilterBar::SetColumns(const std::vector<Column>& columns) {
  typeAction_->setVisible(HasColumn(columns, "Type"));
  channelAction_->setVisible(HasColumn(columns, "Ch"));
}

}  // namespace veltrix::app
