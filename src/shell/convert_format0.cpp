#include "shell/convert_format0.h"

namespace veltrix {

std::string ConvertToFormat0(Session&) {
  return "OK";
}

}  // namespace veltrix
