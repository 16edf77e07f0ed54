#pragma once

#include <string>
#include <vector>

namespace veltrix::app {

// What the program was started with. The program's own options come first; everything after
// them is the command line, its arguments joined by one blank.
struct StartOptions {
  std::string commandLine;
  bool quitAfterLoad = false;      // --quit-after-load: end once the file is listed
  std::string screenshotPath;      // --screenshot FILE: save a picture of the window, then end
  std::string filterText;          // --filter TEXT: put TEXT in the filter bar
  int detailRow = 0;               // --detail ROW: show the event detail of shown row ROW (from 1)
  std::string view;                // --view NAME: switch to this view ("Casm", ...) once listed
  bool help = false;               // --help: print the help text and end
  bool version = false;            // --version: print the name and version and end
  std::vector<std::string> words;  // the command line's arguments, one by one
  std::string error;               // a usage error, when not empty
};

StartOptions ParseStartArguments(const std::vector<std::string>& arguments);

inline constexpr const char* kStartUsage =
    "usage: veltrix [--quit-after-load] [--screenshot FILE.png] [--filter TEXT] [--detail ROW]\n"
    "               [--view midi|casm|ots|mfd] [--] [FILE]\n";

}  // namespace veltrix::app
