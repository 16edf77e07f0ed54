#pragma once

#include "cli/lister.h"

namespace veltrix {

// Lists every file the inputs name: each FILE, and the files below each --recursive folder,
// in argument order. Files are listed on options.jobs threads (one per processor when 0),
// each in a session of its own, and printed in order. Output goes to `out`; lines for
// standard error (the messages of tsv and csv listings, skipped folder entries) go to
// `errors`, each ended by LF. Returns 0 when every file was listed, 1 when any was refused or
// could not be read, or a folder entry was skipped.
int RunBatchLister(const ListerOptions& options, const TextSink& out, const TextSink& errors);

}  // namespace veltrix
