#pragma once

#include <string>

#include "core/session.h"

namespace veltrix {

// Rewrites the file named by the window's file name as format 0 and loads the result into
// the file image. Returns "OK" or "failed".
std::string ConvertToFormat0(Session& session);

}  // namespace veltrix
