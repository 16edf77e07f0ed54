#pragma once

#include <memory>

#include "core/row_maker.h"
#include "core/session.h"

namespace veltrix {

// Makes the Midi view's rows from the records of the walk that listed the window: each row as
// that walk would have made it, with the file image, options and code page of the listing.
// The records' measure changes are taken now; later options or code pages do not change it.
std::shared_ptr<const RowMaker> MakeMidiRows(const Session& session);

}  // namespace veltrix
