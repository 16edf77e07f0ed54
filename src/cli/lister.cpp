#include "cli/lister.h"

#include <stdexcept>

#include "core/session.h"
#include "shell/open_command.h"
#include "views/export_writers.h"
#include "views/select_view.h"

namespace veltrix {

const char* const kListerHelp =
    "Usage: veltrix-list [OPTIONS] FILE\n"
    "Lists a Standard MIDI File or a keyboard style file as the Veltrix window shows it.\n"
    "\n"
    "  --view midi|casm|ots|mfd  the view to show (default midi)\n"
    "  --no-decode-sysex         show system-exclusive and sequencer-specific data as hex\n"
    "  --mark-running-status     append * to events written with running status\n"
    "  --format tsv|csv|json     output format (default tsv)\n"
    "  --codepage NAME           code page of the file's texts (default WINDOWS-1252)\n"
    "  --help                    show this text\n"
    "\n"
    "tsv: a header line, then a line per row, cells joined by TAB, lines ended by LF;\n"
    "     TAB, CR, LF and backslash inside a cell are written \\t, \\r, \\n, \\\\.\n"
    "csv: RFC 4180. With tsv and csv the messages the window would show in message\n"
    "     boxes go to standard error, one a line.\n"
    "json: one object with caption, view, columns, rows, labels (filename, tracks,\n"
    "     ticks, length), warning, status and messages.\n"
    "\n"
    "Exit status: 0 when the file was listed (even with error reports), 1 when it was\n"
    "refused or could not be read, 2 on a usage error.\n";

namespace {

bool ViewKey(const std::string& name, std::string& key) {
  if (name == "midi")
    key = "Midi";
  else if (name == "casm")
    key = "Casm";
  else if (name == "ots")
    key = "Ots";
  else if (name == "mfd")
    key = "Mfd";
  else
    return false;
  return true;
}

}  // namespace

bool ParseListerArguments(const std::vector<std::string>& arguments, ListerOptions& options,
                          bool& help, std::string& error) {
  help = false;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    auto value = [&](std::string& target) {
      if (i + 1 >= arguments.size()) {
        error = argument + " needs a value";
        return false;
      }
      target = arguments[++i];
      return true;
    };
    if (argument == "--help" || argument == "-h") {
      help = true;
      return true;
    } else if (argument == "--view") {
      std::string name;
      if (!value(name)) return false;
      if (!ViewKey(name, options.view)) {
        error = "unknown view: " + name;
        return false;
      }
    } else if (argument == "--no-decode-sysex") {
      options.decodeSysex = false;
    } else if (argument == "--mark-running-status") {
      options.markRunningStatus = true;
    } else if (argument == "--format") {
      if (!value(options.format)) return false;
      if (options.format != "tsv" && options.format != "csv" && options.format != "json") {
        error = "unknown format: " + options.format;
        return false;
      }
    } else if (argument == "--codepage") {
      if (!value(options.codePage)) return false;
    } else if (argument.size() > 1 && argument[0] == '-' && argument != "-") {
      error = "unknown option: " + argument;
      return false;
    } else if (options.file.empty()) {
      options.file = argument;
    } else {
      error = "only one FILE may be given";
      return false;
    }
  }
  if (options.file.empty()) {
    error = "no FILE given";
    return false;
  }
  return true;
}

ListerResult RunLister(const ListerOptions& options, const TextSink& sink) {
  ListerResult result;
  Session session;
  session.codePage = CodePage(options.codePage);
  session.window.options.DecodeSysex = options.decodeSysex;
  session.window.options.MarkRunningStatus = options.markRunningStatus;
  session.ConnectMessages([&](const std::string& text) { result.messages.push_back(text); });

  OpenOutcome outcome = OpenFile(session, options.file);
  if (outcome == OpenOutcome::Listed && options.view != "Midi") SelectView(session, options.view);
  result.exitStatus = outcome == OpenOutcome::Listed ? 0 : 1;

  TextSink write = sink ? sink : [&](std::string_view text) { result.output.append(text); };
  if (options.format == "json")
    WriteJson(session.window, result.messages, write);
  else if (options.format == "csv")
    WriteCsv(session.window, write);
  else
    WriteTsv(session.window, write);
  return result;
}

}  // namespace veltrix
