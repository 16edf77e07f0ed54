#pragma once

#include <QString>
#include <optional>

namespace veltrix::app {

// What the Help and About commands ask of the desktop: open a document with its viewer, find
// and start a program. Tests put a stub in its place, so no viewer or program starts.
class DesktopServices {
 public:
  virtual ~DesktopServices() = default;
  // True when the desktop took the document on.
  virtual bool OpenDocument(const QString& path) = 0;
  // The full path of a program found on the search path.
  virtual std::optional<QString> FindProgram(const QString& name) = 0;
  // True when the program was started.
  virtual bool StartProgram(const QString& path) = 0;
};

// The desktop's own document handler and the program search path. A document whose type has
// no program in the desktop's database (xdg-mime) is not handed on, so the caller can say so.
class SystemDesktop final : public DesktopServices {
 public:
  bool OpenDocument(const QString& path) override;
  std::optional<QString> FindProgram(const QString& name) override;
  bool StartProgram(const QString& path) override;
};

// False when the desktop's database (xdg-mime) names no program for the file's type: an
// opener would then start and fail on its own, unseen. Where it cannot be asked, a program is
// taken to be there.
bool HasViewerFor(const QString& path);

}  // namespace veltrix::app
