#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <unordered_set>

namespace veltrix::app {

// Message boxes of the window, gathered per command. A damaged file can raise the same report
// for thousands of events in one listing; within one command each distinct text is shown
// once, and when the command ends one more box says how many repeats were held back.
// Outside a command every message is shown as it comes.
class CommandMessages {
 public:
  using Show = std::function<void(const std::string& text)>;

  explicit CommandMessages(Show show) : show_(std::move(show)) {}

  // Commands may nest (the tool-bar Open runs the Open command); only the outermost one
  // counts and ends the gathering.
  void Begin();
  void Post(const std::string& text);
  void End();

  bool InCommand() const { return depth_ > 0; }

 private:
  Show show_;
  int depth_ = 0;
  std::unordered_set<std::string> shown_;
  size_t heldBack_ = 0;
};

// The closing message of a command that held back `count` repeated reports.
std::string HeldBackText(size_t count);

}  // namespace veltrix::app
