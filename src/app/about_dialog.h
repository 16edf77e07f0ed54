#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

class QLabel;
class QPushButton;

namespace veltrix::app {

class DesktopServices;

// The About box frmAbout: the title, the version, a credit line, OK and "&System Info...".
// It is modeless and closing it (OK) deletes it.
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  // `startSysInfo` is what "&System Info..." runs.
  AboutDialog(std::function<void()> startSysInfo, QWidget* parent);

 private:
  std::function<void()> startSysInfo_;
};

// The desktop's system-information programs, in the order they are looked for.
inline constexpr const char* kSysInfoTools[] = {"hardinfo", "gnome-system-monitor", "kinfocenter",
                                                "lshw-gtk"};

// The first of kSysInfoTools found on the program search path.
std::optional<std::string> FindSysInfoTool(DesktopServices& desktop);

// Starts the system-information program; `showMessage` gets "System Information Is
// Unavailable At This Time" when there is none or it does not start.
void StartSystemInformation(DesktopServices& desktop,
                            const std::function<void(const QString& text)>& showMessage);

}  // namespace veltrix::app
