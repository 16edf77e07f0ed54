#pragma once

#include <QStyle>
#include <span>

namespace veltrix::app {

// The menu bar: each top-level entry with its sub-entries (none for an entry that is a
// command itself). Captions are exact: the leading blanks push the last two entries right.
struct MenuEntry {
  const char* name;
  const char* caption;
};

inline constexpr MenuEntry kFindEntries[] = {
    {"mnuFindPartialMatch", "Partial Match"},
    {"mnuFindExactMatch", "Exact Match"},
};
inline constexpr MenuEntry kFindNextEntries[] = {
    {"mnuFindNextPartialMatch", "Partial Match"},
    {"mnuFindNextExactMatch", "Exact Match"},
};
inline constexpr MenuEntry kOptionEntries[] = {
    {"mnuDecode", " Decode Sysex Commands"},
    {"mnuHideGridlines", "Hide Gridlines"},
    {"mnuRunningStatus", "Use * to ID RunningStatus"},
};

struct TopMenu {
  const char* name;
  const char* caption;
  std::span<const MenuEntry> entries;
};

inline constexpr TopMenu kMenuBar[] = {
    {"mnuOpen", "&Open", {}},
    {"mnuPrint", "&Print", {}},
    {"mnuFind", "&Find", kFindEntries},
    {"mnuFindNext", "Find &Next", kFindNextEntries},
    {"mnuCopy", "&Copy", {}},
    {"mnuOptions", "O&ptions", kOptionEntries},
    {"mnuExit", "E&xit", {}},
    {"mnuHelp", "               Info/&Help", {}},
    {"mnuAbout", "            &About", {}},
};

// A tool-bar button: its key, its caption and its image (a theme icon, else a standard one).
struct ToolButton {
  const char* key;
  const char* caption;
  const char* themeIcon;
  QStyle::StandardPixmap standardIcon;
};

inline constexpr ToolButton kViewButtons[] = {
    {"Midi", " Midi   ", "audio-x-generic", QStyle::SP_MediaPlay},
    {"Casm", "Casm", "view-list-details", QStyle::SP_FileDialogDetailedView},
    {"Ots", "OTS", "view-list-text", QStyle::SP_FileDialogListView},
    {"Mfd", "MFD", "folder-music", QStyle::SP_DirIcon},
};

inline constexpr ToolButton kActionButtons[] = {
    {"Open", "Open   ", "document-open", QStyle::SP_DialogOpenButton},
    {"Find", "Find", "edit-find", QStyle::SP_FileDialogContentsView},
    {"Next", "Next", "go-next", QStyle::SP_ArrowForward},
    {"Copy", "Copy", "edit-copy", QStyle::SP_FileDialogNewFolder},
    {"Print", "Print", "document-print", QStyle::SP_DriveFDIcon},
    {"Options", "Options", "preferences-system", QStyle::SP_FileDialogInfoView},
    {"Exit", "Exit", "application-exit", QStyle::SP_DialogCloseButton},
};

}  // namespace veltrix::app
