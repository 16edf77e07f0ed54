#pragma once

#include <QString>
#include <optional>

#include "app/dock_panel.h"
#include "views/event_detail.h"

class QPlainTextEdit;

namespace veltrix::app {

// The pane beside the list with the selected event of the Midi or Ots view: where its bytes
// lie, its time, its bytes as a hex dump and its decoded text in full. It follows the list's
// current row.
class DetailPane : public DockPanel {
  Q_OBJECT

 public:
  explicit DetailPane(DockHost& host, QWidget* parent = nullptr);

  // Shows the event, or a hint when the row has no event detail.
  void ShowDetail(const std::optional<EventDetail>& detail);
  QString text() const;
  int ContentWidth() const override;

 protected:
  void ListingChanged() override { ShowCurrentRow(); }
  void CurrentRowChanged() override { ShowCurrentRow(); }

 private:
  void ShowCurrentRow();

  QPlainTextEdit* text_ = nullptr;
};

// What the pane shows for an event.
QString DetailText(const EventDetail& detail);

inline constexpr const char* kNoDetailText =
    "Select a row of the Midi or OTS view to see its bytes.";

}  // namespace veltrix::app
