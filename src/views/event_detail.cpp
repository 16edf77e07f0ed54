#include "views/event_detail.h"

#include <algorithm>
#include <span>

#include "core/column_layouts.h"
#include "core/list_rows.h"
#include "core/number_text.h"
#include "timing/clock_text.h"
#include "timing/event_times.h"
#include "universal/sysex_event.h"
#include "universal/universal_decoder.h"

namespace veltrix {

std::vector<HexDumpLine> HexDump(const FileImage& image, int32_t first, int32_t last) {
  std::vector<HexDumpLine> lines;
  if (last < first) return lines;
  const uint8_t* bytes = image.Span(first, int64_t{last} - first + 1);
  const size_t count = static_cast<size_t>(int64_t{last} - first + 1);
  lines.reserve((count + kHexDumpBytesPerLine - 1) / kHexDumpBytesPerLine);
  for (size_t start = 0; start < count; start += kHexDumpBytesPerLine) {
    HexDumpLine line;
    line.offset = static_cast<int32_t>(first + static_cast<int64_t>(start));
    const size_t end = std::min(count, start + kHexDumpBytesPerLine);
    for (size_t i = start; i < end; ++i) {
      if (i > start) line.hex.push_back(' ');
      AppendHexByte(line.hex, bytes[i]);
      line.text.push_back(bytes[i] >= 0x20 && bytes[i] <= 0x7E ? static_cast<char>(bytes[i]) : '.');
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

std::string HexDumpLineText(const HexDumpLine& line) {
  constexpr size_t kHexWidth = kHexDumpBytesPerLine * 3 - 1;
  return ZeroPadded(line.offset, 6) + "  " + PadRight(line.hex, kHexWidth) + "  " + line.text;
}

namespace {

std::string DecodedMessage(const FileImage& image, const EventRecord& event) {
  const int64_t count = int64_t{event.last} - event.first + 1;
  const auto message = universal::SysexMessageOfEvent(
      std::span(image.Span(event.first, count), static_cast<size_t>(count)));
  if (!message) return {};
  return universal::DecodeUniversal(universal::MessageBytes(*message)).value_or(std::string());
}

}  // namespace

std::optional<EventDetail> DescribeEvent(const Session& session, size_t row) {
  const WindowModel& window = session.window;
  const std::string view = window.PressedView();
  const EventIndex& index = window.events;
  if ((view != "Midi" && view != "Ots") || index.view() != view) return std::nullopt;
  if (row >= window.RowCount()) return std::nullopt;
  const std::optional<size_t> commandColumn = ColumnNamed(window.columns, "Command");
  const std::optional<EventRecord> event = index.Of(row);
  if (!commandColumn || !event) return std::nullopt;
  if (event->first > event->last || event->last >= session.image.FileLength()) return std::nullopt;

  EventDetail detail;
  detail.firstByte = event->first;
  detail.lastByte = event->last;
  detail.dump = HexDump(session.image, event->first, event->last);
  detail.command = std::string(ListRows(window).Cell(row, *commandColumn));
  const EventTimes times(session.image, index);
  if (times.GivesTime()) detail.time = ClockText(times.Of(*event));
  if (event->status == 0xF0) detail.decoded = DecodedMessage(session.image, *event);
  return detail;
}

}  // namespace veltrix
