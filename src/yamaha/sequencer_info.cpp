#include "yamaha/sequencer_info.h"

namespace veltrix {

std::string YamahaSequencerInfo(std::string_view hex, const ErrorReporter&, const CodePage&) {
  return "Yamaha Sequencer Specific " + std::string(hex);
}

}  // namespace veltrix
