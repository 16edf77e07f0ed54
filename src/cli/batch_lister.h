#pragma once

#include "cli/lister.h"

namespace veltrix {

// Lists every file the inputs name: each FILE, and the files below each --recursive folder,
// in argument order. Files are listed on options.jobs threads (one per processor when 0),
// each in a session of its own, and printed in order. Output goes to `out`; lines for
// standard error (the messages of tsv and csv listings, skipped folder entries) go to
// `errors`, each ended by LF. Returns 0 when every file was listed, 1 when any was refused or
// could not be read, or a folder entry was skipped.
// Every file the inputs name, in argument order: each FILE, and the files below each folder.
// Folder entries that cannot be read go to `errors` and set `skippedAny`.
std::vector<std::string> ExpandListerInputs(const std::vector<ListerInput>& inputs,
                                            const TextSink& errors, bool& skippedAny);
// The number of threads for options.jobs (0: one per processor).
unsigned JobsOf(const ListerOptions& options);
// Results waiting for their turn, per thread: enough to keep every thread busy while a slow
// file holds up the printing, few enough that memory stays bounded.
inline constexpr size_t kWindowPerJob = 4;

int RunBatchLister(const ListerOptions& options, const TextSink& out, const TextSink& errors);

}  // namespace veltrix
