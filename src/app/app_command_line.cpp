#include "app/app_command_line.h"

#include <QFile>

#include "views/about_info.h"

namespace veltrix::app {

CommandLineFiles ChooseCommandLineFiles(const std::vector<std::string>& words,
                                        const std::function<bool(const std::string&)>& isFile) {
  CommandLineFiles files;
  for (size_t i = 0; i < words.size(); ++i) {
    if (i > 0) files.commandLine.push_back(' ');
    files.commandLine.append(words[i]);
  }
  if (words.size() < 2 || isFile(files.commandLine) || !isFile(words.front())) return files;
  files.commandLine = words.front();
  files.notOpened.assign(words.begin() + 1, words.end());
  return files;
}

QString NotOpenedMessage(const std::vector<std::string>& files) {
  QString text = QStringLiteral("Veltrix lists one file at a time. Not opened:");
  for (const std::string& file : files)
    text += u'\n' + QFile::decodeName(QByteArray::fromStdString(file));
  return text;
}

QString VersionText() {
  return QStringLiteral("veltrix %1.%2.%3\n")
      .arg(kVersionMajor)
      .arg(kVersionMinor)
      .arg(kVersionRevision);
}

}  // namespace veltrix::app
