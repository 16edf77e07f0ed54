#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/event_index.h"
#include "core/list_rows.h"
#include "core/row_table.h"
#include "core/window_model.h"
#include "views/event_filter.h"

namespace veltrix {

// What the filter bar keeps: rows with a cell containing `text` (ASCII letter case ignored),
// whose "Type" cell is `type` and whose "Ch" cell is `channel`. An empty text or type and a
// channel of 0 keep every row; a type or channel asked of a view without that column too.
// The event choices hold for the rows of a view with an event index; `invert` keeps the
// rows the rest of the criteria do not.
struct RowFilterCriteria {
  std::string text;
  std::string type;
  int channel = 0;  // 1 to 16, 0 for any
  EventFilter events = {};
  bool invert = false;

  bool Active() const { return !text.empty() || !type.empty() || channel != 0 || events.Active(); }
  bool operator==(const RowFilterCriteria&) const = default;
};

// Where the event choices read the rows' events: the listing's index and the file image.
struct RowEvents {
  const EventIndex& index;
  std::span<const uint8_t> image;
};

// The quick choices for the "Type" column, as the Midi view writes them.
inline constexpr std::array<const char*, 3> kFilterTypes = {"Metadata", "Sysex Command",
                                                            "Midi Event"};

// The indices of the rows the criteria keep, in table order. Without `events` (or with an
// index that is not the rows'), the event choices keep every row.
std::vector<uint32_t> FilterRows(const ListRows& rows, const std::vector<Column>& columns,
                                 const RowFilterCriteria& criteria,
                                 const RowEvents* events = nullptr);

// A table of the given rows of `rows`, in the given order.
RowTable RowsAt(const ListRows& rows, const std::vector<uint32_t>& indices);

// "N of M rows", for the status bar while a filter hides rows.
std::string FilteredRowsText(size_t shown, size_t total);

}  // namespace veltrix
