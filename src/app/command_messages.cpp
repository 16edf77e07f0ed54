#include "app/command_messages.h"

namespace veltrix::app {

void CommandMessages::Begin() {
  if (depth_++ == 0) {
    shown_.clear();
    heldBack_ = 0;
  }
}

void CommandMessages::Post(const std::string& text) {
  if (depth_ == 0) {
    show_(text);
    return;
  }
  if (!shown_.insert(text).second) {
    ++heldBack_;
    return;
  }
  show_(text);
}

void CommandMessages::End() {
  if (depth_ == 0 || --depth_ > 0) return;
  size_t heldBack = heldBack_;
  shown_.clear();
  heldBack_ = 0;
  if (heldBack > 0) show_(HeldBackText(heldBack));
}

std::string HeldBackText(size_t count) {
  if (count == 1) return "1 further report of this command was not shown.";
  return std::to_string(count) + " further reports of this command were not shown.";
}

}  // namespace veltrix::app
