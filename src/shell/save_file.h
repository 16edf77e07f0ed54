#pragma once

#include <string>

#include "core/session.h"

namespace veltrix {

// Writes every byte of the file image, in order, into a new file at `path`. An existing file
// is never replaced: the only file this program writes is its own temporary copy. A failure
// is reported as "SaveFile" and the routine returns; no partial file stays behind.
void SaveFile(Session& session, const std::string& path);

}  // namespace veltrix
