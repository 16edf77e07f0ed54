#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/row_table.h"

namespace veltrix {

enum class Alignment { Left = 0, Right = 1, Centre = 2 };

struct Column {
  std::string header;
  int widthTwips = 0;
  Alignment alignment = Alignment::Left;
  std::string tag;  // "NUMBER" for a column whose cells are sorted by value
};

// The option flags of the Options menu; they live as long as the program.
struct Options {
  bool DecodeSysex = true;
  bool MarkRunningStatus = false;
  bool HideGridlines = false;
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

// Takes the rows of a Midi listing as they are made, in place of the row table: the lister
// writes a listing out at once instead of keeping rows it would only read back once.
class RowStream {
 public:
  virtual ~RowStream() = default;
  // Called once the columns, caption and pressed view are set, before the first row.
  virtual void BeginRows(const WindowModel& window) = 0;
  virtual void Row(const std::string_view* cells, size_t count) = 0;
};

// Everything the main window shows, as plain data. The readers write into it; the Qt window
// and the lister only present it.
struct WindowModel {
  std::string caption = "Veltrix";
  std::string fileName;  // the current file's full path (the open dialog's file name)

  std::vector<Column> columns;
  RowTable rows;
  bool listVisible = true;

  std::string lblFilename;
  std::string lblTracks;
  std::string LblTicksPerQtrNote;
  std::string lblTracklength;
  std::string lblWarning;
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

  // When set, the next Midi listing hands its rows to it, once, and leaves `rows` empty;
  // an unsorted listing only, since sorting needs every row first.
  RowStream* rowStream = nullptr;

  // The key of the pressed view button, or "" when none is pressed.
  std::string PressedView() const {
    for (size_t i = 0; i < viewPressed.size(); ++i)
      if (viewPressed[i]) return kViewKeys[i];
    return {};
  }
  void SetColumns(std::vector<Column> layout) {
    columns = std::move(layout);
    rows.SetColumnCount(columns.size());
  }
  void FitColumns(bool fitHeader) {
    if (onFitColumns) onFitColumns(fitHeader);
  }
  void SetProgress(int64_t value) {
    progressValue = value;
    if (onProgress) onProgress();
  }
};

}  // namespace veltrix
