#include "app/encoding_menu.h"

#include <QActionGroup>
#include <QMenu>

namespace veltrix::app {

QMenu* AddEncodingMenu(QMenu* parent, const std::function<void(const QString& name)>& choose) {
  QMenu* menu = parent->addMenu(QStringLiteral("Text Encoding"));
  menu->setObjectName(QStringLiteral("mnuTextEncoding"));
  auto* group = new QActionGroup(menu);
  bool first = true;
  for (const TextEncoding& encoding : kTextEncodings) {
    const QString name = QString::fromLatin1(encoding.name);
    QAction* action = menu->addAction(QString::fromLatin1(encoding.caption));
    action->setObjectName(QStringLiteral("mnuEncoding_") + name);
    action->setData(name);
    action->setCheckable(true);
    action->setChecked(first);
    first = false;
    group->addAction(action);
    QObject::connect(action, &QAction::triggered, menu, [choose, name] { choose(name); });
  }
  menu->addSeparator();
  const QString detectName = QString::fromLatin1(kDetectEncoding);
  QAction* detect = menu->addAction(QStringLiteral("Detect"));
  detect->setObjectName(QStringLiteral("mnuEncoding_") + detectName);
  detect->setData(detectName);
  detect->setCheckable(true);
  group->addAction(detect);
  QObject::connect(detect, &QAction::triggered, menu, [choose, detectName] { choose(detectName); });
  return menu;
}

}  // namespace veltrix::app
