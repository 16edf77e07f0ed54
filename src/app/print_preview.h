#pragma once

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace veltrix::app {

inline constexpr const char* kPrintPreviewCaption = "Print Preview";

// Shows a print preview and prints from it; tests put a stub in its place.
class PrintPreview {
 public:
  virtual ~PrintPreview() = default;
  // `paint` draws the document on the printer it is given, for the preview and for the print.
  virtual void Show(QWidget* parent, const QString& caption,
                    const std::function<void(QPrinter& printer)>& paint) = 0;
  // Asked before a list of about `pages` pages is laid out; true to go on. The desktop's
  // question box unless a test answers.
  virtual bool AgreeToLongList(QWidget* parent, int pages);
};

// The question asked before a long list is laid out.
QString LongListQuestion(int pages);

// Qt's print preview dialog over a high-resolution printer.
class PreviewDialogPrint final : public PrintPreview {
 public:
  void Show(QWidget* parent, const QString& caption,
            const std::function<void(QPrinter& printer)>& paint) override;
};

}  // namespace veltrix::app
