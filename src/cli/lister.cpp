#include "cli/lister.h"

#include <charconv>
#include <stdexcept>

#include "core/session.h"
#include "lyrics/indexed_file.h"
#include "shell/open_command.h"
#include "views/export_writers.h"
#include "views/select_view.h"

namespace veltrix {

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

constexpr unsigned kMostJobs = 1024;

bool JobCount(const std::string& text, unsigned& jobs) {
  unsigned value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 1 || value > kMostJobs)
    return false;
  jobs = value;
  return true;
}

// --lyrics takes lrc (its default), txt or json, which only it takes, and --syllables.
bool LyricsOptionsFit(ListerOptions& options, bool formatGiven, std::string& error) {
  if (options.lyrics && !formatGiven) options.format = "lrc";
  const bool lyricFormat = options.format == "lrc" || options.format == "txt";
  if (options.lyrics && options.format != "json" && !lyricFormat) {
    error = "--lyrics writes lrc, txt or json, not " + options.format;
    return false;
  }
  if (!options.lyrics && lyricFormat) {
    error = "--format " + options.format + " needs --lyrics";
    return false;
  }
  if (options.syllables && !options.lyrics) {
    error = "--syllables needs --lyrics";
    return false;
  }
  if (options.lyrics && options.check) {
    error = "--lyrics and --check do not go together";
    return false;
  }
  return true;
}

}  // namespace

bool ParseListerArguments(const std::vector<std::string>& arguments, ListerOptions& options,
                          bool& help, std::string& error) {
  help = false;
  bool formatGiven = false;
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
    } else if (argument == "--check") {
      options.check = true;
    } else if (argument == "--overview") {
      options.overview = true;
    } else if (argument == "--lyrics") {
      options.lyrics = true;
    } else if (argument == "--syllables") {
      options.syllables = true;
    } else if (argument == "--no-decode-sysex") {
      options.decodeSysex = false;
    } else if (argument == "--decode-universal") {
      options.decodeUniversal = true;
    } else if (argument == "--mark-running-status") {
      options.markRunningStatus = true;
    } else if (argument == "--time") {
      options.time = true;
    } else if (argument == "--format") {
      if (!value(options.format)) return false;
      formatGiven = true;
      if (options.format != "tsv" && options.format != "csv" && options.format != "json" &&
          options.format != "jsonl" && options.format != "lrc" && options.format != "txt") {
        error = "unknown format: " + options.format;
        return false;
      }
    } else if (argument == "--codepage") {
      if (!value(options.codePage)) return false;
    } else if (argument == "--recursive") {
      ListerInput folder{"", true};
      if (!value(folder.path)) return false;
      options.inputs.push_back(std::move(folder));
    } else if (argument == "--jobs") {
      std::string count;
      if (!value(count)) return false;
      if (!JobCount(count, options.jobs)) {
        error = "--jobs needs a whole number from 1 to " + std::to_string(kMostJobs);
        return false;
      }
    } else if (argument.size() > 1 && argument[0] == '-' && argument != "-") {
      error = "unknown option: " + argument;
      return false;
    } else {
      options.inputs.push_back({argument, false});
    }
  }
  if (options.inputs.empty()) {
    error = "no FILE given";
    return false;
  }
  if (!LyricsOptionsFit(options, formatGiven, error)) return false;
  if (options.inputs.size() == 1 && !options.inputs.front().recursive)
    options.file = options.inputs.front().path;
  return true;
}

std::string CodePageFor(const ListerOptions& options, const std::string& path, std::string& note) {
  if (options.codePage != kGuessedCodePage) return options.codePage;
  const std::string guess = GuessFileEncoding(path).name;
  note = guess.empty() ? "no text encoding guessed, WINDOWS-1252 used"
                       : "text encoding guessed: " + guess;
  return guess.empty() ? "WINDOWS-1252" : guess;
}

bool IsBatch(const ListerOptions& options) {
  return options.inputs.size() > 1 || options.file.empty() || options.format == "jsonl";
}

ListerResult ListFileWith(const ListerOptions& options, const std::string& path,
                          const WindowRenderer& render, RowSink* stream, const FileImage* image) {
  ListerResult result;
  Session session;
  session.codePage = CodePage(CodePageFor(options, path, result.encodingNote));
  session.window.options.DecodeSysex = options.decodeSysex;
  session.window.options.MarkRunningStatus = options.markRunningStatus;
  session.window.options.DecodeUniversal = options.decodeUniversal;
  session.window.options.TimeColumn = options.time;
  session.ConnectMessages([&](const std::string& text) { result.messages.push_back(text); });

  OpenOutcome outcome = image != nullptr ? OpenFileImage(session, path, *image, stream)
                                         : OpenFile(session, path, stream);
  if (outcome == OpenOutcome::Listed && options.view != "Midi") SelectView(session, options.view);
  result.exitStatus = outcome == OpenOutcome::Listed ? 0 : 1;
  render(session.window, result.messages);
  return result;
}

void WriteWindow(const std::string& format, const WindowModel& window,
                 const std::vector<std::string>& messages, const TextSink& write) {
  if (format == "json")
    WriteJson(window, messages, write);
  else if (format == "csv")
    WriteCsv(window, write);
  else
    WriteTsv(window, write);
}

namespace {

// Writes the Midi listing's rows as they are made, so a large file's rows are never kept.
class StreamedListing : public RowSink {
 public:
  StreamedListing(const std::string& format, const TextSink& write)
      : json_(format == "json"),
        table_(format == "csv" ? TableFormat::Csv : TableFormat::Tsv, write),
        object_(write) {}

  void BeginRows(const WindowModel& window) override {
    begun_ = true;
    if (json_)
      object_.Begin(window);
    else
      table_.Header(window.columns);
  }
  void Row(const std::string_view* cells, size_t count, const EventRecord&) override {
    if (json_)
      object_.Row(cells, count);
    else
      table_.Row(cells, count);
  }
  void RowWithPlainCell(const std::string_view* cells, size_t count, size_t place,
                        std::string_view plain, const EventRecord&) override {
    if (json_)
      object_.RowWithPlainCell(cells, count, place, plain);
    else
      table_.RowWithPlainCell(cells, count, place, plain);
  }

  // Writes what follows the rows; false when no listing began, so nothing was written.
  bool Finish(const WindowModel& window, const std::vector<std::string>& messages) {
    if (!begun_) return false;
    if (json_)
      object_.End(window, messages);
    else
      table_.Flush();
    return true;
  }

 private:
  bool json_;
  bool begun_ = false;
  TableTextWriter table_;
  JsonWindowWriter object_;
};

}  // namespace

ListerResult RunLister(const ListerOptions& options, const TextSink& sink, const FileImage* image) {
  std::string output;
  TextSink write = sink ? sink : [&](std::string_view text) { output.append(text); };
  auto writeWhole = [&](const WindowModel& window, const std::vector<std::string>& messages) {
    WriteWindow(options.format, window, messages, write);
  };
  ListerResult result;
  if (options.view == "Midi") {
    // Only the Midi view is written as it is made: another view replaces the Midi rows.
    StreamedListing listing(options.format, write);
    result = ListFileWith(
        options, options.file,
        [&](const WindowModel& window, const std::vector<std::string>& messages) {
          if (!listing.Finish(window, messages)) writeWhole(window, messages);
        },
        &listing, image);
  } else {
    result = ListFileWith(options, options.file, writeWhole, nullptr, image);
  }
  result.output = std::move(output);
  return result;
}

}  // namespace veltrix
