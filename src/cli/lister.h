#pragma once

#include <string>
#include <vector>

namespace veltrix {

struct ListerOptions {
  std::string view = "Midi";
  bool decodeSysex = true;
  bool markRunningStatus = false;
  std::string format = "tsv";
  std::string codePage = "WINDOWS-1252";
  std::string file;
};

// Parses the lister's arguments (without the program name). Returns false with a reason in
// `error` on a usage error; sets `help` for --help.
bool ParseListerArguments(const std::vector<std::string>& arguments, ListerOptions& options,
                          bool& help, std::string& error);

struct ListerResult {
  int exitStatus = 0;  // 0 listed, 1 refused or unreadable
  std::string output;  // what goes to standard output
  std::vector<std::string> messages;
};

// Does what the window does when the user opens the file and switches to the view, and
// renders what the window then shows.
ListerResult RunLister(const ListerOptions& options);

extern const char* const kListerHelp;

}  // namespace veltrix
