#pragma once

#include <string>
#include <string_view>

#include "core/session.h"

namespace veltrix {

// Rewrites the file named by the window's file name as format 0 and loads the result into
// the file image. Returns "OK" or "failed"; a failure of the conversion's own means (no
// temporary folder, an unreadable result) ends it quietly with "OK" and the image unchanged.
// The temporary copy lives in a private folder that is removed on every way out.
std::string ConvertToFormat0(Session& session);

// The file name of the temporary copy: "Veltrix_" and the source's file name, with "mid" for
// the last three characters when the source path ends in "kar" in any letter case.
std::string ConversionTargetName(std::string_view sourcePath);

}  // namespace veltrix
