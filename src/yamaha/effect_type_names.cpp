#include "yamaha/effect_type_names.h"

namespace veltrix {

std::string_view EffectTypeName(std::string_view) {
  return {};
}

}  // namespace veltrix
