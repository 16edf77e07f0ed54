#pragma once

#include <QString>
#include <optional>

class QMimeData;

namespace veltrix::app {

// The file a drop opens: the first local file among the dropped URLs; nothing when the drop
// carries no local file.
std::optional<QString> FirstLocalFile(const QMimeData* data);

}  // namespace veltrix::app
