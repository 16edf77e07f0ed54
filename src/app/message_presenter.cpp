#include "app/message_presenter.h"

#include <QMessageBox>
#include <cstdio>

namespace veltrix::app {

void MessageBoxPresenter::Show(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QString::fromLatin1(kApplicationTitle), text,
                  QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

void StandardErrorPresenter::Show(QWidget*, const QString& text) {
  std::fprintf(stderr, "%s: %s\n", kApplicationTitle, text.toLocal8Bit().constData());
}

}  // namespace veltrix::app
