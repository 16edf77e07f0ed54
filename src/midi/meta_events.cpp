#include "midi/meta_events.h"

#include "midi/var_len.h"

namespace veltrix {

std::string MetaEventText(Session& session, MeasureState&) {
  ReadMetaLength(session);
  return {};
}

}  // namespace veltrix
