#include "style/casm.h"

namespace veltrix {

void GetCasmInfo(Session&) {}

}  // namespace veltrix
