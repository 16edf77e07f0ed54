#pragma once

#include "cli/lister.h"

namespace veltrix {

// veltrix-list --lyrics: the lyrics of every FILE (and of the files below each --recursive
// folder) in the format of `options` (lrc, txt or json), in argument order. Several files:
// "==> PATH <==" before each one's lrc or txt, one JSON array of the objects. A file that
// cannot be listed is reported on `errors` and gives status 1; one without lyrics gives no
// lines and status 0.
int RunLyrics(const ListerOptions& options, const TextSink& out, const TextSink& errors);

}  // namespace veltrix
