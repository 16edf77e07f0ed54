#include "app/universal_option.h"

#include <QAction>
#include <QMenu>

#include "app/main_window.h"

namespace veltrix::app {

void AddUniversalDecodeOption(MainWindow& window) {
  WindowModel& model = window.session().window;
  auto* options = window.findChild<QMenu*>(QStringLiteral("mnuOptions"));
  QAction* decode = options->addAction(QStringLiteral("Decode GM/GS/Universal"));
  decode->setObjectName(QStringLiteral("mnuDecodeUniversal"));
  decode->setCheckable(true);
  decode->setChecked(model.options.DecodeUniversal);
  QObject::connect(decode, &QAction::toggled, &window, [&window, &model](bool checked) {
    model.options.DecodeUniversal = checked;
    const std::string view = model.PressedView();
    if (!view.empty() && !model.fileName.empty())
      window.ViewBarAction(QString::fromStdString(view));
  });
}

}  // namespace veltrix::app
