#pragma once

#include <QString>
#include <functional>

class QMenu;

namespace veltrix::app {

// The code pages the Text Encoding menu offers for the files' texts, by the names the lister's
// --codepage takes.
struct TextEncoding {
  const char* name;
  const char* caption;
};

inline constexpr TextEncoding kTextEncodings[] = {
    {"windows-1252", "Western (windows-1252)"},
    {"Shift_JIS", "Japanese (Shift_JIS)"},
    {"windows-1250", "Central European (windows-1250)"},
    {"windows-1251", "Cyrillic (windows-1251)"},
    {"UTF-8", "Unicode (UTF-8)"},
};

// The name of the menu's last entry, "Detect": the code page is guessed for each file.
inline constexpr const char* kDetectEncoding = "auto";

// Adds the "Text Encoding" sub-menu to `parent`: one checkable entry per code page, the first
// checked, then "Detect"; choosing one calls `choose` with its name (kDetectEncoding for
// Detect).
QMenu* AddEncodingMenu(QMenu* parent, const std::function<void(const QString& name)>& choose);

}  // namespace veltrix::app
