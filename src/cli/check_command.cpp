#include "cli/check_command.h"

#include <algorithm>
#include <map>

#include "check/file_check.h"
#include "cli/batch_lister.h"
#include "cli/ordered_parallel.h"
#include "core/failure.h"
#include "core/file_image.h"
#include "views/check_report.h"

namespace veltrix {

namespace {

struct CheckedFile {
  check::FileCheck check;
  bool readable = true;
  std::string text;  // this file's part of the output
};

CheckedFile CheckOne(const ListerOptions& options, const std::string& path) {
  CheckedFile file;
  try {
    const FileImage image = LoadFileImage(path);
    file.check = check::CheckFile(image.bytes(), path);
  } catch (const Failure& failure) {
    file.readable = false;
    file.check.findings.push_back(check::MakeFinding(
        check::Severity::Error, "unreadable", "the file cannot be read: " + failure.description()));
  } catch (const std::exception& failure) {
    file.readable = false;
    file.check.findings.push_back(
        check::MakeFinding(check::Severity::Error, "unreadable",
                           std::string("the file cannot be read: ") + failure.what()));
  }
  if (options.format == "json" || options.format == "jsonl")
    file.text = CheckJson(path, file.check);
  else
    file.text = CheckTableLines(options.format == "csv" ? TableFormat::Csv : TableFormat::Tsv, path,
                                file.check);
  return file;
}

// Files checked, with errors, with warnings only, clean; then each code's count, most first.
std::string Summary(size_t files, const std::array<size_t, 3>& fileCounts,
                    const std::map<std::string, size_t>& codes) {
  std::string out = "files checked: " + std::to_string(files) +
                    ", with errors: " + std::to_string(fileCounts[0]) +
                    ", with warnings only: " + std::to_string(fileCounts[1]) +
                    ", clean: " + std::to_string(fileCounts[2]) + "\n";
  std::vector<std::pair<std::string, size_t>> byCount(codes.begin(), codes.end());
  std::stable_sort(byCount.begin(), byCount.end(),
                   [](const auto& a, const auto& b) { return a.second > b.second; });
  for (const auto& [code, count] : byCount)
    out += "  " + code + ": " + std::to_string(count) + "\n";
  return out;
}

}  // namespace

int RunCheck(const ListerOptions& options, const TextSink& out, const TextSink& errors) {
  bool failed = false;
  const std::vector<std::string> files = ExpandListerInputs(options.inputs, errors, failed);
  const bool json = options.format == "json";
  const bool jsonLines = options.format == "jsonl";
  const bool table = !json && !jsonLines;
  if (json) out("[\n");
  if (table) {
    out(CheckTableHeader(options.format == "csv" ? TableFormat::Csv : TableFormat::Tsv));
  }

  std::array<size_t, 3> fileCounts{};  // with errors, with warnings only, clean
  std::map<std::string, size_t> codes;
  const unsigned jobs = JobsOf(options);
  RunInOrder<CheckedFile>(
      files.size(), jobs, size_t{jobs} * kWindowPerJob,
      [&](size_t item) { return CheckOne(options, files[item]); },
      [&](size_t item, CheckedFile& file) {
        if (json) out(item == 0 ? "" : ",\n");
        out(file.text);
        if (jsonLines || json) out(jsonLines ? "\n" : "");
        const auto counts = file.check.Counts();
        if (counts[0] > 0 || !file.readable) failed = true;
        ++fileCounts[counts[0] > 0 ? 0 : counts[1] > 0 ? 1 : 2];
        for (const check::Finding& finding : file.check.findings)
          ++codes[std::string(finding.code)];
      });
  if (json) out(files.empty() ? "]\n" : "\n]\n");
  if (table) errors(Summary(files.size(), fileCounts, codes));
  return failed ? 1 : 0;
}

}  // namespace veltrix
