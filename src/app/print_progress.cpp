#include "app/print_progress.h"

#include <algorithm>

namespace veltrix::app {

namespace {

constexpr int kShowAfterMs = 500;
constexpr int kSteps = 1000;  // thousandths, as PrintList counts

}  // namespace

PrintProgress::PrintProgress(QWidget* parent)
    : dialog_(QStringLiteral("Laying out the pages..."), QStringLiteral("Cancel"), 0, kSteps,
              parent) {
  dialog_.setObjectName(QStringLiteral("dlgPrintProgress"));
  dialog_.setWindowTitle(QStringLiteral("Print"));
  // Window-modal, so the dialog handles its Cancel button while the list is laid out.
  dialog_.setWindowModality(Qt::WindowModal);
  dialog_.setMinimumDuration(kShowAfterMs);
  dialog_.setAutoReset(false);
  dialog_.setValue(0);
}

PrintProgress::~PrintProgress() {
  dialog_.close();
}

PrintSteps PrintProgress::Steps() {
  return [this](int thousandths) {
    dialog_.setValue(std::max(thousandths, 1));
    return !dialog_.wasCanceled();
  };
}

}  // namespace veltrix::app
