#pragma once

// src/cli: veltrix-list, beside the desktop program on top of shell. Its Midi listing hands
// its rows to a writer as they are made instead of keeping them.

#include <functional>
#include <string>
#include <vector>

#include "core/file_image.h"
#include "core/program_help.h"  // kListerHelp
#include "views/export_writers.h"

namespace veltrix {

// A FILE argument, or the folder of a --recursive argument.
struct ListerInput {
  std::string path;
  bool recursive = false;
};

struct ListerOptions {
  std::string view = "Midi";
  bool decodeSysex = true;
  bool markRunningStatus = false;
  bool decodeUniversal = false;
  bool time = false;           // --time: the Time column and the song's length
  std::string format = "tsv";  // tsv, csv, json or jsonl
  std::string codePage = "WINDOWS-1252";
  std::string file;                 // the FILE when exactly one is given and no folder
  std::vector<ListerInput> inputs;  // every FILE and folder, in argument order
  unsigned jobs = 0;                // files listed at once; 0 for one per processor
  bool check = false;               // report each file's problems instead of listing it
  bool overview = false;            // report what each file holds instead of listing it
  bool lyrics = false;              // write each file's lyrics (lrc, txt or json)
  bool syllables = false;           // with lrc: the time of each syllable too
};

// The --codepage value that has the code page guessed for each file.
inline constexpr const char* kGuessedCodePage = "auto";

// True when the arguments ask for more than the one-file listing: several FILEs, a folder or
// JSON Lines.
bool IsBatch(const ListerOptions& options);

// Parses the lister's arguments (without the program name). Returns false with a reason in
// `error` on a usage error; sets `help` for --help.
bool ParseListerArguments(const std::vector<std::string>& arguments, ListerOptions& options,
                          bool& help, std::string& error);

struct ListerResult {
  int exitStatus = 0;  // 0 listed, 1 refused or unreadable
  std::string output;  // what goes to standard output, when no sink was given
  std::vector<std::string> messages;
  std::string encodingNote;  // with --codepage auto: the guess, for standard error
};

// The code page of `options` for the file at `path`: with --codepage auto the detector's
// guess, windows-1252 when it has none, and a note that names it in `note`.
std::string CodePageFor(const ListerOptions& options, const std::string& path, std::string& note);

// Does what the window does when the user opens the file and switches to the view, and
// renders what the window then shows, to `write` (or into the result's output). With an
// `image` the file's bytes are taken from it instead of being read from the FILE.
ListerResult RunLister(const ListerOptions& options, const TextSink& write = nullptr,
                       const FileImage* image = nullptr);

// The same for the file at `path`, in a session of its own, handing what the window shows
// and the texts of its message boxes to `render`. Safe to run on several threads at once.
using WindowRenderer =
    std::function<void(const WindowModel& window, const std::vector<std::string>& messages)>;
// With a `stream` the Midi listing's rows go to it as they are made instead of into the
// window; with an `image` the file's bytes are taken from it instead of being read.
ListerResult ListFileWith(const ListerOptions& options, const std::string& path,
                          const WindowRenderer& render, RowSink* stream = nullptr,
                          const FileImage* image = nullptr);

// The window in the lister's one-file format: tsv, csv or json.
void WriteWindow(const std::string& format, const WindowModel& window,
                 const std::vector<std::string>& messages, const TextSink& write);

}  // namespace veltrix
