#include "app/start_options.h"

namespace veltrix::app {

StartOptions ParseStartArguments(const std::vector<std::string>& arguments) {
  StartOptions options;
  size_t next = 0;
  for (; next < arguments.size(); ++next) {
    const std::string& argument = arguments[next];
    if (argument == "--") {
      ++next;
      break;
    }
    if (argument == "--help") {
      options.help = true;
    } else if (argument == "--version") {
      options.version = true;
    } else if (argument == "--quit-after-load") {
      options.quitAfterLoad = true;
    } else if (argument == "--screenshot") {
      if (next + 1 >= arguments.size()) {
        options.error = "--screenshot needs a file name";
        return options;
      }
      options.screenshotPath = arguments[++next];
    } else if (argument == "--filter") {
      if (next + 1 >= arguments.size()) {
        options.error = "--filter needs a text";
        return options;
      }
      options.filterText = arguments[++next];
    } else if (argument == "--view") {
      const std::string name = next + 1 < arguments.size() ? arguments[next + 1] : std::string();
      static const std::pair<const char*, const char*> kViews[] = {
          {"midi", "Midi"}, {"casm", "Casm"}, {"ots", "Ots"}, {"mfd", "Mfd"}};
      for (const auto& [option, key] : kViews)
        if (name == option) options.view = key;
      if (options.view.empty()) {
        options.error = "--view needs midi, casm, ots or mfd";
        return options;
      }
      ++next;
    } else if (argument == "--detail") {
      const std::string row = next + 1 < arguments.size() ? arguments[next + 1] : std::string();
      if (row.empty() || row.size() > 9 ||
          row.find_first_not_of("0123456789") != std::string::npos || std::stoi(row) < 1) {
        options.error = "--detail needs a row number from 1";
        return options;
      }
      options.detailRow = std::stoi(row);
      ++next;
    } else {
      break;
    }
  }
  for (size_t i = next; i < arguments.size(); ++i) {
    if (i > next) options.commandLine.push_back(' ');
    options.commandLine.append(arguments[i]);
    options.words.push_back(arguments[i]);
  }
  return options;
}

}  // namespace veltrix::app
