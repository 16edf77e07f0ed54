#include "app/print_preview.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

namespace veltrix::app {

void PreviewDialogPrint::Show(QWidget* parent, const QString& caption,
                              const std::function<void(QPrinter& printer)>& paint) {
  QPrinter printer(QPrinter::HighResolution);
  QPrintPreviewDialog dialog(&printer, parent);
  dialog.setWindowTitle(caption);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&paint](QPrinter* target) { paint(*target); });
  dialog.exec();
}

}  // namespace veltrix::app
