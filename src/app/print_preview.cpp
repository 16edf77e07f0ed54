#include "app/print_preview.h"

#include <QLocale>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace veltrix::app {

QString LongListQuestion(int pages) {
  return QStringLiteral(
             "The list fills about %1 pages. Laying them out for the preview takes a while; it "
             "can be cancelled. Go on?")
      .arg(QLocale().toString(pages));
}

bool PrintPreview::AgreeToLongList(QWidget* parent, int pages) {
  return QMessageBox::question(parent, QString::fromLatin1(kPrintPreviewCaption),
                               LongListQuestion(pages)) == QMessageBox::Yes;
}

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
