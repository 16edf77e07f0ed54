#pragma once

#include <memory>

#include "core/row_maker.h"
#include "core/session.h"

namespace veltrix {

// Makes the Ots view's rows (track number, ID, Delay, Type, Command) from the records of the
// walk that listed the window's one-touch-setting tracks, each row as that walk would have made
// it, with the file image, options and code page of the listing.
std::shared_ptr<const RowMaker> MakeOtsRows(const Session& session);

}  // namespace veltrix
