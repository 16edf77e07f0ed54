#pragma once

#include <QString>
#include <string_view>

namespace veltrix::app {

// A cell as the window shows it (list, detail pane, printout): decoded from UTF-8, the NUL
// bytes that pad a text to its field's end left out, and every other control character
// shown as its visible symbol (U+2400 and the code, U+2421 for DEL), so that none shows as
// an empty box or moves text out of its cell. The rows themselves keep the exact bytes for
// copying, exporting and searching.
QString DisplayText(std::string_view cell);

}  // namespace veltrix::app
