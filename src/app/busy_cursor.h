#pragma once

namespace veltrix::app {

// The hourglass for the length of a command that lists (an application override cursor).
class BusyCursor {
 public:
  BusyCursor();
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;
};

// Gives the normal pointer back while a message box waits for the user, then the hourglass
// again if a command is still running.
class BusyCursorPause {
 public:
  BusyCursorPause();
  ~BusyCursorPause();
  BusyCursorPause(const BusyCursorPause&) = delete;
  BusyCursorPause& operator=(const BusyCursorPause&) = delete;

 private:
  int paused_ = 0;
};

}  // namespace veltrix::app
