#include "yamaha/chord_names.h"

namespace veltrix {

std::string ChordRootName(std::string_view) {
  return {};
}
std::string_view ChordAccidentalName(int) {
  return {};
}
std::string_view ChordNoteLetter(int) {
  return {};
}
std::string_view ChordTypeName(std::string_view) {
  return {};
}

}  // namespace veltrix
