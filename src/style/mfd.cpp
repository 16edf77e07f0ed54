#include "style/mfd.h"

namespace veltrix {

void GetMfdData(Session&) {}

}  // namespace veltrix
