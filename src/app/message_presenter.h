#pragma once

#include <QString>

class QWidget;

namespace veltrix::app {

inline constexpr const char* kApplicationTitle = "Veltrix";

// Shows one plain message: OK button only, the application title as title. The window shows
// every message and error report through this, so tests can record them instead.
class MessagePresenter {
 public:
  virtual ~MessagePresenter() = default;
  virtual void Show(QWidget* parent, const QString& text) = 0;
};

// A modal message box.
class MessageBoxPresenter final : public MessagePresenter {
 public:
  void Show(QWidget* parent, const QString& text) override;
};

// One line on standard error per message, for runs without a user (smoke tests,
// screenshots), where a modal box would wait for ever.
class StandardErrorPresenter final : public MessagePresenter {
 public:
  void Show(QWidget* parent, const QString& text) override;
};

}  // namespace veltrix::app
