#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/session.h"
#include "timing/event_times.h"

namespace veltrix {

// A place in a listing that Go To asks for.
struct GoToPlace {
  enum class Kind { Measure, Time, Offset };
  Kind kind = Kind::Measure;
  int64_t measure = 1, beat = 1, tick = 0;  // from 1, from 1, from 0
  int64_t microseconds = 0;
  int64_t offset = 0;  // a byte of the file image
};

// Reads a Go To entry: a measure "12", "12:3" or "12:03:240"; a time "1:23.5", "1:02:03.5",
// "83.5" or "83.5s"; a file offset "#1234" or "0x4D2". A time is told from a measure by its
// decimal point or its "s". Nothing, with the reason in `error`, for anything else.
std::optional<GoToPlace> ReadGoToEntry(std::string_view entry, std::string& error);

// Reads a Go To entry as the kind of place the user chose: a measure "12", "12:3" or
// "12:03:240"; a time "0:30", "1:23.5", "1:02:03.5" or "83.5s"; a file offset "1234", "#1234"
// or "0x4D2". Nothing, with the reason in `error`, for anything else.
std::optional<GoToPlace> ReadGoToEntryAs(GoToPlace::Kind kind, std::string_view entry,
                                         std::string& error);

// Tells which rows lie at or after a place: from the measure grid of the first Time
// Signature, at or after the clock time, or holding or following the byte.
class GoToTarget {
 public:
  // Nothing, with the reason in `error`, when the view the window shows cannot tell.
  static std::optional<GoToTarget> For(const Session& session, const GoToPlace& place,
                                       std::string& error);
  // True when table row `row` lies at or after the place.
  bool Reached(size_t row) const;

 private:
  GoToTarget(const Session& session, const GoToPlace& place) : session_(&session), place_(place) {}
  const Session* session_;
  GoToPlace place_;
  std::optional<int64_t> tick_;
  std::optional<EventTimes> times_;
};

// The rows a list shows, in its order, as rows of the window's table; nullptr for all of
// them. The functions below answer with a place in this order.
using ShownRows = std::vector<size_t>;

// The first row, in the list's order, that lies at or after `place`. Nothing, with the
// reason in `error`, when no row does or the view cannot tell.
std::optional<size_t> FirstRowAtOrAfter(const Session& session, const GoToPlace& place,
                                        std::string& error, const ShownRows* shown = nullptr);

// True when the event of table row `row` is a Marker meta event: in a style, a section.
bool IsMarkerRow(const Session& session, size_t row);

// The next row after `from` (or, with `forward` false, the row before it) in the list's order
// whose event is a Marker; `from` nothing starts before the first or after the last row.
// Nothing when there is none that way.
std::optional<size_t> MarkerRow(const Session& session, std::optional<size_t> from, bool forward,
                                const ShownRows* shown = nullptr);

}  // namespace veltrix
