#include "app/drop_opener.h"

#include <QMimeData>
#include <QUrl>

namespace veltrix::app {

std::optional<QString> FirstLocalFile(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return std::nullopt;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile() && !url.toLocalFile().isEmpty()) return url.toLocalFile();
  return std::nullopt;
}

}  // namespace veltrix::app
