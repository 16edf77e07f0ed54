#include "style/ots.h"

namespace veltrix {

void GetOTS(Session&) {}

}  // namespace veltrix
