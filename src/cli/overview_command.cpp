#include "cli/overview_command.h"

#include "cli/batch_lister.h"
#include "cli/ordered_parallel.h"
#include "overview/file_overview.h"
#include "overview/overview_report.h"

namespace veltrix {

namespace {

struct OverviewText {
  bool readable = true;
  std::string text;     // this file's part of the output
  std::string message;  // why it could not be read
};

}  // namespace

int RunOverview(const ListerOptions& options, const TextSink& out, const TextSink& errors) {
  bool failed = false;
  const std::vector<std::string> files = ExpandListerInputs(options.inputs, errors, failed);
  const bool json = options.format == "json";
  const bool jsonLines = options.format == "jsonl";
  const bool table = !json && !jsonLines;
  const TableFormat tableFormat = options.format == "csv" ? TableFormat::Csv : TableFormat::Tsv;
  if (json) out("[\n");
  if (table) out(overview::OverviewTableHeader(tableFormat));
  const unsigned jobs = JobsOf(options);
  RunInOrder<OverviewText>(
      files.size(), jobs, size_t{jobs} * kWindowPerJob,
      [&](size_t item) {
        const overview::FileOverview found =
            overview::OverviewOfFile(files[item], options.codePage);
        OverviewText result;
        result.readable = found.readable;
        result.message = found.message;
        result.text =
            table ? overview::OverviewTableLine(tableFormat, found) : overview::OverviewJson(found);
        return result;
      },
      [&](size_t item, OverviewText& file) {
        if (json) out(item == 0 ? "" : ",\n");
        out(file.text);
        if (jsonLines) out("\n");
        if (!file.readable) {
          failed = true;
          if (table) errors(files[item] + ": " + file.message + "\n");
        }
      });
  if (json) out(files.empty() ? "]\n" : "\n]\n");
  return failed ? 1 : 0;
}

}  // namespace veltrix
