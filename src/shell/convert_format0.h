#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/session.h"

namespace veltrix {

// Rewrites the file named by the window's file name as format 0 and loads the result into
// the file image. Returns "OK" or "failed". The temporary copy lives in a private folder,
// removed on every way out, below the first of $TMPDIR, /tmp and /var/tmp that can hold it.
// When none can, or the result cannot be read back, the cause is reported under
// "ConvertToFormat0" and the result is "failed" with the image unchanged: a song is never
// listed from a half-done conversion.
std::string ConvertToFormat0(Session& session);
// The same with the folders to try given, in order.
std::string ConvertToFormat0(Session& session, const std::vector<std::string>& folders);

// $TMPDIR when it is set, then /tmp and /var/tmp.
std::vector<std::string> TemporaryFolders();

// The file name of the temporary copy: "Veltrix_" and the source's file name, with "mid" for
// the last three characters when the source path ends in "kar" in any letter case.
std::string ConversionTargetName(std::string_view sourcePath);

}  // namespace veltrix
