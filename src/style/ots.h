#pragma once

#include "core/session.h"

namespace veltrix {

// Fills the Ots view with the events of the one-touch-setting tracks of a style file.
void GetOTS(Session& session);

}  // namespace veltrix
