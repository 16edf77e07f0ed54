#include "app/search_prompt.h"

#include <QInputDialog>

namespace veltrix::app {

QString InputDialogSearchPrompt::Ask(QWidget* parent, const QString& prompt, const QString& title,
                                     const QString& preset) {
  bool accepted = false;
  const QString text =
      QInputDialog::getText(parent, title, prompt, QLineEdit::Normal, preset, &accepted);
  return accepted ? text : QString();
}

}  // namespace veltrix::app
