#include "cli/batch_lister.h"

#include <thread>

#include "cli/file_tree.h"
#include "cli/ordered_parallel.h"

namespace veltrix {

std::vector<std::string> ExpandListerInputs(const std::vector<ListerInput>& inputs,
                                            const TextSink& errors, bool& skippedAny) {
  std::vector<std::string> files;
  const SkippedEntry skipped = [&](const std::string& path, const std::string& reason) {
    skippedAny = true;
    errors("veltrix-list: " + path + ": " + reason + "\n");
  };
  for (const ListerInput& input : inputs) {
    if (!input.recursive) {
      files.push_back(input.path);
      continue;
    }
    std::vector<std::string> below = FilesBelow(input.path, skipped);
    files.insert(files.end(), std::make_move_iterator(below.begin()),
                 std::make_move_iterator(below.end()));
  }
  return files;
}

unsigned JobsOf(const ListerOptions& options) {
  if (options.jobs > 0) return options.jobs;
  return std::max(1u, std::thread::hardware_concurrency());
}

namespace {

// One file's part of the output, with the path in front.
ListerResult ListOneFile(const ListerOptions& options, const std::string& path,
                         const TextSink& write) {
  return ListFileWith(options, path,
                      [&](const WindowModel& window, const std::vector<std::string>& messages) {
                        if (options.format == "json" || options.format == "jsonl") {
                          WriteJsonLine(window, messages, path, write);
                        } else if (options.format == "csv") {
                          write("==> " + path + " <==\r\n");
                          WriteCsv(window, write);
                        } else {
                          write("==> " + path + " <==\n");
                          WriteTsv(window, write);
                        }
                      });
}

// A failure outside the listing's own reports (memory running out while the text is
// written) costs this file only.
ListerResult ListOneFileGuarded(const ListerOptions& options, const std::string& path,
                                const TextSink& write, const TextSink& errors) {
  try {
    return ListOneFile(options, path, write);
  } catch (const std::exception& failure) {
    errors("veltrix-list: " + path + ": " + failure.what() + "\n");
    ListerResult result;
    result.exitStatus = 1;
    return result;
  }
}

struct FileOutput {
  std::string text;
  std::string errors;
  ListerResult result;
};

}  // namespace

int RunBatchLister(const ListerOptions& options, const TextSink& out, const TextSink& errors) {
  bool failed = false;
  const std::vector<std::string> files = ExpandListerInputs(options.inputs, errors, failed);
  const bool array = options.format == "json";
  const bool messagesToErrors = options.format == "tsv" || options.format == "csv";

  if (array) out("[\n");
  // In the array a comma goes before every object but the first; a file that failed before
  // its object was written gets none.
  size_t objects = 0;
  bool fileStarted = false;
  const TextSink print = [&](std::string_view text) {
    if (!fileStarted && !text.empty()) {
      fileStarted = true;
      if (array && objects++ > 0) out(",");
    }
    out(text);
  };
  auto end = [&](size_t item, const ListerResult& result) {
    fileStarted = false;
    if (result.exitStatus != 0) failed = true;
    if (!result.encodingNote.empty()) errors(files[item] + ": " + result.encodingNote + "\n");
    if (messagesToErrors)
      for (const std::string& message : result.messages)
        errors(files[item] + ": " + message + "\n");
  };

  const unsigned jobs = JobsOf(options);
  if (jobs == 1) {
    // Straight through: each file's text goes out as it is written, nothing is held.
    for (size_t item = 0; item < files.size(); ++item)
      end(item, ListOneFileGuarded(options, files[item], print, errors));
  } else {
    RunInOrder<FileOutput>(
        files.size(), jobs, size_t{jobs} * kWindowPerJob,
        [&](size_t item) {
          FileOutput output;
          output.result = ListOneFileGuarded(
              options, files[item], [&](std::string_view text) { output.text.append(text); },
              [&](std::string_view text) { output.errors.append(text); });
          return output;
        },
        [&](size_t item, FileOutput& output) {
          print(output.text);
          if (!output.errors.empty()) errors(output.errors);
          end(item, output.result);
        });
  }
  if (array) out("]\n");
  return failed ? 1 : 0;
}

}  // namespace veltrix
