#pragma once

#include "cli/lister.h"

namespace veltrix {

// veltrix-list --overview: the overview of every file the inputs name, made on options.jobs
// threads and written in argument order to `out`: tsv and csv one line per file under one
// header (the library report), json an array, jsonl an object a line. With tsv and csv the
// reason a file could not be read goes to `errors` as "PATH: reason". Returns 0, or 1 when a
// file could not be read or listed (or a folder entry was skipped).
int RunOverview(const ListerOptions& options, const TextSink& out, const TextSink& errors);

}  // namespace veltrix
