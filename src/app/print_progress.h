#pragma once

#include <QProgressDialog>

#include "app/list_printer.h"

namespace veltrix::app {

// The progress of laying out and drawing a printed list, with a Cancel button. It shows once
// the work has taken half a second, so a short list prints without it.
class PrintProgress final {
 public:
  explicit PrintProgress(QWidget* parent);
  ~PrintProgress();
  PrintProgress(const PrintProgress&) = delete;
  PrintProgress& operator=(const PrintProgress&) = delete;

  // The steps PrintList reports to: false once Cancel was pressed.
  PrintSteps Steps();
  QProgressDialog& dialog() { return dialog_; }

 private:
  QProgressDialog dialog_;
};

}  // namespace veltrix::app
