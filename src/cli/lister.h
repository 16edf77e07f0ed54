#pragma once

#include <string>
#include <vector>

#include "views/export_writers.h"

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
  std::string output;  // what goes to standard output, when no sink was given
  std::vector<std::string> messages;
};

// Does what the window does when the user opens the file and switches to the view, and
// renders what the window then shows, to `write` (or into the result's output).
ListerResult RunLister(const ListerOptions& options, const TextSink& write = nullptr);

extern const char* const kListerHelp;

}  // namespace veltrix
