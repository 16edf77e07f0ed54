#include "app/hidpi_icons.h"

#include <QAction>
#include <QPixmap>
#include <QToolBar>

namespace veltrix::app {

QIcon WithDoubleSizeImage(const QIcon& icon, const QSize& size) {
  const QSize doubled = size * 2;
  for (const QSize& available : icon.availableSizes())
    if (available.width() >= doubled.width() && available.height() >= doubled.height()) return icon;
  const QPixmap image = icon.pixmap(size, 1.0);
  if (image.isNull()) return icon;
  QIcon sharper;
  for (QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
    const QPixmap own = icon.pixmap(size, 1.0, mode);
    sharper.addPixmap(own, mode);
    sharper.addPixmap(own.scaled(doubled, Qt::KeepAspectRatio, Qt::FastTransformation), mode);
  }
  return sharper;
}

void SharpenToolBarIcons(QWidget& parent) {
  for (QToolBar* bar : parent.findChildren<QToolBar*>())
    for (QAction* action : bar->actions())
      if (!action->icon().isNull())
        action->setIcon(WithDoubleSizeImage(action->icon(), bar->iconSize()));
}

}  // namespace veltrix::app
