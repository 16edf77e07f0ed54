#pragma once

namespace veltrix::app {

class MainWindow;

// A key of a menu entry, by the entry's object name; the captions stay as they are.
struct MenuShortcut {
  const char* entry;
  const char* keys;  // in QKeySequence's portable text
};

inline constexpr MenuShortcut kMenuShortcuts[] = {
    {"mnuOpen", "Ctrl+O"},
    {"mnuFindPartialMatch", "Ctrl+F"},
    {"mnuFindNextPartialMatch", "F3"},
    {"mnuCopy", "Ctrl+C"},
    {"mnuPrint", "Ctrl+P"},
    {"mnuHelp", "F1"},
    {"mnuExit", "Ctrl+Q"},
};

// Keys of the filter field: one takes the focus there, Escape in it clears it.
inline constexpr const char* kFilterFieldKeys = "Ctrl+L";

// Gives the window its keys: the menu entries' shortcuts, the filter field's keys, and a tab
// order that goes down the window: the filter bar, the list, then the detail pane.
void AddShortcuts(MainWindow& window);

}  // namespace veltrix::app
