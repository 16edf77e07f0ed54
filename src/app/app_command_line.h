#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace veltrix::app {

// What the window lists from its command line: the command line to open, and the files
// given beside it that are not opened.
struct CommandLineFiles {
  std::string commandLine;
  std::vector<std::string> notOpened;
};

// The window lists one file. The words are joined into one name, as a name with blanks may
// come in several words; only when that joined name is no file but the first word is, the
// words are taken as several files: the first is listed and the others are named.
CommandLineFiles ChooseCommandLineFiles(const std::vector<std::string>& words,
                                        const std::function<bool(const std::string&)>& isFile);

// The message that names the files not opened, one a line.
QString NotOpenedMessage(const std::vector<std::string>& files);

// The text of --version.
QString VersionText();

}  // namespace veltrix::app
