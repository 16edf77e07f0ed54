#pragma once

// Stand-ins for the window's message boxes and open dialog, so a benchmark opens a file
// without a user.

#include <optional>
#include <utility>

#include <QString>

#include "app/message_presenter.h"
#include "app/open_dialog.h"

namespace veltrix::bench {

// Counts the messages the window would show instead of showing them.
class CountingPresenter final : public app::MessagePresenter {
 public:
  void Show(QWidget*, const QString&) override { ++shown; }
  int shown = 0;
};

// Chooses one file every time.
class FixedDialog final : public app::OpenDialog {
 public:
  explicit FixedDialog(QString path) : path_(std::move(path)) {}
  std::optional<QString> ChooseFile(QWidget*, const QString&) override { return path_; }

 private:
  QString path_;
};

}  // namespace veltrix::bench
