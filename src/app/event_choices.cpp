#include "app/event_choices.h"

#include <QAction>
#include <QEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "midi/channel_events.h"

namespace veltrix::app {

namespace {

constexpr const char* kNoteHint =
    "A note number 0-127 or a name with its octave as the list writes it: C5 is 60, F#3 is 42";
constexpr const char* kNotNoteHint = "Not a note: write a number 0-127 or a name such as C5 or F#3";

// Keeps a menu open while its check boxes are clicked, so several are checked in one go.
class StayOpen : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* menu = qobject_cast<QMenu*>(watched);
    if (menu != nullptr && event->type() == QEvent::MouseButtonRelease) {
      QAction* action = menu->actionAt(static_cast<QMouseEvent*>(event)->position().toPoint());
      if (action != nullptr && action->isCheckable() && action->isEnabled()) {
        action->trigger();
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }
};

QMenu* StayingMenu(QWidget* parent, QObject* keeper) {
  auto* menu = new QMenu(parent);
  menu->installEventFilter(keeper);
  return menu;
}

QAction* CheckAction(QMenu* menu, const QString& text, const QVariant& data) {
  QAction* action = menu->addAction(text);
  action->setCheckable(true);
  action->setData(data);
  return action;
}

QToolButton* MenuButton(QToolBar& bar, const QString& name, QMenu* menu) {
  auto* button = new QToolButton(&bar);
  button->setObjectName(name);
  button->setPopupMode(QToolButton::InstantPopup);
  button->setMenu(menu);
  // Tab goes from the quick choices straight to the list; the menus open with a click.
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

}  // namespace

EventChoices::EventChoices(QToolBar& bar) : QObject(&bar) {
  auto* keeper = new StayOpen(this);

  QMenu* kinds = StayingMenu(&bar, keeper);
  for (size_t i = 0; i < kEventKindNames.size(); ++i) {
    const EventKindName& entry = kEventKindNames[i];
    const QString name = QString::fromLatin1(entry.name.data(), entry.name.size());
    kinds_[i] = CheckAction(kinds, name, name);
    if (entry.kind != EventKind::kControlChange) continue;
    QMenu* controllers = StayingMenu(kinds, keeper);
    controllers->setTitle(QStringLiteral("Controllers"));
    for (int number = 0; number < 128; ++number) {
      const std::string_view named = ControllerName(number);
      controllers_[static_cast<size_t>(number)] = CheckAction(
          controllers,
          QStringLiteral("%1 %2").arg(number).arg(QString::fromLatin1(named.data(), named.size())),
          number);
    }
    kinds->addMenu(controllers);
  }
  kindsButton_ = MenuButton(bar, QStringLiteral("filterKinds"), kinds);
  widgets_.append(bar.addWidget(kindsButton_));

  QMenu* channels = StayingMenu(&bar, keeper);
  for (int channel = 1; channel <= 16; ++channel)
    channels_[static_cast<size_t>(channel - 1)] =
        CheckAction(channels, QStringLiteral("Ch %1").arg(channel), channel);
  channelsButton_ = MenuButton(bar, QStringLiteral("filterChannels"), channels);
  widgets_.append(bar.addWidget(channelsButton_));

  auto noteField = [&](const char* name, const char* placeholder) {
    auto* field = new QLineEdit(&bar);
    field->setObjectName(QString::fromLatin1(name));
    field->setPlaceholderText(QString::fromLatin1(placeholder));
    field->setToolTip(QString::fromLatin1(kNoteHint));
    field->setMaximumWidth(70);
    field->setFocusPolicy(Qt::ClickFocus);
    widgets_.append(bar.addWidget(field));
    connect(field, &QLineEdit::textChanged, this, &EventChoices::Changed);
    return field;
  };
  lowNote_ = noteField("filterLowNote", "notes from");
  highNote_ = noteField("filterHighNote", "to");

  invert_ = bar.addAction(QStringLiteral("Invert"));
  invert_->setObjectName(QStringLiteral("filterInvert"));
  invert_->setCheckable(true);
  invert_->setToolTip(QStringLiteral("Show the rows the filter does not keep"));
  widgets_.append(invert_);

  for (QAction* action : kinds_) connect(action, &QAction::toggled, this, &EventChoices::Changed);
  for (QAction* action : controllers_)
    connect(action, &QAction::toggled, this, &EventChoices::Changed);
  for (QAction* action : channels_)
    connect(action, &QAction::toggled, this, &EventChoices::Changed);
  connect(invert_, &QAction::toggled, this, &EventChoices::Changed);
  ShowCounts();
}

QAction* EventChoices::kindAction(EventKind kind) const {
  for (size_t i = 0; i < kEventKindNames.size(); ++i)
    if (kEventKindNames[i].kind == kind) return kinds_[i];
  return nullptr;
}

int EventChoices::NoteOf(QLineEdit* field) const {
  const std::optional<int> note = ParseNote(field->text().toStdString());
  return note ? *note : -1;
}

EventFilter EventChoices::filter() const {
  EventFilter filter;
  for (size_t i = 0; i < kinds_.size(); ++i)
    if (kinds_[i]->isChecked()) filter.AddKind(kEventKindNames[i].kind);
  for (size_t i = 0; i < channels_.size(); ++i)
    if (channels_[i]->isChecked()) filter.channels |= static_cast<uint16_t>(1u << i);
  for (size_t i = 0; i < controllers_.size(); ++i)
    if (controllers_[i]->isChecked()) filter.controllers.set(i);
  filter.lowNote = NoteOf(lowNote_);
  filter.highNote = NoteOf(highNote_);
  return filter;
}

bool EventChoices::invert() const {
  return invert_->isChecked();
}

void EventChoices::Changed() {
  if (clearing_) return;
  ShowCounts();
  emit changed();
}

// The buttons say how many are checked; a note field that is not a note says so.
void EventChoices::ShowCounts() {
  auto counted = [](const QString& text, auto& actions) {
    const auto checked = std::count_if(actions.begin(), actions.end(),
                                       [](QAction* action) { return action->isChecked(); });
    return checked == 0 ? text : QStringLiteral("%1 (%2)").arg(text).arg(checked);
  };
  kindsButton_->setText(counted(QStringLiteral("Kinds"), kinds_));
  channelsButton_->setText(counted(QStringLiteral("Channels"), channels_));
  for (QLineEdit* field : {lowNote_, highNote_}) {
    const bool wrong = !field->text().trimmed().isEmpty() && NoteOf(field) < 0;
    field->setStyleSheet(wrong ? QStringLiteral("color: red") : QString());
    field->setToolTip(QString::fromLatin1(wrong ? kNotNoteHint : kNoteHint));
  }
}

void EventChoices::Clear() {
  clearing_ = true;
  for (QAction* action : kinds_) action->setChecked(false);
  for (QAction* action : channels_) action->setChecked(false);
  for (QAction* action : controllers_) action->setChecked(false);
  lowNote_->clear();
  highNote_->clear();
  invert_->setChecked(false);
  clearing_ = false;
  Changed();
}

void EventChoices::SetAvailable(bool available) {
  for (QAction* action : widgets_) action->setEnabled(available);
}

QVariantMap EventChoices::Choices() const {
  QStringList kinds;
  for (QAction* action : kinds_)
    if (action->isChecked()) kinds.append(action->data().toString());
  QVariantList channels;
  for (QAction* action : channels_)
    if (action->isChecked()) channels.append(action->data());
  QVariantList controllers;
  for (QAction* action : controllers_)
    if (action->isChecked()) controllers.append(action->data());
  return {{QStringLiteral("kinds"), kinds},
          {QStringLiteral("channels"), channels},
          {QStringLiteral("controllers"), controllers},
          {QStringLiteral("notesFrom"), lowNote_->text()},
          {QStringLiteral("notesTo"), highNote_->text()},
          {QStringLiteral("invert"), invert_->isChecked()}};
}

void EventChoices::SetChoices(const QVariantMap& choices) {
  clearing_ = true;
  const QStringList kinds = choices.value(QStringLiteral("kinds")).toStringList();
  for (QAction* action : kinds_) action->setChecked(kinds.contains(action->data().toString()));
  auto checkNumbers = [&](const char* key, auto& actions) {
    QList<int> numbers;
    for (const QVariant& value : choices.value(QString::fromLatin1(key)).toList())
      numbers.append(value.toInt());
    for (QAction* action : actions) action->setChecked(numbers.contains(action->data().toInt()));
  };
  checkNumbers("channels", channels_);
  checkNumbers("controllers", controllers_);
  lowNote_->setText(choices.value(QStringLiteral("notesFrom")).toString());
  highNote_->setText(choices.value(QStringLiteral("notesTo")).toString());
  invert_->setChecked(choices.value(QStringLiteral("invert")).toBool());
  clearing_ = false;
  Changed();
}

}  // namespace veltrix::app
