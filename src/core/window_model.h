#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/event_index.h"
#include "core/row_table.h"

namespace veltrix {

enum class Alignment { Left = 0, Right = 1, Centre = 2 };

struct Column {
  std::string header;
  int widthTwips = 0;
  Alignment alignment = Alignment::Left;
  std::string tag;  // "NUMBER" or "TIME" for a column whose cells are sorted by value
};

// The option flags of the Options menu; they live as long as the program.
struct Options {
  bool DecodeSysex = true;
  bool MarkRunningStatus = false;
  bool HideGridlines = false;
  bool TimeColumn = false;  // the Time column and the length label
  // GM, GS and universal system-exclusive messages read as text in the Command column.
  bool DecodeUniversal = false;
};

// The sort setting of the list: it stays between clicks, listings and views.
struct ListSort {
  int order = 1;        // 0 ascending, 1 descending; starts descending so the first click ascends
  size_t key = 0;       // the column sorted by
  bool sorted = false;  // once switched on, every later listing is sorted the same way
};

// The view keys of the Viewbar buttons, in button order.
inline constexpr std::array<const char*, 4> kViewKeys = {"Midi", "Casm", "Ots", "Mfd"};

struct WindowModel;
class RowMaker;

// Writes the cells with `plain` put in before cell `place` (taken as `count` when larger) to
// `out`, which has room for count + 1, and returns count + 1.
size_t PutCellIn(const std::string_view* cells, size_t count, size_t place, std::string_view plain,
                 std::string_view* out);

// Where the rows of a listing go as they are made: the window's row table with the event
// index beside it, or a writer that puts them out at once (the lister) and keeps nothing.
class RowSink {
 public:
  virtual ~RowSink() = default;
  // Called once the columns, caption and pressed view are set, before the first row.
  virtual void BeginRows(const WindowModel& window) = 0;
  // One row and what the walk knows of its event.
  virtual void Row(const std::string_view* cells, size_t count, const EventRecord& record) = 0;
  // A row with one cell more, `plain`, before cell `place` (at most `count`): a column added
  // to the walk's, whose texts need no escaping in any format (no TAB, CR, LF, backslash,
  // comma or quote). Writers take it without first copying the cells into a new row.
  virtual void RowWithPlainCell(const std::string_view* cells, size_t count, size_t place,
                                std::string_view plain, const EventRecord& record);
  // A tempo change the walk met, for the times of the kept rows; a writer has no use for it.
  virtual void Tempo(int32_t /*tick*/, int32_t /*microsecondsPerQuarter*/) {}
  // A change of the measure state by the event at `first` (a Time Signature event).
  virtual void MeasureChanged(int32_t /*first*/, const MeasureState& /*state*/) {}
  // False for a sink that keeps only the records: the walk then steps over each event without
  // making its texts, and hands on rows without cells.
  virtual bool WantsTexts() const { return true; }
  // For a sink without texts: true when the texts whose making can report a fault are still
  // to be made (and dropped), so the reports come as with texts.
  virtual bool WantsReports() const { return false; }
};

// Keeps the walk's records, tempo changes and measure changes in an index and asks for no
// texts: for the window, whose rows are then made from the records when they are shown, and
// for readers that need only where the events lie and when (the overview, the lyrics).
class IndexRows final : public RowSink {
 public:
  // With `reports`, the texts whose making can report a fault are still made and dropped, so
  // the reports of a listing come as when every text is made (the window's listing).
  enum class Reports { Skipped, Made };
  explicit IndexRows(EventIndex& index, Reports reports = Reports::Skipped)
      : index_(index), reports_(reports) {
    index_.Start("Midi");
  }
  void BeginRows(const WindowModel&) override {}
  void Row(const std::string_view*, size_t, const EventRecord& record) override {
    index_.Add(record);
  }
  void RowWithPlainCell(const std::string_view*, size_t, size_t, std::string_view,
                        const EventRecord& record) override {
    index_.Add(record);
  }
  void Tempo(int32_t tick, int32_t microsecondsPerQuarter) override {
    index_.AddTempo(tick, microsecondsPerQuarter);
  }
  void MeasureChanged(int32_t first, const MeasureState& state) override {
    index_.AddMeasureChange(first, state);
  }
  bool WantsTexts() const override { return false; }
  bool WantsReports() const override { return reports_ == Reports::Made; }

 private:
  EventIndex& index_;
  Reports reports_;
};

// Everything the main window shows, as plain data. The readers write into it; the Qt window
// and the lister only present it.
struct WindowModel {
  std::string caption = "Veltrix";
  std::string fileName;  // the current file's full path (the open dialog's file name)

  std::vector<Column> columns;
  RowTable rows;      // the rows kept as text (none while `rowMaker` makes them)
  EventIndex events;  // one record per row in the Midi and Ots views
  // Set when the rows are made from `events` and the file image when they are shown, one
  // per record and in the records' order; `rows` then holds none.
  std::shared_ptr<const RowMaker> rowMaker;
  int16_t CasmRowCounter = 0;  // the number of the Casm view's next row
  bool listVisible = true;

  std::string lblFilename;
  std::string lblTracks;
  std::string LblTicksPerQtrNote;
  std::string lblTracklength;
  std::string lblWarning;
  std::string lblLength;  // "Length: m:ss" with the Time Column option, else empty
  // The time of the last event of the latest Midi listing, in microseconds, whatever the
  // option: the length label of every view comes from it. Nothing when the division gives no
  // time or the listing failed.
  std::optional<int64_t> songMicroseconds;
  std::string statusText;  // StatusBar1, panel 1

  std::array<bool, 4> viewPressed{};  // Viewbar buttons Midi, Casm, Ots, Mfd
  bool busy = false;                  // the hourglass pointer is shown

  int64_t progressMax = 0;  // pbr1
  int64_t progressValue = 0;
  // Called each time the readers move pbr1, so a window can repaint it during a listing.
  std::function<void()> onProgress;

  // Called when a reader asks the list to size its columns to their content (and header).
  std::function<void(bool fitHeader)> onFitColumns;

  Options options;
  ListSort sort;

  // The key of the pressed view button, or "" when none is pressed.
  std::string PressedView() const {
    for (size_t i = 0; i < viewPressed.size(); ++i)
      if (viewPressed[i]) return kViewKeys[i];
    return {};
  }
  void SetColumns(std::vector<Column> layout) {
    columns = std::move(layout);
    rows.SetColumnCount(columns.size());
    events.Clear();
    rowMaker.reset();
  }
  // The number of rows of the list, kept or made.
  size_t RowCount() const { return rowMaker ? events.size() : rows.size(); }
  // Empties the list and gives back the memory its rows and records took: what a listing that
  // ran out of memory leaves, so that the window can go on.
  void DropRows() {
    rows = RowTable();
    rows.SetColumnCount(columns.size());
    events.Start(events.view());
    rowMaker.reset();
  }
  // Adds a row of the Midi or Ots view with the record of its event.
  void AddEventRow(const std::string_view* cells, size_t count, const EventRecord& record) {
    rows.AddRow(cells, count);
    events.Add(record);
  }
  // Reorders the rows, and their records with them: row i becomes row order[i].
  void PermuteRows(const std::vector<uint32_t>& order) {
    if (rows.size() == order.size()) rows.Permute(order);
    if (events.size() == order.size()) events.Permute(order);
  }
  void FitColumns(bool fitHeader) {
    if (onFitColumns) onFitColumns(fitHeader);
  }
  void SetProgress(int64_t value) {
    progressValue = value;
    if (onProgress) onProgress();
  }
};

// The window's own sink: rows into its table, records into its event index.
class WindowRows final : public RowSink {
 public:
  explicit WindowRows(WindowModel& window) : window_(window) {}
  void BeginRows(const WindowModel&) override {}
  void Row(const std::string_view* cells, size_t count, const EventRecord& record) override {
    window_.AddEventRow(cells, count, record);
  }
  void RowWithPlainCell(const std::string_view* cells, size_t count, size_t place,
                        std::string_view plain, const EventRecord& record) override;
  void Tempo(int32_t tick, int32_t microsecondsPerQuarter) override {
    window_.events.AddTempo(tick, microsecondsPerQuarter);
  }
  void MeasureChanged(int32_t first, const MeasureState& state) override {
    window_.events.AddMeasureChange(first, state);
  }

 private:
  WindowModel& window_;
};

}  // namespace veltrix
