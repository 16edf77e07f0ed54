#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace veltrix::app {

class DesktopServices;

// Where the manual is looked for, in order: the program's own folder, then the installed
// documentation folders.
QStringList ManualFolders();

// The path of the manual in the first of `folders` that holds it.
std::optional<QString> FindManual(const QStringList& folders);

// Opens the manual with the desktop's viewer; false when it is missing or was not opened.
bool OpenManual(const QStringList& folders, DesktopServices& desktop);

}  // namespace veltrix::app
