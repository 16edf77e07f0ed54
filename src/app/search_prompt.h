#pragma once

#include <QString>

class QWidget;

namespace veltrix::app {

inline constexpr const char* kSearchPromptText = "Enter item to search for";
inline constexpr const char* kSearchPromptTitle = "Text Search";

// The input prompt of the Find commands; tests put a stub in its place.
class SearchPrompt {
 public:
  virtual ~SearchPrompt() = default;
  // The text the user entered, `preset` offered as the answer; empty when the user cancels.
  virtual QString Ask(QWidget* parent, const QString& prompt, const QString& title,
                      const QString& preset) = 0;
};

// A Qt input dialog.
class InputDialogSearchPrompt final : public SearchPrompt {
 public:
  QString Ask(QWidget* parent, const QString& prompt, const QString& title,
              const QString& preset) override;
};

}  // namespace veltrix::app
