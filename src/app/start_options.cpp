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
    if (argument == "--quit-after-load") {
      options.quitAfterLoad = true;
    } else if (argument == "--screenshot") {
      if (next + 1 >= arguments.size()) {
        options.error = "--screenshot needs a file name";
        return options;
      }
      options.screenshotPath = arguments[++next];
    } else {
      break;
    }
  }
  for (size_t i = next; i < arguments.size(); ++i) {
    if (i > next) options.commandLine.push_back(' ');
    options.commandLine.append(arguments[i]);
  }
  return options;
}

}  // namespace veltrix::app
