#pragma once

#include <QIcon>

class QWidget;

namespace veltrix::app {

// The icon with an image for twice `size` where it has none: its own image of `size` with
// every pixel doubled, so at 200 % it stays as sharp as at 100 % instead of being smoothed.
QIcon WithDoubleSizeImage(const QIcon& icon, const QSize& size);

// Gives every tool-bar button below `parent` such an image for its icon size.
void SharpenToolBarIcons(QWidget& parent);

}  // namespace veltrix::app
