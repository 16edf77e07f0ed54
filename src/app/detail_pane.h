#pragma once

#include <QDockWidget>
#include <QString>
#include <optional>

#include "views/event_detail.h"

class QPlainTextEdit;

namespace veltrix::app {

// The pane beside the list with the selected event of the Midi or Ots view: where its bytes
// lie, its time, its bytes as a hex dump and its decoded text in full.
class DetailPane : public QDockWidget {
  Q_OBJECT

 public:
  explicit DetailPane(QWidget* parent = nullptr);

  // Shows the event, or a hint when the row has no event detail.
  void ShowDetail(const std::optional<EventDetail>& detail);
  QString text() const;

 private:
  QPlainTextEdit* text_ = nullptr;
};

// What the pane shows for an event.
QString DetailText(const EventDetail& detail);

inline constexpr const char* kNoDetailText =
    "Select a row of the Midi or OTS view to see its bytes.";

}  // namespace veltrix::app
