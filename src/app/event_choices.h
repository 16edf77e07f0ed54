#pragma once

#include <QObject>
#include <QVariantMap>
#include <array>

#include "views/event_filter.h"

class QAction;
class QLineEdit;
class QMenu;
class QToolBar;
class QToolButton;

namespace veltrix::app {

// The filter bar's choices of events: a menu of kinds (with the controllers of Control
// Change), a menu of channels, a note range and the invert switch. Several may be checked in
// a menu, which stays open while the user checks.
class EventChoices : public QObject {
  Q_OBJECT

 public:
  explicit EventChoices(QToolBar& bar);

  EventFilter filter() const;
  bool invert() const;
  // Unchecks and empties everything, with one changed() at the end.
  void Clear();
  // Greyed out in a view whose rows have no events.
  void SetAvailable(bool available);

  // The choices as plain values (kind names, channel and controller numbers, note texts,
  // invert) to keep between runs; SetChoices takes back what Choices gave, skipping what it
  // does not know.
  QVariantMap Choices() const;
  void SetChoices(const QVariantMap& choices);

  QToolButton* kindsButton() const { return kindsButton_; }
  QToolButton* channelsButton() const { return channelsButton_; }
  QAction* kindAction(EventKind kind) const;
  QAction* channelAction(int channel) const { return channels_[static_cast<size_t>(channel - 1)]; }
  QAction* controllerAction(int controller) const {
    return controllers_[static_cast<size_t>(controller)];
  }
  QLineEdit* lowNoteField() const { return lowNote_; }
  QLineEdit* highNoteField() const { return highNote_; }
  QAction* invertAction() const { return invert_; }

 signals:
  void changed();

 private:
  void Changed();
  void ShowCounts();
  int NoteOf(QLineEdit* field) const;

  QToolButton* kindsButton_ = nullptr;
  QToolButton* channelsButton_ = nullptr;
  std::array<QAction*, kEventKindNames.size()> kinds_{};
  std::array<QAction*, 16> channels_{};
  std::array<QAction*, 128> controllers_{};
  QLineEdit* lowNote_ = nullptr;
  QLineEdit* highNote_ = nullptr;
  QAction* invert_ = nullptr;
  QList<QAction*> widgets_;
  bool clearing_ = false;
};

}  // namespace veltrix::app
