#pragma once

#include "cli/lister.h"

namespace veltrix {

// veltrix-list --check: checks every file the inputs name, on options.jobs threads, and
// writes the findings in argument order to `out` (tsv, csv, json or jsonl); with tsv and csv
// a summary goes to `errors`. Returns 0 when no file has an error, 1 when one has or cannot
// be read (or a folder entry was skipped).
int RunCheck(const ListerOptions& options, const TextSink& out, const TextSink& errors);

}  // namespace veltrix
