#include "app/filter_settings.h"

#include <QSettings>

#include "app/column_chooser.h"
#include "app/event_choices.h"
#include "app/filter_bar.h"
#include "app/main_window.h"
#include "core/window_model.h"

namespace veltrix::app {

namespace {

constexpr const char* kChoicesGroup = "filter";

QString HiddenKey(const QString& view) {
  return QStringLiteral("columns/%1/hidden").arg(view);
}

}  // namespace

FilterSettings::FilterSettings(MainWindow& window, QSettings& settings)
    : QObject(&window), window_(window), settings_(settings) {
  EventChoices* choices = window_.filterBar()->eventChoices();
  connect(choices, &EventChoices::changed, this, [this, choices] {
    const QVariantMap values = choices->Choices();
    settings_.beginGroup(QString::fromLatin1(kChoicesGroup));
    for (auto value = values.begin(); value != values.end(); ++value)
      settings_.setValue(value.key(), value.value());
    settings_.endGroup();
  });
  if (auto* chooser = window_.findChild<ColumnChooser*>()) {
    connect(chooser, &ColumnChooser::hiddenChanged, this, [this, chooser](const QString& view) {
      settings_.setValue(HiddenKey(view), chooser->Hidden(view));
    });
  }
}

void FilterSettings::Restore() {
  settings_.beginGroup(QString::fromLatin1(kChoicesGroup));
  QVariantMap values;
  for (const QString& key : settings_.childKeys()) values.insert(key, settings_.value(key));
  settings_.endGroup();
  if (!values.isEmpty()) window_.filterBar()->eventChoices()->SetChoices(values);

  if (auto* chooser = window_.findChild<ColumnChooser*>()) {
    for (const char* view : kViewKeys) {
      const QString name = QString::fromLatin1(view);
      const QStringList hidden = settings_.value(HiddenKey(name)).toStringList();
      if (!hidden.isEmpty()) chooser->SetHidden(name, hidden);
    }
  }
}

}  // namespace veltrix::app
