#include "app/window_layout.h"

#include <algorithm>
#include <cmath>

namespace veltrix::app {

namespace {
constexpr int kWarningGapTwips = 100;
}

int ToPixels(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

QRect ToPixels(const TwipsRect& rect) {
  return QRect(ToPixels(rect.left), ToPixels(rect.top), ToPixels(rect.width),
               ToPixels(rect.height));
}

QRect PlaceOf(std::string_view name) {
  for (const ControlPlace& place : kControlPlaces)
    if (name == place.name) return ToPixels(place.rect);
  return {};
}

QSize DesignClientSize() {
  const QRect statusBar = PlaceOf("StatusBar1");
  return QSize(statusBar.width(), statusBar.top());
}

int StatusBarHeight() {
  return PlaceOf("StatusBar1").height();
}

ListArea ListAreaFor(QSize client) {
  const QRect start = PlaceOf("ListView1");
  const QSize design = DesignClientSize();
  const int width = std::max(start.width(), start.width() + client.width() - design.width());
  const int height = std::max(start.height(), start.height() + client.height() - design.height());
  ListArea area;
  area.list = QRect(start.left(), start.top(), width, height);
  area.warningTop = start.top() + height + ToPixels(kWarningGapTwips);
  return area;
}

}  // namespace veltrix::app
